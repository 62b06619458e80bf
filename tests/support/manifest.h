// SPDX-License-Identifier: MIT
// manifest.h: the build's resource manifest, read by the tests to find each resource's source.
#ifndef KYIO_TESTS_SUPPORT_MANIFEST_H
#define KYIO_TESTS_SUPPORT_MANIFEST_H

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kyio_test {

struct ManifestRow {
    unsigned int id;
    std::string name;  // as in the table, with its ':'
    unsigned long capacity;
    std::string package;  // the Debian package of the source, "-" for the project's own
    std::string source;
};

inline std::vector<unsigned char> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The rows of the manifest that configured this build (KYIO_TEST_MANIFEST), in id order.
inline const std::vector<ManifestRow>& manifestRows() {
    static const std::vector<ManifestRow> rows = [] {
        std::vector<ManifestRow> result;
        std::ifstream in(KYIO_TEST_MANIFEST);
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            std::istringstream fields(line);
            ManifestRow row;
            fields >> row.id >> row.name >> row.capacity >> row.package;
            fields.ignore(1);
            std::getline(fields, row.source);
            result.push_back(row);
        }
        if (result.empty()) throw std::runtime_error("no rows in " KYIO_TEST_MANIFEST);
        return result;
    }();
    return rows;
}

inline std::wstring widen(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace kyio_test

#endif
