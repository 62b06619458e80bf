// SPDX-License-Identifier: MIT
// kyio: looks inside lib_kyio's embedded resources and reaches files through its interface.
#include "cli.h"

namespace {

using namespace kyio_tool;

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

int dispatch(const Arguments& args) {
    if (args.empty()) throw UsageError("missing COMMAND (see kyio --help)");
    const std::string& first = args[0];
    if (isHelp(first) || (first == "help" && args.size() == 1)) {
        printToolHelp();
        return 0;
    }
    if (first == "--version" || first == "-V") {
        printVersion();
        return 0;
    }
    if (first == "help") {
        const Command* command = findCommand(args[1]);
        if (command == nullptr || args.size() > 2) throw UsageError("help: expected one COMMAND (see kyio --help)");
        printCommandHelp(*command);
        return 0;
    }
    const Command* command = findCommand(first);
    if (command == nullptr) throw UsageError("unknown command '" + first + "' (see kyio --help)");
    const Arguments rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest) {
        if (isHelp(arg)) {
            printCommandHelp(*command);
            return 0;
        }
    }
    return command->run(rest);
}

}  // namespace

int main(int argc, char** argv) { return runTool(dispatch, argc, argv); }
