// SPDX-License-Identifier: MIT
// conv_backend_zlib.cpp: conv_uncompress through zlib's uncompress2.
#include "conv_backends.h"
#include "conv_uncompress.h"

#include <zlib.h>

#include <limits>

namespace kyconv {

// On a corrupt or truncated stream zlib leaves in *dest_len the bytes it produced before it
// stopped, all of them within the capacity.
int decodeWithZlib(unsigned char* dest, std::uint64_t* dest_len, const unsigned char* src,
                   std::uint64_t src_len) {
    static_assert(sizeof(uLongf) == sizeof(std::uint64_t), "zlib lengths must be 64 bits wide");
    uLongf out = *dest_len;
    uLong in = src_len;
    // uncompress2 dislikes a null destination even for a capacity of 0.
    unsigned char spare = 0;
    const int status = uncompress2(dest != nullptr ? dest : &spare, &out, src, &in);
    *dest_len = dest != nullptr ? out : 0;
    return status;
}

}  // namespace kyconv
