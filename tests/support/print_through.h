// SPDX-License-Identifier: MIT
// print_through.h: calls an IFile's vprintf and vwprintf with variable arguments.
#ifndef KYIO_TESTS_SUPPORT_PRINT_THROUGH_H
#define KYIO_TESTS_SUPPORT_PRINT_THROUGH_H

#include "kyio.h"

namespace kyio_test {

inline int printNarrow(IFile& file, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = file.vprintf(format, args);
    va_end(args);
    return result;
}

inline int printWide(IFile& file, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = file.vwprintf(format, args);
    va_end(args);
    return result;
}

}  // namespace kyio_test

#endif
