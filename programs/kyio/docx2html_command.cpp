// SPDX-License-Identifier: MIT
// docx2html_command.cpp: the converter's command, `kyio docx2html`: its options and its report.
#include "cli.h"
#include "docx2html.h"

#include <cstdio>

namespace kyio_tool {
namespace {

// "300", "64K", "256M", "2G": a size in bytes, the suffixes binary.
std::uint64_t parseSize(const std::string& text) {
    size_t digits = 0;
    std::uint64_t value = 0;
    for (; digits < text.size() && text[digits] >= '0' && text[digits] <= '9' && value < (std::uint64_t{1} << 50); ++digits) {
        value = value * 10 + static_cast<unsigned>(text[digits] - '0');
    }
    const std::string suffix = text.substr(digits);
    const int shift = suffix.empty() ? 0 : suffix == "K" ? 10 : suffix == "M" ? 20 : suffix == "G" ? 30 : -1;
    if (digits == 0 || shift < 0 || value == 0 || value >= (std::uint64_t{1} << 50) >> shift) {
        throw UsageError("docx2html: --max-size takes a size such as 300, 64K, 256M or 2G");
    }
    return value << shift;
}

}  // namespace

int convertCommand(const Arguments& args) {
    ConversionOptions options;
    Arguments operands;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--strict") {
            options.strict = true;
        } else if (args[i] == "--max-size" && i + 1 < args.size()) {
            options.limits.partBytes = parseSize(args[++i]);
            options.limits.totalBytes = 4 * options.limits.partBytes;
        } else if (args[i].rfind("--", 0) == 0) {
            throw UsageError("docx2html: unknown option " + args[i]);
        } else {
            operands.push_back(args[i]);
        }
    }
    if (operands.empty() || operands.size() > 2) throw UsageError("docx2html: expected DOC.docx [OUT_DIR]");
    const Conversion conversion = convertDocx(operands[0], operands.size() == 2 ? operands[1] : ".", options);
    for (const std::string& warning : conversion.warnings) std::fprintf(stderr, "kyio: docx2html: warning: %s\n", warning.c_str());
    printOut("wrote %s and %zu pictures\n", conversion.page.c_str(), conversion.pictures);
    return 0;
}

}  // namespace kyio_tool
