// SPDX-License-Identifier: MIT
// Qt's QMutex and QMutexLocker beside kyio.h in one file, and lib_kyio at work under them.
#include <QMutex>
#include <QMutexLocker>
#include <QtGlobal>

#include <kyio.h>

#include <cstring>

int main() {
    QMutex qtMutex;
    QMutexLocker locker(&qtMutex);
    char head[17] = {0};
    FILE* font = kyopen("fonts/n019003l.afm", "rb");
    if (font == nullptr || kyread(head, 1, 16, font) != 16 || std::strcmp(head, "StartFontMetrics") != 0) return 1;
    if (kyclose(font) != 0) return 1;
    std::printf("qt_host: Qt %s and lib_kyio in one file: %s\n", qVersion(), head);
    return 0;
}
