// SPDX-License-Identifier: MIT
// conv_backends.h: the decoders behind conv_uncompress, private to the companion.
#ifndef KYCONV_CONV_BACKENDS_H
#define KYCONV_CONV_BACKENDS_H

#include <cstdint>

namespace kyconv {

using Decoder = int (*)(unsigned char* dest, std::uint64_t* dest_len, const unsigned char* src,
                        std::uint64_t src_len);

int decodeWithZlib(unsigned char* dest, std::uint64_t* dest_len, const unsigned char* src,
                   std::uint64_t src_len);

// Null when the companion was configured without libdeflate.
extern const Decoder decodeWithLibdeflate;

}  // namespace kyconv

#endif
