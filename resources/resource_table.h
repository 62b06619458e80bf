// SPDX-License-Identifier: MIT
// resource_table.h: the shape of the generated resource table.
#ifndef KYIO_RESOURCES_RESOURCE_TABLE_H
#define KYIO_RESOURCES_RESOURCE_TABLE_H

#ifndef KYIO_BUILDING_LIBRARY
#error "resources/resource_table.h is internal to lib_kyio; hosts include kyio.h"
#endif

#include <cstddef>

namespace cpp_res {

// One resource's stored bytes (compressed, then XORed with s_xor) and the bound on its plain size.
struct StoredPayload {
    const unsigned char* begin;
    const unsigned char* end;
    std::size_t capacity;
};

// Row id - 1 of each array describes resource id. The names are held once, here, so that the
// catalogue and the retrieval hand out the same text.
struct ResourceTable {
    const wchar_t* const* names;
    const StoredPayload* payloads;
    unsigned int count;
};

// The table of the 28 embedded resources, generated with the build.
extern const ResourceTable kResourceTable;

}  // namespace cpp_res

#endif
