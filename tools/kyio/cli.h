// SPDX-License-Identifier: MIT
// cli.h: what the kyio commands share: their errors, checked output, and the resource list.
#ifndef KYIO_TOOLS_CLI_H
#define KYIO_TOOLS_CLI_H

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

// Writes to standard output, turning a failed write (a closed pipe, a full disk) into Failure.
void writeOut(const void* data, std::size_t size);
void printOut(const char* format, ...) __attribute__((format(printf, 1, 2)));
void flushOut();

// An embedded resource as a host opens it: its id, its name without the table's ':', and its
// decoded content.
struct Resource {
    unsigned int id;
    std::string name;
    std::vector<unsigned char> data;
};

// Every resource, found by asking cpp_res::getFileData for ids 1, 2, ... until it says no.
std::vector<Resource> embeddedResources();

std::string errorText(int code);

using Arguments = std::vector<std::string>;

int listCommand(const Arguments& args);
int catCommand(const Arguments& args);
int extractCommand(const Arguments& args);
int statCommand(const Arguments& args);
int realpathCommand(const Arguments& args);
int verifyCommand(const Arguments& args);

}  // namespace kyio_tool

#endif
