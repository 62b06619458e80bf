// SPDX-License-Identifier: MIT
// payload.cpp: turning a resource's stored bytes back into its plain content.
#include "resources/cppresmanager.h"

#include "conv_uncompress.h"

#include <cstdint>

namespace cpp_res {

bool decodeResource(const ResourceTable& table, unsigned int id, std::vector<unsigned char>& data,
                    std::wstring& name) {
    if (id == 0 || id > table.count) {
        data.clear();
        name.clear();
        return false;
    }
    const StoredPayload& payload = table.payloads[id - 1];
    std::vector<unsigned char> scratch(payload.begin, payload.end);
    name = table.names[id - 1];
    for (unsigned char& byte : scratch) byte ^= CCPPResManager::s_xor;

    data.resize(payload.capacity);
    std::uint64_t written = payload.capacity;
    // A failed decode is not reported: the content is whatever the decompressor counted.
    conv_uncompress(data.data(), &written, scratch.data(), scratch.size());
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
