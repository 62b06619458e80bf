// SPDX-License-Identifier: MIT
// conv_uncompress.h: the compression companion's decompressor, with zlib's uncompress contract.
#ifndef KYCONV_CONV_UNCOMPRESS_H
#define KYCONV_CONV_UNCOMPRESS_H

#include <stdint.h>

// KYCONV_API marks what lib_kyconv exports: its build defines it to default visibility.
#ifndef KYCONV_API
#define KYCONV_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Status codes of conv_uncompress; the values are zlib's. */
#define CONV_OK 0
#define CONV_DATA_ERROR (-3)
#define CONV_MEM_ERROR (-4)
#define CONV_BUF_ERROR (-5)

/*
 * conv_uncompress() decompresses the zlib stream (RFC 1950) of src_len bytes at src into dest.
 * On entry *dest_len is the capacity of dest; on return it holds the number of bytes written,
 * which always start at dest. Nothing is written past the capacity. Returns CONV_OK, or one of
 * the error codes above when the stream is corrupt, truncated or larger than the capacity; what
 * *dest_len then holds depends on the backend (see conv_backend). Thread-safe.
 */
KYCONV_API int conv_uncompress(unsigned char* dest, uint64_t* dest_len, const unsigned char* src,
                               uint64_t src_len);

/* The decoders that can stand behind conv_uncompress. */
typedef enum conv_backend {
    CONV_BACKEND_LIBDEFLATE = 0,
    CONV_BACKEND_ZLIB = 1
} conv_backend;

/*
 * conv_set_backend() makes conv_uncompress use the given decoder from now on, in every thread.
 * Returns 1, or 0 (and changes nothing) when that decoder was not built in. The default is the
 * one chosen when the companion was configured (KYIO_DECOMPRESSOR).
 */
KYCONV_API int conv_set_backend(conv_backend backend);

/* conv_get_backend() returns the decoder that conv_uncompress uses now. */
KYCONV_API conv_backend conv_get_backend(void);

/* conv_backend_name() returns "libdeflate" or "zlib", or "" for a value that is neither. */
KYCONV_API const char* conv_backend_name(conv_backend backend);

#ifdef __cplusplus
}
#endif

#endif
