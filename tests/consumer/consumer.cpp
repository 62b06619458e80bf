// SPDX-License-Identifier: MIT
// A host of the installed library: opens a resource, derives nothing, checks what it reads.
#include <kyio.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

int main() {
    FILE* handle = kyopen("docx2html_ie.xslt", "r");
    if (handle == nullptr) return 1;
    char start[6] = {};
    if (kyread(start, 1, 5, handle) != 5 || std::strcmp(start, "<?xml") != 0 || errno != 0) return 2;
    CFileCounter::m_lock.Lock();
    const bool registered = CFileCounter::get().m_files.count(handle) == 1;
    CFileCounter::m_lock.Unlock();
    if (!registered || kyclose(handle) != 0) return 3;
    std::printf("consumer: read %s from the installed library\n", start);
    return 0;
}
