// SPDX-License-Identifier: MIT
// run.h: runs a shell command as a user would and collects what it printed.
#ifndef KYIO_TESTS_SUPPORT_RUN_H
#define KYIO_TESTS_SUPPORT_RUN_H

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace kyio_test {

struct Outcome {
    int status;          // the exit status, -1 when the command did not exit normally
    std::string output;  // standard output, and standard error unless the command redirects it
};

inline Outcome run(const std::string& command, bool withStderr = true) {
    Outcome outcome{-1, ""};
    std::FILE* pipe = popen((command + (withStderr ? " 2>&1" : "")).c_str(), "r");
    if (pipe == nullptr) return outcome;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.output.append(buffer, n);
    const int raw = pclose(pipe);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return outcome;
}

inline std::string quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace kyio_test

#endif
