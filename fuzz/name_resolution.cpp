// SPDX-License-Identifier: MIT
// cpp_res::getFileId against a model: normalising turns '\' into '/' and folds A-Z (the C locale);
// the key, or else its part after the last separator, must equal a table name without its ':'.
// Input: a flag byte (bit 0: normalise; bit 1: the rest is narrow bytes, else 32-bit code points).
#include "kyio.h"

#include <cstring>

namespace {

// The table's names without their ':', by id - 1.
std::vector<std::wstring> tableNames() {
    std::vector<std::wstring> list;
    std::vector<unsigned char> data;
    std::wstring name;
    for (unsigned int id = 1; cpp_res::getFileData(id, data, name); ++id) list.push_back(name.substr(1));
    return list;
}

unsigned int idOf(const std::wstring& key) {
    static const std::vector<std::wstring> names = tableNames();
    for (unsigned int id = 1; id <= names.size(); ++id) {
        if (names[id - 1] == key) return id;
    }
    return cpp_res::kNoResource;
}

unsigned int modelId(std::wstring key, bool normalise) {
    std::size_t separator = std::wstring::npos;
    for (std::size_t i = 0; normalise && i < key.size(); ++i) {
        if (key[i] == L'\\' || key[i] == L'/') {
            key[i] = L'/';
            separator = i;
        } else if (key[i] >= L'A' && key[i] <= L'Z') {
            key[i] = static_cast<wchar_t>(key[i] - L'A' + L'a');
        }
    }
    const unsigned int whole = idOf(key);
    if (whole != cpp_res::kNoResource || separator == std::wstring::npos) return whole;
    return idOf(key.substr(separator + 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool normalise = (data[0] & 1) != 0;
    std::wstring request;
    if ((data[0] & 2) != 0) {
        for (std::size_t i = 1; i < size && data[i] != 0; ++i) {
            request.push_back(static_cast<wchar_t>(static_cast<signed char>(data[i])));
        }
    } else {
        for (std::size_t i = 1; i + 4 <= size; i += 4) {
            std::int32_t code;
            std::memcpy(&code, data + i, 4);
            if (code == 0) break;
            request.push_back(static_cast<wchar_t>(code));
        }
    }
    if (cpp_res::getFileId(request.c_str(), normalise) != modelId(request, normalise)) std::abort();
    return 0;
}
