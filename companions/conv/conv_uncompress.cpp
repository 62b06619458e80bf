// SPDX-License-Identifier: MIT
// conv_uncompress.cpp: the exported entry points, dispatching to the chosen backend.
#include "conv_uncompress.h"

#include "conv_backends.h"

#include <atomic>

#ifndef KYCONV_DEFAULT_BACKEND
#error "KYCONV_DEFAULT_BACKEND must name the configured decoder"
#endif

namespace {

std::atomic<conv_backend> g_backend{KYCONV_DEFAULT_BACKEND};

kyconv::Decoder decoderFor(conv_backend backend) {
    switch (backend) {
    case CONV_BACKEND_LIBDEFLATE:
        return kyconv::decodeWithLibdeflate;
    case CONV_BACKEND_ZLIB:
        return kyconv::decodeWithZlib;
    }
    return nullptr;
}

}  // namespace

extern "C" int conv_uncompress(unsigned char* dest, uint64_t* dest_len, const unsigned char* src,
                               uint64_t src_len) {
    return decoderFor(g_backend.load(std::memory_order_relaxed))(dest, dest_len, src, src_len);
}

extern "C" int conv_set_backend(conv_backend backend) {
    if (decoderFor(backend) == nullptr) return 0;
    g_backend.store(backend, std::memory_order_relaxed);
    return 1;
}

extern "C" conv_backend conv_get_backend(void) { return g_backend.load(std::memory_order_relaxed); }

extern "C" const char* conv_backend_name(conv_backend backend) {
    switch (backend) {
    case CONV_BACKEND_LIBDEFLATE:
        return "libdeflate";
    case CONV_BACKEND_ZLIB:
        return "zlib";
    }
    return "";
}
