// SPDX-License-Identifier: MIT
// catalogue.cpp: building the name-to-id maps from the resource table.
#include "resources/cppresmanager.h"

namespace cpp_res {

CCPPResManager::CCPPResManager() : CCPPResManager(kResourceTable) {}

CCPPResManager::CCPPResManager(const ResourceTable& table) {
    for (unsigned int row = 0; row < table.count; ++row) {
        const wchar_t* name = table.names[row];
        const auto id = static_cast<EBinResData>(row + 1);
        // Only the first character decides; emplace keeps an earlier row with the same key.
        if (name[0] == L':') {
            m_colonNames.emplace(std::wstring(name + 1), id);
        } else {
            m_plainNames.emplace(std::wstring(name), id);
        }
    }
}

// Members go in reverse order of declaration: m_plainNames first, then m_colonNames.
CCPPResManager::~CCPPResManager() = default;

CCPPResManager& CCPPResManager::obj() {
    static CCPPResManager s_CPPResManager;
    return s_CPPResManager;
}

}  // namespace cpp_res
