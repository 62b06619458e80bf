// SPDX-License-Identifier: MIT
// docx2html.h: a .docx package to OUT_DIR/DOC.html and OUT_DIR/DOC_files/, through the
// stylesheet that lib_kyio embeds.
#ifndef KYIO_PROGRAMS_DOCX2HTML_H
#define KYIO_PROGRAMS_DOCX2HTML_H

#include "package.h"

#include <string>
#include <vector>

namespace kyio_tool {

struct ConversionOptions {
    PackageLimits limits;
    bool strict = false;  // a picture or an optional part left out fails the conversion
};

struct Conversion {
    std::string page;                   // the page's path
    std::size_t pictures = 0;           // pictures written
    std::vector<std::string> warnings;  // what was left out, one line each
};

// Failure (LimitExceeded for a limit) with a one-line reason; nothing is then changed in
// outDir but for outDir itself being created.
Conversion convertDocx(const std::string& docx, const std::string& outDir, const ConversionOptions& options);

}  // namespace kyio_tool

#endif
