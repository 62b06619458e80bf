// SPDX-License-Identifier: MIT
// output.cpp: checked writes to standard output.
#include "cli.h"


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

}  // namespace kyio_tool
