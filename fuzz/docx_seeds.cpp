// SPDX-License-Identifier: MIT
// Writes the crafted packages of the docx2html tests into FOLDER, as the fuzz target's seeds
// (the few that are megabytes long stay out: they would only slow the mutations down).
#include "docx_cases.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::filesystem::create_directories(argv[1]);
    int written = 0;
    for (const kyio_test::Case& c : kyio_test::cases()) {
        const std::string bytes = kyio_test::zipOf(c.package);
        if (c.package.empty() || bytes.size() > 65536) continue;
        std::ofstream(std::string(argv[1]) + "/seed" + std::to_string(++written) + ".docx", std::ios::binary) << bytes;
    }
    std::printf("%d seeds\n", written);
    return written > 0 ? 0 : 1;
}
