// SPDX-License-Identifier: MIT
// conv_backend_libdeflate.cpp: conv_uncompress through libdeflate's zlib decompressor.
#include "conv_backends.h"
#include "conv_uncompress.h"

#include <libdeflate.h>

#include <memory>

namespace kyconv {
namespace {

struct DecompressorDeleter {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

// libdeflate decodes a whole buffer in one call and reports no partial count, so on any
// failure *dest_len is set to 0, although the destination may hold scratch output up to the
// capacity (never beyond it).
int decodeWholeBuffer(unsigned char* dest, std::uint64_t* dest_len, const unsigned char* src,
                      std::uint64_t src_len) {
    // A decompressor is a few kilobytes of tables that one call at a time may use: one per
    // thread keeps the calls lock-free.
    thread_local std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> decompressor(
        libdeflate_alloc_decompressor());
    if (!decompressor) {
        *dest_len = 0;
        return CONV_MEM_ERROR;
    }
    size_t written = 0;
    const libdeflate_result result = libdeflate_zlib_decompress(
        decompressor.get(), src, src_len, dest, *dest_len, &written);
    switch (result) {
    case LIBDEFLATE_SUCCESS:
        *dest_len = written;
        return CONV_OK;
    case LIBDEFLATE_INSUFFICIENT_SPACE:
        *dest_len = 0;
        return CONV_BUF_ERROR;
    default:
        *dest_len = 0;
        return CONV_DATA_ERROR;
    }
}

}  // namespace

const Decoder decodeWithLibdeflate = decodeWholeBuffer;

}  // namespace kyconv
