// SPDX-License-Identifier: MIT
// sha256.h: SHA-256 of a byte buffer, as lowercase hex.
#ifndef KYIO_PROGRAMS_SHA256_H
#define KYIO_PROGRAMS_SHA256_H

#include <cstddef>
#include <string>

namespace kyio_tool {

std::string sha256Hex(const unsigned char* data, std::size_t size);

}  // namespace kyio_tool

#endif
