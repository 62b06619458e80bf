// SPDX-License-Identifier: MIT
// resources.cpp: the embedded resources as the tool reads them, one by name or all in order.
#include "cli.h"

#include "kyio.h"
#include "resource_manifest.h"

#include <memory>

namespace kyio_tool {

// The one resource that name reaches, by the same rules (and length limit) as kyopen.
Resource readResource(const std::string& name) {
    const std::unique_ptr<IFile> file(CResFile::create(name.c_str()));
    if (!file) throw Failure(name + " is not an embedded resource");
    const std::wstring tableName = file->name();
    Resource resource{cpp_res::getFileId(tableName.c_str() + 1, false), std::string(tableName.begin() + 1, tableName.end()), {}};
    unsigned char chunk[16384];
    for (size_t got; (got = file->read(chunk, 1, sizeof chunk)) > 0;) {
        resource.data.insert(resource.data.end(), chunk, chunk + got);
        // No resource is larger than the largest capacity: more means a read that never ends.
        if (resource.data.size() > kyio_manifest::kLargestCapacity) throw Failure("cannot read " + name + ": it does not end");
    }
    return resource;
}

std::vector<Resource> embeddedResources() {
    std::vector<Resource> resources;
    for (unsigned int id = 1;; ++id) {
        Resource resource{id, "", {}};
        std::wstring tableName;
        if (!cpp_res::getFileData(id, resource.data, tableName)) break;
        // Table names are ASCII, with a leading ':' that a host does not write.
        for (std::size_t i = tableName[0] == L':' ? 1 : 0; i < tableName.size(); ++i) {
            resource.name.push_back(static_cast<char>(tableName[i]));
        }
        resources.push_back(std::move(resource));
    }
    return resources;
}

}  // namespace kyio_tool
