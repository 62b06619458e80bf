// SPDX-License-Identifier: MIT
// conv_uncompress with each decoder on any input: nothing is written past the capacity (a guard
// region follows the buffer), the length never exceeds it, and accepting decoders agree.
// Input: two bytes of capacity (little-endian), then the stream.
#include "conv_uncompress.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t kGuard = 64;
constexpr unsigned char kFill = 0xA5;

void require(bool condition) {
    if (!condition) std::abort();
}

// The decoded bytes, or none when the decoder reports a failure.
std::vector<unsigned char> decode(conv_backend backend, std::size_t capacity, const std::uint8_t* source, std::size_t size) {
    require(conv_set_backend(backend) == 1);
    std::vector<unsigned char> buffer(capacity + kGuard, kFill);
    std::uint64_t length = capacity;
    const bool decoded = conv_uncompress(buffer.data(), &length, source, size) == CONV_OK;
    require(length <= capacity);
    for (std::size_t i = capacity; i < buffer.size(); ++i) require(buffer[i] == kFill);
    buffer.resize(decoded ? static_cast<std::size_t>(length) : 0);
    return buffer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t capacity = data[0] | (std::size_t{data[1]} << 8);
    const auto zlib = decode(CONV_BACKEND_ZLIB, capacity, data + 2, size - 2);
    const auto libdeflate = decode(CONV_BACKEND_LIBDEFLATE, capacity, data + 2, size - 2);
    // Where both decoders accept the stream they must agree (an empty result stands for a failure).
    require(zlib.empty() || libdeflate.empty() || zlib == libdeflate);
    return 0;
}
