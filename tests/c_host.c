/* SPDX-License-Identifier: MIT */
/* A C host of lib_kyio: opens a resource and a disk file, reads, seeks, prints and closes.
 * Usage: c_host DIRECTORY (a writable directory for the disk file). Exit status 0 on success. */
#include "kyio.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

#define CHECK(condition)                                                       \
    do {                                                                       \
        if (!(condition)) {                                                    \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
            return 1;                                                          \
        }                                                                      \
    } while (0)

int main(int argc, char** argv) {
    char path[4096];
    char buffer[64];
    FILE* font;
    FILE* disk;
    long length;

    CHECK(argc == 2);
    CHECK(strlen(argv[1]) < sizeof path - 16);
    strcpy(path, argv[1]);
    strcat(path, "/c_host.txt");

    font = kyopen("fonts/n021003l.afm", "rb");
    CHECK(font != NULL && errno == 0);
    CHECK(kyread(buffer, 1, 16, font) == 16 && errno == 0);
    CHECK(memcmp(buffer, "StartFontMetrics", 16) == 0);
    CHECK(kyseek(font, 0, SEEK_END) == 0);
    length = kytell(font);
    CHECK(length == 31943);
    CHECK(kyeof(font) == 1);
    CHECK(kywrite("x", 1, 1, font) == 0 && errno == EACCES && kyferror(font) == EACCES);
    CHECK(kyclose(font) == 0 && errno == 0);

    disk = kyopen(path, "w+");
    CHECK(disk != NULL);
    CHECK(kyprintf(disk, "%s %d", "answer", 42) == 9);
    CHECK(kyseek(disk, 0, SEEK_SET) == 0);
    memset(buffer, 0, sizeof buffer);
    CHECK(kyread(buffer, 1, sizeof buffer, disk) == 9);
    CHECK(strcmp(buffer, "answer 42") == 0);
    CHECK(kyclose(disk) == 0);
    CHECK(kystat(path) == 0 && kystat("wvhtml.xml") == 0);
    CHECK(kyprintf(stdout, "c_host: %ld bytes of font, %s\n", length, buffer) > 0);
    return 0;
}
