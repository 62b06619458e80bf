// SPDX-License-Identifier: MIT
// extract.cpp: resources to disk, each written whole or not at all.
#include "cli.h"

#include "kyio.h"

#include <filesystem>
#include <memory>

namespace kyio_tool {
namespace {

namespace fs = std::filesystem;

// Reports what it wrote, except into a stream such as /dev/stdout, where the report would
// mix with the content.
void extractTo(const Resource& resource, const std::string& destination) {
    if (writeWholeFile(destination, resource.data)) {
        printOut("wrote %s (%zu bytes) to %s\n", resource.name.c_str(), resource.data.size(), destination.c_str());
    }
}

// The one resource that name reaches, by the same rules (and length limit) as kyopen.
Resource resourceNamed(const std::string& name) {
    const std::unique_ptr<IFile> file(CResFile::create(name.c_str()));
    if (!file) throw Failure(name + " is not an embedded resource");
    const std::wstring tableName = file->name();
    Resource resource{cpp_res::getFileId(tableName.c_str() + 1, false), std::string(tableName.begin() + 1, tableName.end()), {}};
    unsigned char chunk[16384];
    size_t got;
    while ((got = file->read(chunk, 1, sizeof chunk)) > 0) resource.data.insert(resource.data.end(), chunk, chunk + got);
    return resource;
}

}  // namespace

int extractCommand(const Arguments& args) {
    if (args.size() != 2) throw UsageError("extract: expected NAME DEST, or --all DIR");
    if (args[0] == "--all") {
        const std::vector<Resource> resources = embeddedResources();
        for (const Resource& resource : resources) {
            const fs::path destination = fs::path(args[1]) / resource.name;
            makeFolders(destination.parent_path().string());
            extractTo(resource, destination.string());
        }
        printOut("extracted %zu resources to %s\n", resources.size(), args[1].c_str());
        return 0;
    }
    const Resource resource = resourceNamed(args[0]);
    if (args[1] == "-") {
        writeOut(resource.data.data(), resource.data.size());
        return 0;
    }
    std::error_code error;
    if (fs::is_directory(args[1], error)) {
        extractTo(resource, (fs::path(args[1]) / fs::path(resource.name).filename()).string());
    } else {
        extractTo(resource, args[1]);
    }
    return 0;
}

}  // namespace kyio_tool
