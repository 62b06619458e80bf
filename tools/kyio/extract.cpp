// SPDX-License-Identifier: MIT
// extract.cpp: resources to disk, each written whole or not at all.
#include "cli.h"

#include "kyio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>

namespace kyio_tool {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void cannotWrite(const std::string& path, int code) {
    throw Failure("cannot write " + path + ": " + errorText(code));
}

// Writes all of data, or returns false with errno saying why.
bool writeAll(int fd, const std::vector<unsigned char>& data) {
    const unsigned char* next = data.data();
    size_t left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        next += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// What is not a regular file (a pipe, a terminal, /dev/stdout) cannot be replaced: it is
// written in place.
void writeInPlace(const std::string& path, const std::vector<unsigned char>& data) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) cannotWrite(path, errno);
    const bool written = writeAll(fd, data);
    const int code = errno;
    if (::close(fd) != 0 && written) cannotWrite(path, errno);
    if (!written) cannotWrite(path, code);
}

// A file is written under a temporary name in its destination's folder and renamed over the
// destination only once every byte is there, so a full disk or a size limit leaves the old
// file as it was and no temporary file behind.
void replaceFile(const std::string& path, const std::vector<unsigned char>& data, mode_t mode) {
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) cannotWrite(path, errno);
    bool done = writeAll(fd, data) && ::fchmod(fd, mode) == 0;
    int code = errno;
    if (::close(fd) != 0 && done) {
        done = false;
        code = errno;
    }
    if (done && ::rename(temporary.c_str(), path.c_str()) != 0) {
        done = false;
        code = errno;
    }
    if (!done) {
        ::unlink(temporary.c_str());
        cannotWrite(path, code);
    }
}

// Reports what it wrote, except into a stream such as /dev/stdout, where the report would
// mix with the content.
void extractTo(const Resource& resource, const std::string& destination) {
    struct stat existing;
    if (::stat(destination.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) cannotWrite(destination, EISDIR);
        if (!S_ISREG(existing.st_mode)) return writeInPlace(destination, resource.data);
        replaceFile(destination, resource.data, existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        replaceFile(destination, resource.data, 0666 & ~mask);
    }
    printOut("wrote %s (%zu bytes) to %s\n", resource.name.c_str(), resource.data.size(), destination.c_str());
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
            std::error_code error;
            fs::create_directories(destination.parent_path(), error);
            if (error) throw Failure("cannot create " + destination.parent_path().string() + ": " + error.message());
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
