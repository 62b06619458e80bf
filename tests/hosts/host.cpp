// SPDX-License-Identifier: MIT
// A host of the installed library, reading a resource; with KYIO_QT_HOST it holds Qt's QMutex.
#ifdef KYIO_QT_HOST
#include <QMutex>
#include <QMutexLocker>
#endif
#include <kyio.h>

#include <cstdio>
#include <cstring>

int main() {
#ifdef KYIO_QT_HOST
    QMutex qtMutex;
    QMutexLocker locker(&qtMutex);
#endif
    FILE* handle = kyopen("docx2html_ie.xslt", "r");
    char start[6] = {};
    if (handle == nullptr || kyread(start, 1, 5, handle) != 5 || std::strcmp(start, "<?xml") != 0) return 1;
    CFileCounter::m_lock.Lock();  // get() is inline: the host's copy must find the library's registry
    const bool registered = CFileCounter::get().m_files.count(handle) == 1;
    CFileCounter::m_lock.Unlock();
    if (!registered || kyclose(handle) != 0) return 2;
    std::printf("host: read %s from the installed library\n", start);
    return 0;
}
