// SPDX-License-Identifier: MIT
// ifile.cpp: the file interface's out-of-line parts, which anchor its vtable and type
// information in lib_kyio.so.
#include "kyio.h"

#include <algorithm>
#include <cstdint>

IFile::IFile() = default;

IFile::~IFile() = default;

int IFile::copy(const char* path) {
    // Without a destination the object is left as it is: neither repositioned nor read.
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return EOF;

    seek(0, SEEK_SET);
    // Zeroed, so that a host read that claims more than it filled writes zeros, not stack bytes.
    unsigned char chunk[1024] = {};
    size_t got;
    while ((got = read(chunk, 1, sizeof chunk)) == sizeof chunk) std::fwrite(chunk, 1, got, out);
    // A host's read may answer with a negative count, or with more than was asked; neither
    // may reach fwrite as a length past the chunk.
    const std::int32_t tail = static_cast<std::int32_t>(got);
    std::fwrite(chunk, 1, static_cast<size_t>(std::clamp<std::int32_t>(tail, 0, sizeof chunk)), out);
    return std::fclose(out);
}
