// SPDX-License-Identifier: MIT
// kyio_demo: lists the embedded resources and writes one font out, checking that it is Type 1.
//
// Usage: kyio_demo OUTPUT.pfb
#include "resources/cppresmanager.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A .pfb file is a series of segments, each opening with 0x80 and a type (1: ASCII), whose
// first one carries the "%!PS-AdobeFont" or "%!FontType1" header after a 4-byte length.
bool isType1Font(const std::vector<unsigned char>& bytes) {
    if (bytes.size() < 6 + 11 || bytes[0] != 0x80 || bytes[1] != 0x01) return false;
    const char* text = reinterpret_cast<const char*>(bytes.data()) + 6;
    return std::strncmp(text, "%!PS-AdobeFont", 14) == 0 || std::strncmp(text, "%!FontType1", 11) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kyio_demo OUTPUT.pfb\n");
        return 2;
    }
    const cpp_res::ResourceTable& table = cpp_res::kResourceTable;
    std::vector<unsigned char> data;
    std::wstring name;
    std::printf("%3s  %-22s %10s %10s %10s\n", "id", "name", "plain", "stored", "capacity");
    for (unsigned int id = 1; id <= table.count; ++id) {
        cpp_res::getFileData(id, data, name);
        const cpp_res::StoredPayload& payload = table.payloads[id - 1];
        std::printf("%3u  %-22ls %10zu %10td %10zu\n", id, name.c_str(), data.size(),
                    payload.end - payload.begin, payload.capacity);
    }

    unsigned int id = cpp_res::eResN019003lPfb;
    cpp_res::getFileData(id, data, name);
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(data.data(), 1, data.size(), out) == data.size();
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(stderr, "kyio_demo: could not write %s\n", argv[1]);
        return 1;
    }
    if (!isType1Font(data)) {
        std::fprintf(stderr, "kyio_demo: %ls is not a Type 1 font\n", name.c_str());
        return 1;
    }
    std::printf("\nwrote %ls (%zu bytes) to %s: a Type 1 font\n", name.c_str(), data.size(), argv[1]);
    return 0;
}
