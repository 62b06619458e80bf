// SPDX-License-Identifier: MIT
// cli.h: what the kyio commands share: their errors, checked output, and the resource list.
#ifndef KYIO_PROGRAMS_CLI_H
#define KYIO_PROGRAMS_CLI_H

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace kyio_tool {

// A bad command line: a one-line message and exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A command that could not do its work: a one-line message and exit status 1.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The reader of standard output has gone: the tool ends quietly, as cat does.
struct BrokenPipe {};

// Writes to standard output; a failed write becomes Failure, a closed pipe BrokenPipe.
void writeOut(const void* data, std::size_t size);
void printOut(const char* format, ...) __attribute__((format(printf, 1, 2)));
void flushOut();

using Bytes = std::vector<unsigned char>;

// Writes data to path whole or not at all: a regular file goes to a temporary file beside it,
// renamed over it once every byte is written, so that a failure leaves what was there and no
// temporary file. A stream such as /dev/stdout is written in place; then it returns false.
// Failure names the cause.
bool writeWholeFile(const std::string& path, const Bytes& data);

// Writes all of size bytes to fd, retrying short writes; false with errno saying why.
bool writeAll(int fd, const void* data, std::size_t size);

// Creates folder and the folders above it where they are missing; Failure names the cause.
void makeFolders(const std::string& folder);

// An embedded resource as a host opens it: its id, its name without the table's ':', and its
// decoded content.
struct Resource {
    unsigned int id;
    std::string name;
    std::vector<unsigned char> data;
};

// Every resource, found by asking cpp_res::getFileData for ids 1, 2, ... until it says no.
std::vector<Resource> embeddedResources();
// The one resource that name reaches, whole, by the rules (and length limit) of kyopen;
// Failure when name reaches none.
Resource readResource(const std::string& name);

std::string errorText(int code);

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    int (*run)(const Arguments&);
    const char* usage;
    const char* summary;  // one line for the tool's help
    const char* help;
};

// The commands in the order the help lists them; null when there is no such command.
const std::vector<Command>& commands();
const Command* findCommand(const std::string& name);
void printToolHelp();
void printCommandHelp(const Command& command);
void printVersion();

int listCommand(const Arguments& args);
int catCommand(const Arguments& args);
int extractCommand(const Arguments& args);
int statCommand(const Arguments& args);
int realpathCommand(const Arguments& args);
int verifyCommand(const Arguments& args);
// Runs the converter, a program of its own beside the tool, on the same arguments.
int docx2htmlCommand(const Arguments& args);
// The converter's command: the options of docx2html, the conversion and its report.
int convertCommand(const Arguments& args);

// What a process of the tool runs: command on argv's arguments, with the tool's handling of
// signals, its messages ("kyio: ...") and its exit statuses.
int runTool(int (*command)(const Arguments&), int argc, char** argv);

}  // namespace kyio_tool

#endif
