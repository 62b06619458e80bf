/* SPDX-License-Identifier: MIT */
/* A C host of lib_kyio: the header compiles as C99 with warnings as errors, and a resource
 * reads, seeks, refuses writes and closes. Exit status 0 on success. */
#include "kyio.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

#define CHECK(c) \
    do { if (!(c)) { fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #c); return 1; } } while (0)

int main(void) {
    char buffer[16];
    long length;
    FILE* font = kyopen("fonts/n021003l.afm", "rb");
    CHECK(font != NULL && errno == 0);
    CHECK(kyread(buffer, 1, 16, font) == 16 && errno == 0 && memcmp(buffer, "StartFontMetrics", 16) == 0);
    CHECK(kyseek(font, 0, SEEK_END) == 0 && kyeof(font) == 1);
    length = kytell(font);
    CHECK(length == 31943);
    CHECK(kywrite("x", 1, 1, font) == 0 && errno == EACCES && kyferror(font) == EACCES);
    CHECK(kyclose(font) == 0 && errno == 0 && kystat("wvhtml.xml") == 0);
    CHECK(kyprintf(stdout, "c_host: %ld bytes of font\n", length) > 0);
    return 0;
}
