// SPDX-License-Identifier: MIT
// sha256.cpp: SHA-256 through nettle, as lowercase hex.
#include "sha256.h"

#include <nettle/sha2.h>

namespace kyio_tool {

std::string sha256Hex(const unsigned char* data, std::size_t size) {
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, size, data);
    unsigned char digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, sizeof digest, digest);
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char byte : digest) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 0xF];
    }
    return hex;
}

}  // namespace kyio_tool
