// SPDX-License-Identifier: MIT
// kyio: looks inside lib_kyio's embedded resources and reaches files through its interface.
#include "cli.h"

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

using kyio_tool::Arguments;

struct Command {
    const char* name;
    int (*run)(const Arguments&);
    const char* usage;
    const char* help;
};

const Command kCommands[] = {
    {"list", kyio_tool::listCommand, "list [--json]",
     "List the embedded resources: id, name as a host opens it, plain size, SHA-256\n"
     "(its first 16 hex digits; whole with --json, one JSON object a resource)."},
    {"cat", kyio_tool::catCommand, "cat NAME...",
     "Write each resource or disk file to standard output, in binary, as cat does."},
    {"extract", kyio_tool::extractCommand, "extract NAME DEST | extract --all DIR",
     "Write one resource to DEST, or all of them under DIR (fonts in DIR/fonts/)."},
    {"stat", kyio_tool::statCommand, "stat PATH",
     "Exit with 0 when PATH can be opened for reading (a resource or a disk file), else 1."},
    {"realpath", kyio_tool::realpathCommand, "realpath PATH",
     "Print PATH resolved: a resource name as it is, a disk name made absolute."},
    {"verify", kyio_tool::verifyCommand, "verify [--against DIR]",
     "Decode every resource, check that its name resolves to its id and that kyopen/kyread\n"
     "give the same bytes; print its SHA-256. With --against, compare with DIR/NAME too.\n"
     "Exit with 1 on any failure."},
};

void printHelp() {
    std::printf("usage: kyio COMMAND [ARGUMENTS]\n       kyio --help | --version\n\ncommands:\n");
    for (const Command& command : kCommands) std::printf("  kyio %s\n", command.usage);
    std::printf("\n'kyio COMMAND --help' describes a command. Exit status: 0 success, 1 failure, 2 usage.\n");
}

const Command* find(const char* name) {
    for (const Command& command : kCommands) {
        if (std::strcmp(command.name, name) == 0) return &command;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe then shows as EPIPE on a write, which the commands report.
    std::signal(SIGPIPE, SIG_IGN);
    const char* commandName = argc > 1 ? argv[1] : nullptr;
    try {
        if (commandName == nullptr) throw kyio_tool::UsageError("missing COMMAND (see kyio --help)");
        if (std::strcmp(commandName, "--help") == 0 || std::strcmp(commandName, "-h") == 0) {
            printHelp();
            kyio_tool::flushOut();
            return 0;
        }
        if (std::strcmp(commandName, "--version") == 0) {
            kyio_tool::printOut("kyio %s\n", KYIO_VERSION);
            kyio_tool::flushOut();
            return 0;
        }
        const Command* command = find(commandName);
        if (command == nullptr) {
            throw kyio_tool::UsageError(std::string("unknown command '") + commandName + "' (see kyio --help)");
        }
        const Arguments args(argv + 2, argv + argc);
        if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
            kyio_tool::printOut("usage: kyio %s\n\n%s\n", command->usage, command->help);
            kyio_tool::flushOut();
            return 0;
        }
        return command->run(args);
    } catch (const kyio_tool::UsageError& error) {
        std::fprintf(stderr, "kyio: %s\n", error.what());
        return 2;
    } catch (const kyio_tool::Failure& error) {
        std::fprintf(stderr, "kyio: %s\n", error.what());
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kyio: %s\n", error.what());
        return 1;
    }
}
