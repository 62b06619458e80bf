// SPDX-License-Identifier: MIT
// stream_ops.cpp: the stdio-style operations on an open handle.
#include "io/handles.h"

namespace {

bool isStandardStream(FILE* handle) { return handle == stdin || handle == stdout || handle == stderr; }

int formatNarrow(FILE* handle, const char* format, va_list args) {
    errno = 0;
    if (format == nullptr || handle == nullptr) return kyio::invalidArgument(0);
    if (isStandardStream(handle)) return std::vfprintf(handle, format, args);
    return kyio::callLocked(handle, [&](IFile& file) { return file.vprintf(format, args); });
}

int formatWide(FILE* handle, const wchar_t* format, va_list args) {
    errno = 0;
    if (format == nullptr || handle == nullptr) return kyio::invalidArgument(0);
    if (isStandardStream(handle)) return std::vfwprintf(handle, format, args);
    return kyio::callLocked(handle, [&](IFile& file) { return file.vwprintf(format, args); });
}

}  // namespace

size_t kyread(void* ptr, size_t size, size_t n, FILE* handle) {
    errno = 0;
    if (handle == nullptr || ptr == nullptr) return kyio::invalidArgument(size_t{0});
    return kyio::callLocked(handle, [&](IFile& file) { return file.read(ptr, size, n); });
}

size_t kywrite(const void* ptr, size_t size, size_t n, FILE* handle) {
    errno = 0;
    if (handle == nullptr || ptr == nullptr) return kyio::invalidArgument(size_t{0});
    // IFile::write takes a non-const pointer; no implementation of ours writes through it.
    void* data = const_cast<void*>(ptr);
    return kyio::callLocked(handle, [&](IFile& file) { return file.write(data, size, n); });
}

int kyseek(FILE* handle, long offset, int whence) {
    errno = 0;
    // Compared unsigned, so that negative origins fail too.
    if (static_cast<unsigned int>(whence) > SEEK_END || handle == nullptr) return kyio::invalidArgument(-1);
    return kyio::callLocked(handle, [&](IFile& file) { return file.seek(offset, whence); });
}

long kytell(FILE* handle) {
    errno = 0;
    if (handle == nullptr) return kyio::invalidArgument(-1L);
    return kyio::callLocked(handle, [](IFile& file) { return file.tell(); });
}

int kyeof(FILE* handle) {
    if (handle == nullptr) return 1;
    return kyioFile(handle)->eof() ? 1 : 0;
}

int kyferror(FILE* handle) {
    if (handle == nullptr) return EINVAL;
    return kyioFile(handle)->crtErrorCode();
}

int kyvprintf(FILE* handle, const char* format, va_list args) { return formatNarrow(handle, format, args); }

int kyvwprintf(FILE* handle, const wchar_t* format, va_list args) { return formatWide(handle, format, args); }

int kyprintf(FILE* handle, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = formatNarrow(handle, format, args);
    va_end(args);
    return result;
}

int kywprintf(FILE* handle, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = formatWide(handle, format, args);
    va_end(args);
    return result;
}

int kyscanf(FILE*, const char*, ...) { return 0; }
