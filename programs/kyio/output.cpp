// SPDX-License-Identifier: MIT
// output.cpp: checked writes to standard output, and the list of embedded resources.
#include "cli.h"

#include "kyio.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

namespace kyio_tool {
namespace {

[[noreturn]] void writeFailed() {
    if (errno == EPIPE) throw BrokenPipe();
    throw Failure("write error on standard output: " + errorText(errno));
}

}  // namespace

std::string errorText(int code) { return std::strerror(code); }

void writeOut(const void* data, std::size_t size) {
    if (size > 0 && std::fwrite(data, 1, size, stdout) != size) writeFailed();
}

void printOut(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int written = std::vfprintf(stdout, format, args);
    va_end(args);
    if (written < 0) writeFailed();
}

void flushOut() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) writeFailed();
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
