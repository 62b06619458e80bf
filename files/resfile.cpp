// SPDX-License-Identifier: MIT
// resfile.cpp: CResFile, a read-only file over an embedded resource's decoded copy.
#include "kyio.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

constexpr size_t kSlackKept = 4096;

// A resource file is read-only: output is refused with EACCES (EINVAL when the object is not
// valid), nothing is written and the position stays.
int refuseOutput(const IFile& file, int& errorCode) {
    errorCode = EINVAL;
    if (file.isValid()) errorCode = EACCES;
    return 0;
}

}  // namespace

CResFile::CResFile(unsigned int id) : m_position(0), m_valid(false), m_errorCode(0) {
    unsigned int copy = id;
    m_valid = cpp_res::getFileData(copy, m_buffer, m_name);
    if (!m_valid) m_errorCode = ENOENT;
    // The store leaves the buffer as large as the resource's output capacity; where that is
    // far above the content (the stylesheet's), the object gives the slack back by a copy into
    // an exactly sized buffer: shrink_to_fit would swallow a failed allocation.
    if (m_buffer.capacity() - m_buffer.size() > kSlackKept) m_buffer = decltype(m_buffer)(m_buffer.begin(), m_buffer.end());
}

CResFile::~CResFile() = default;

size_t CResFile::read(void* buffer, size_t size, size_t count) {
    m_errorCode = EINVAL;
    if (!isValid()) return 0;
    m_errorCode = 0;

    const long length = static_cast<long>(m_buffer.size());
    const long available = std::max(length - m_position, 0L);
    // The request is the low 32 bits of the product, read as a signed number.
    const auto requested = static_cast<std::int32_t>(static_cast<std::uint32_t>(size * count));
    const long moved = std::min<long>(requested, available);
    if (moved < 1) return 0;

    // A reader that takes one character at a time is served without a call.
    const unsigned char* from = m_buffer.data() + m_position;
    if (moved == 1) {
        *static_cast<unsigned char*>(buffer) = *from;
    } else {
        std::memcpy(buffer, from, static_cast<size_t>(moved));
    }
    m_position += moved;
    return static_cast<size_t>(moved) / size;
}

int CResFile::seek(long offset, int origin) {
    m_errorCode = EINVAL;
    if (!isValid()) return 0;
    m_errorCode = 0;

    long base;
    switch (origin) {
    case SEEK_SET:
        base = 0;
        break;
    case SEEK_CUR:
        base = m_position;
        break;
    case SEEK_END:
        base = static_cast<std::int32_t>(m_buffer.size());
        break;
    default:
        m_errorCode = EINVAL;
        return -1;
    }
    // The base is never negative, so only a positive offset can overflow.
    long target;
    if (__builtin_add_overflow(base, offset, &target)) target = LONG_MAX;
    m_position = std::max(target, 0L);
    return 0;
}

long CResFile::tell() {
    m_errorCode = EINVAL;
    if (!isValid()) return 0;
    m_errorCode = 0;
    return m_position;
}

size_t CResFile::write(void*, size_t, size_t) { return refuseOutput(*this, m_errorCode); }

int CResFile::vprintf(const char*, va_list) { return refuseOutput(*this, m_errorCode); }

int CResFile::vwprintf(const wchar_t*, va_list) { return refuseOutput(*this, m_errorCode); }

CResFile* CResFile::create(const wchar_t* name) {
    // A name the catalogue does not hold gives an id the store refuses, so the object is invalid.
    std::unique_ptr<IFile> file(new CResFile(cpp_res::getFileId(name, true)));
    if (!file->isValid()) return nullptr;
    return static_cast<CResFile*>(file.release());
}

CResFile* CResFile::create(const char* name) {
    if (name == nullptr) return nullptr;
    constexpr size_t kLimit = 1024;
    const size_t length = strnlen(name, kLimit);
    if (length == 0 || length >= kLimit) return nullptr;

    std::wstring wide(length, L'\0');
    std::transform(name, name + length, wide.begin(), [](char c) { return static_cast<wchar_t>(static_cast<signed char>(c)); });
    return create(wide.c_str());
}
