// SPDX-License-Identifier: MIT
// The converter: `kyio docx2html` in a process of its own, which allocates through tcmalloc
// (see cmake/KyioAllocator.cmake) while the tool's other commands start without it.
#include "cli.h"

int main(int argc, char** argv) { return kyio_tool::runTool(kyio_tool::convertCommand, argc, argv); }
