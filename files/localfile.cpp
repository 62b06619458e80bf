// SPDX-License-Identifier: MIT
// localfile.cpp: CLocalFile, straight through to the C library's streams.
#include "kyio.h"

#include <cerrno>
#include <cwchar>

namespace {

// The validity gate: a valid object makes the C library call; one without a stream reports
// EINVAL and the operation's failure value.
template <typename Result, typename Call>
Result throughStream(const IFile& file, Result failure, Call call) {
    if (!file.isValid()) {
        errno = EINVAL;
        return failure;
    }
    return call();
}

}  // namespace

CLocalFile::CLocalFile(const char* path, const char* mode) : m_stream(std::fopen(path, mode)) {}

CLocalFile::~CLocalFile() {
    if (m_stream != nullptr) std::fclose(m_stream);
}

int CLocalFile::crtErrorCode() const { return errno; }

size_t CLocalFile::read(void* buffer, size_t size, size_t count) {
    return throughStream(*this, size_t{0}, [&] { return std::fread(buffer, size, count, m_stream); });
}

size_t CLocalFile::write(void* buffer, size_t size, size_t count) {
    return throughStream(*this, size_t{0}, [&] { return std::fwrite(buffer, size, count, m_stream); });
}

int CLocalFile::vprintf(const char* format, va_list args) {
    return throughStream(*this, 0, [&] { return std::vfprintf(m_stream, format, args); });
}

int CLocalFile::vwprintf(const wchar_t* format, va_list args) {
    return throughStream(*this, 0, [&] { return std::vfwprintf(m_stream, format, args); });
}

int CLocalFile::seek(long offset, int origin) {
    return throughStream(*this, -1, [&] { return std::fseek(m_stream, offset, origin); });
}

long CLocalFile::tell() {
    return throughStream(*this, -1L, [&] { return std::ftell(m_stream); });
}
