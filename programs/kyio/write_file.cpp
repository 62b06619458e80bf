// SPDX-License-Identifier: MIT
// write_file.cpp: files written whole or not at all, as install and rsync write them.
#include "cli.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace kyio_tool {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void cannotWrite(const std::string& path, int code) {
    throw Failure("cannot write " + path + ": " + errorText(code));
}

}  // namespace

bool writeAll(int fd, const void* data, size_t size) {
    const unsigned char* next = static_cast<const unsigned char*>(data);
    size_t left = size;
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

namespace {

// What is not a regular file (a pipe, a terminal, /dev/stdout) cannot be replaced: it is
// written in place.
void writeInPlace(const std::string& path, const Bytes& data) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) cannotWrite(path, errno);
    const bool written = writeAll(fd, data.data(), data.size());
    const int code = errno;
    if (::close(fd) != 0 && written) cannotWrite(path, errno);
    if (!written) cannotWrite(path, code);
}

// A file is written under a temporary name in its destination's folder and renamed over the
// destination only once every byte is there, so a full disk or a size limit leaves the old
// file as it was and no temporary file behind.
void replaceFile(const std::string& path, const Bytes& data, mode_t mode) {
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) cannotWrite(path, errno);
    bool done = writeAll(fd, data.data(), data.size()) && ::fchmod(fd, mode) == 0;
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

}  // namespace

void makeFolders(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) throw Failure("cannot create " + folder + ": " + error.message());
}

bool writeWholeFile(const std::string& path, const Bytes& data) {
    struct stat existing;
    if (::stat(path.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) cannotWrite(path, EISDIR);
        if (!S_ISREG(existing.st_mode)) {
            writeInPlace(path, data);
            return false;
        }
        replaceFile(path, data, existing.st_mode & 07777);
        return true;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    replaceFile(path, data, 0666 & ~mask);
    return true;
}

}  // namespace kyio_tool
