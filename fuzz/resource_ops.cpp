// SPDX-License-Identifier: MIT
// Stream calls on a resource handle against a model: reads move min(available, the low 32 bits of
// size * count, signed), seeks clamp at the start and may pass the end, output fails with EACCES.
// Input: a byte choosing the resource, then 9 bytes a call: an opcode byte and two 32-bit words.
#include "kyio.h"
#include "resource_manifest.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

struct Model {
    std::vector<unsigned char> content;
    std::int64_t position = 0;  // never negative
    int error = 0;
    std::int64_t length() const { return static_cast<std::int64_t>(content.size()); }
};

unsigned char g_buffer[1 << 20];

void checkRead(FILE* handle, Model& model, std::uint32_t size, std::uint32_t count) {
    const std::int32_t requested = static_cast<std::int32_t>(static_cast<std::uint32_t>(std::uint64_t{size} * count));
    const std::int64_t available = model.position < model.length() ? model.length() - model.position : 0;
    const std::int64_t moved = requested < available ? requested : available;
    const size_t got = kyread(g_buffer, size, count, handle);
    require(errno == 0 && got == (moved < 1 ? 0 : static_cast<size_t>(moved) / size));
    if (moved < 1) return;
    require(std::memcmp(g_buffer, model.content.data() + model.position, moved) == 0);
    model.position += moved;
}

// A bad origin fails the argument check before the file is called: its own code stays.
void checkSeek(FILE* handle, Model& model, std::int64_t offset, int whence) {
    const int result = kyseek(handle, static_cast<long>(offset), whence);
    const bool badOrigin = static_cast<unsigned>(whence) > SEEK_END;
    require(badOrigin ? result == -1 && errno == EINVAL : result == 0 && errno == 0);
    if (badOrigin) {
        errno = model.error;
        return;
    }
    const std::int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? model.position : model.length();
    // base is never negative, so only a positive offset can pass LONG_MAX.
    const std::int64_t target = offset > 0 && base > LONG_MAX - offset ? LONG_MAX : base + offset;
    model.position = target < 0 ? 0 : target;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Model model;
    std::wstring tableName;
    unsigned int id = data[0] % kyio_manifest::kResourceCount + 1;
    require(cpp_res::getFileData(id, model.content, tableName));
    FILE* handle = kyopen(std::string(tableName.begin() + 1, tableName.end()).c_str(), "rb");

    for (std::size_t at = 1; at + 9 <= size; at += 9) {
        std::uint32_t a, b;
        std::memcpy(&a, data + at + 1, 4);
        std::memcpy(&b, data + at + 5, 4);
        const int opcode = data[at] % 8;
        errno = 12345;
        switch (opcode) {
        case 0: checkRead(handle, model, a, b); break;
        case 1: checkRead(handle, model, a % 64, b % 4096); break;
        case 2: checkSeek(handle, model, static_cast<std::int32_t>(a), static_cast<int>(data[at] >> 3) % 5 - 1); break;
        case 3: checkSeek(handle, model, static_cast<std::int64_t>((std::uint64_t{b} << 32) | a), static_cast<int>(data[at] >> 3) % 3); break;
        case 4: require(kytell(handle) == static_cast<long>(model.position) && errno == 0); break;
        case 5: require(kywrite(g_buffer, 1, a % 16, handle) == 0 && errno == EACCES); break;
        case 6: require(kyprintf(handle, "%u", a) == 0 && errno == EACCES); break;
        case 7:
            require(kyeof(handle) == (model.position >= model.length() ? 1 : 0) && errno == 12345);
            require(kyferror(handle) == model.error && errno == 12345);
            break;
        }
        if (opcode != 7) model.error = errno;
    }
    require(kyclose(handle) == 0 && errno == 0);
    return 0;
}
