// SPDX-License-Identifier: MIT
// payload.cpp: turning a resource's stored bytes back into its plain content.
#include "resources/cppresmanager.h"

#include "conv_uncompress.h"

#include <cstdint>
#include <cstring>
#include <memory>

namespace cpp_res {
namespace {

// Copies size bytes from stored to plain, XORing each with key. Sixteen bytes go through two
// machine words per step, so that the loop costs about what a copy costs, with or without the
// optimiser; fixed-size memcpy keeps the unaligned loads and stores well-defined.
void unscramble(unsigned char* plain, const unsigned char* stored, std::size_t size,
                unsigned char key) {
    const std::uint64_t wideKey = 0x0101010101010101ULL * key;
    const std::size_t wholeSteps = size / 16 * 16;
    std::size_t i = 0;
    for (; i < wholeSteps; i += 16) {
        std::uint64_t words[2];
        std::memcpy(words, stored + i, sizeof words);
        words[0] ^= wideKey;
        words[1] ^= wideKey;
        std::memcpy(plain + i, words, sizeof words);
    }
    for (; i < size; ++i) plain[i] = stored[i] ^ key;
}

}  // namespace

bool decodeResource(const ResourceTable& table, unsigned int id, std::vector<unsigned char>& data,
                    std::wstring& name) {
    if (id == 0 || id > table.count) {
        data.clear();
        name.clear();
        return false;
    }
    const StoredPayload& payload = table.payloads[id - 1];
    const auto storedSize = static_cast<std::size_t>(payload.end - payload.begin);
    // Left uninitialised: every byte is written by the unscrambling copy.
    const std::unique_ptr<unsigned char[]> scratch(new unsigned char[storedSize]);
    name = table.names[id - 1];
    unscramble(scratch.get(), payload.begin, storedSize, CCPPResManager::s_xor);

    data.resize(payload.capacity);
    std::uint64_t written = payload.capacity;
    // A failed decode is not reported: the content is whatever the decompressor counted.
    conv_uncompress(data.data(), &written, scratch.get(), storedSize);
    data.resize(static_cast<std::size_t>(written));
    return true;
}

bool CCPPResManager::getFileData(unsigned int& id, std::vector<unsigned char>& data,
                                 std::wstring& name) const {
    return decodeResource(kResourceTable, id, data, name);
}

bool getFileData(unsigned int& id, std::vector<unsigned char>& data, std::wstring& name) {
    return CCPPResManager::obj().getFileData(id, data, name);
}

bool getFileData(const wchar_t* name, std::vector<unsigned char>& data, std::wstring& outName,
                 bool normalise) {
    unsigned int id = getFileId(name, normalise);
    if (id == kNoResource) return false;
    return getFileData(id, data, outName);
}

}  // namespace cpp_res
