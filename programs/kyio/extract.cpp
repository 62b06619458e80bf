// SPDX-License-Identifier: MIT
// extract.cpp: resources to disk, each written whole or not at all.
#include "cli.h"


#include <filesystem>

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
    const Resource resource = readResource(args[0]);
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
