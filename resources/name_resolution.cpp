// SPDX-License-Identifier: MIT
// name_resolution.cpp: turning a requested resource name into an id.
#include "resources/cppresmanager.h"

#include <cctype>

namespace cpp_res {
namespace {

// The C library's tolower for the codes its tables cover (those of a signed or unsigned char);
// every other code is left as it is.
wchar_t foldCase(wchar_t c) {
    if (c < -128 || c > 255) return c;
    return static_cast<wchar_t>(std::tolower(static_cast<int>(c)));
}

}  // namespace

unsigned int CCPPResManager::getFileId(const wchar_t* name, bool normalise) const {
    if (name == nullptr) return kNoResource;

    std::wstring key(name);
    std::wstring::size_type lastSeparator = std::wstring::npos;
    if (normalise) {
        // Backslashes become slashes and the rest is folded, which leaves a slash as it is.
        for (wchar_t& c : key) c = c == L'\\' ? L'/' : foldCase(c);
        lastSeparator = key.rfind(L'/');
    }

    auto found = m_plainNames.find(key);
    if (found != m_plainNames.end()) return found->second;
    found = m_colonNames.find(key);
    if (found != m_colonNames.end()) return found->second;

    // npos + 1 is 0: without a separator the tail is the whole key, looked for once more.
    found = m_colonNames.find(key.substr(lastSeparator + 1));
    return found != m_colonNames.end() ? static_cast<unsigned int>(found->second) : kNoResource;
}

unsigned int getFileId(const wchar_t* name, bool normalise) {
    return CCPPResManager::obj().getFileId(name, normalise);
}

}  // namespace cpp_res
