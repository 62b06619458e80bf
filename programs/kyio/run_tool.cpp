// SPDX-License-Identifier: MIT
// run_tool.cpp: what every process of the tool does around its command.
#include "cli.h"

#include <csignal>
#include <cstdio>

namespace kyio_tool {

int runTool(int (*command)(const Arguments&), int argc, char** argv) {
    // A reader that goes away ends the tool by SIGPIPE, as it ends cat, even when the caller
    // handed down an ignored signal; a write that still meets EPIPE ends it quietly too.
    std::signal(SIGPIPE, SIG_DFL);
    // A file-size limit makes a write fail with EFBIG, which the commands report and clean
    // up after, instead of killing the tool half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        const int status = command(Arguments(argv + 1, argv + argc));
        flushOut();
        return status;
    } catch (const BrokenPipe&) {
        return 128 + SIGPIPE;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "kyio: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kyio: %s\n", error.what());
        return 1;
    }
}

}  // namespace kyio_tool
