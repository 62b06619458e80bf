// SPDX-License-Identifier: MIT
// run_converter.cpp: `kyio docx2html` hands its arguments to the converter.
#include "cli.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

namespace kyio_tool {

int docx2htmlCommand(const Arguments& args) {
    // The converter lies where the installation (and the build tree) puts it, relative to
    // this executable.
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) throw Failure("docx2html: cannot find the tool's own path: " + errorText(errno));
    const std::string path(self, static_cast<size_t>(length));
    const std::string converter = path.substr(0, path.rfind('/') + 1) + KYIO_CONVERTER_FROM_TOOL;

    std::vector<char*> argv{const_cast<char*>(converter.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    flushOut();
    execv(converter.c_str(), argv.data());
    throw Failure("docx2html: cannot run the converter " + converter + ": " + errorText(errno));
}

}  // namespace kyio_tool
