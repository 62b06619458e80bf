// SPDX-License-Identifier: MIT
// cppresmanager.h: the resource catalogue, the process-wide map from names to ids.
#ifndef KYIO_RESOURCES_CPPRESMANAGER_H
#define KYIO_RESOURCES_CPPRESMANAGER_H

#ifndef KYIO_BUILDING_LIBRARY
#error "resources/cppresmanager.h is internal to lib_kyio; hosts include kyio.h"
#endif

#include "io/kyio.h"
#include "resources/resource_table.h"

#include <map>
#include <string>
#include <vector>

namespace cpp_res {

// The catalogue of the embedded resources. Its maps are filled once, by the constructor, and
// only read afterwards, so any number of threads may use a built instance without a lock.
class CCPPResManager {
public:
    using NameMap = std::map<std::wstring, EBinResData>;

    // Table names that begin with ':', without it; searched whole and by a request's last
    // path component.
    NameMap m_colonNames;
    // Table names without a leading ':'; searched whole only.
    NameMap m_plainNames;

    // The key with which every stored payload is scrambled.
    KYIO_API static const unsigned char s_xor;

    // Builds the catalogue of the embedded table.
    KYIO_API CCPPResManager();
    // Builds the catalogue of any table of the same shape; on equal keys the lower id wins.
    explicit CCPPResManager(const ResourceTable& table);
    KYIO_API ~CCPPResManager();

    CCPPResManager(const CCPPResManager&) = delete;
    CCPPResManager& operator=(const CCPPResManager&) = delete;

    // The one instance, built on the first call under the run-time's guard.
    KYIO_API static CCPPResManager& obj();

    KYIO_API unsigned int getFileId(const wchar_t* name, bool normalise) const;
    KYIO_API bool getFileData(unsigned int& id, std::vector<unsigned char>& data,
                              std::wstring& name) const;
};

// Decodes row id of table into data and sets name to the row's name; false for an id the
// table does not hold, with both outputs emptied.
bool decodeResource(const ResourceTable& table, unsigned int id, std::vector<unsigned char>& data,
                    std::wstring& name);

}  // namespace cpp_res

#endif
