// SPDX-License-Identifier: MIT
// help.cpp: the commands' table, their help texts and the version text.
#include "cli.h"
#include "notices.h"

#include <map>

namespace kyio_tool {

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"list", listCommand, "list [--long] [--json]", "list the resources with sizes and hashes",
         "List the embedded resources: id, name as a host opens it, plain size and the first\n"
         "16 hex digits of its SHA-256.\n\n"
         "  --long   also each file's licence, source package and copyright holders\n"
         "  --json   one JSON object a resource, with the whole SHA-256 and the licence fields"},
        {"cat", catCommand, "cat NAME...", "write resources or disk files to standard output",
         "Write each resource or disk file to standard output, in binary. A NAME that cannot be\n"
         "read is reported and the others are still written; the status is then 1."},
        {"extract", extractCommand, "extract NAME DEST | extract --all DIR",
         "write resources to files",
         "Write one resource to DEST, or all of them under DIR (fonts in DIR/fonts/). DEST may be\n"
         "a file, an existing folder (the file goes in it under its resource name) or '-' for\n"
         "standard output. Each file is written beside its destination under a temporary name\n"
         "and renamed over it only once it is whole: a failed extract leaves what was there."},
        {"stat", statCommand, "stat PATH", "tell by the exit status whether PATH can be read",
         "Exit with 0 when PATH can be opened for reading (a resource or a disk file), else 1."},
        {"realpath", realpathCommand, "realpath PATH", "print PATH as the library resolves it",
         "Print PATH resolved: a resource name as it is, a disk name made absolute."},
        {"docx2html", docx2htmlCommand, "docx2html [OPTIONS] DOC.docx [OUT_DIR]",
         "convert a .docx into an HTML page",
         "Convert DOC.docx with the embedded stylesheet docx2html_ie.xslt into OUT_DIR/DOC.html and\n"
         "its pictures into OUT_DIR/DOC_files/image1.png, image2.jpg, ... (names the tool makes).\n"
         "OUT_DIR is the current folder by default and is created when missing. Both are written\n"
         "into a temporary folder in OUT_DIR and renamed into place once whole, so an earlier page\n"
         "and its folder are replaced only by a complete conversion; nothing is written through a\n"
         "symbolic link or into anything but a regular file, and nothing outside OUT_DIR.\n\n"
         "The package is read as hostile: each part may inflate to 256 MiB and all of them to\n"
         "1 GiB, no part to more than 500 times its compressed size, with at most 10000 entries;\n"
         "a DTD is refused. A picture or an optional part (styles, numbering, notes, relationships)\n"
         "that cannot be read is left out with a warning, named in the page.\n\n"
         "  --max-size SIZE   the limit of one part (300, 64K, 256M, 2G); all parts: 4 x SIZE\n"
         "  --strict          a picture or part left out fails the conversion"},
        {"verify", verifyCommand, "verify [--against DIR]", "check every resource end to end",
         "Decode every resource, check that its name resolves to its id and that kyopen/kyread\n"
         "give the same bytes, and print its SHA-256.\n\n"
         "  --against DIR   also compare each resource with DIR/NAME"},
    };
    return table;
}

const Command* findCommand(const std::string& name) {
    for (const Command& command : commands()) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

namespace {

const char* const kExitStatus =
    "Exit status: 0 success, 1 failure (the message says why), 2 bad command line.\n";

}  // namespace

void printToolHelp() {
    printOut("usage: kyio COMMAND [ARGUMENTS]\n"
             "       kyio help [COMMAND] | --help | --version\n\n"
             "Looks inside lib_kyio's embedded resources and reads files through its interface.\n\n"
             "commands:\n");
    for (const Command& command : commands()) {
        printOut("  %-38s %s\n", command.usage, command.summary);
    }
    printOut("\n'kyio help COMMAND' or 'kyio COMMAND --help' describes a command.\n%s", kExitStatus);
}

void printCommandHelp(const Command& command) {
    printOut("usage: kyio %s\n\n%s\n\n%s", command.usage, command.help, kExitStatus);
}

const Notice* noticeOf(const std::string& name) {
    for (const Notice& notice : notices()) {
        if (name == notice.name) return &notice;
    }
    return nullptr;
}

// The version, and what lib_kyio.so embeds under which licence, counted by source.
void printVersion() {
    printOut("kyio %s, lib_kyio %s\nThe library and the tool: MIT. lib_kyio.so embeds files under their own licences:\n",
             KYIO_VERSION, KYIO_VERSION);
    std::map<std::string, int> counts;
    for (const Notice& notice : notices()) {
        ++counts[std::string(notice.package) + "\t" + notice.licence + "\t" + notice.copyright];
    }
    for (const auto& [key, count] : counts) {
        const auto tab1 = key.find('\t'), tab2 = key.find('\t', tab1 + 1);
        const std::string package = key.substr(0, tab1);
        printOut("  %2d from %s: %s, (C) %s\n", count, package == "-" ? "this project" : package.c_str(),
                 key.substr(tab1 + 1, tab2 - tab1 - 1).c_str(), key.substr(tab2 + 1).c_str());
    }
    printOut("'kyio list --long' shows each file's; the whole notice is %s.\n", KYIO_NOTICE_PATH);
}

}  // namespace kyio_tool
