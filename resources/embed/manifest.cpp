// SPDX-License-Identifier: MIT
// manifest.cpp: the manifest and the notices, read and checked.
#include "manifest.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace kyio_embed {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

// context names the number in a message, as in "manifest line 4: capacity". Decimal, or
// hexadecimal after "0x"; no sign, no space, nothing after the digits.
unsigned long long parseNumber(const std::string& text, const std::string& context) {
    const bool hexadecimal = text.rfind("0x", 0) == 0;
    const char* const first = text.data() + (hexadecimal ? 2 : 0);
    const char* const last = text.data() + text.size();
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(first, last, value, hexadecimal ? 16 : 10);
    if (error != std::errc() || end != last) throw Failure(context + " '" + text + "' is not a number");
    return value;
}

namespace {

std::string lineContext(unsigned line, const char* what) {
    return "manifest line " + std::to_string(line) + ": " + what;
}

// Table names become wide string literals; keeping them to printable ASCII without quotes
// or backslashes means they need no escaping.
void checkName(const std::string& name, unsigned line) {
    if (name.empty()) throw Failure("manifest line " + std::to_string(line) + ": empty name");
    for (const char c : name) {
        if (c < 0x20 || c > 0x7E || c == '"' || c == '\\') {
            throw Failure("manifest line " + std::to_string(line) + ": name '" + name +
                          "' must be printable ASCII without quotes or backslashes");
        }
    }
}

}  // namespace

std::vector<Entry> readManifest(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw Failure("cannot read the manifest " + path + ": " + std::strerror(errno));
    std::vector<Entry> entries;
    std::string line;
    unsigned lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        const auto fields = splitTabs(line);
        if (fields.size() != 5 && fields.size() != 6) {
            throw Failure("manifest line " + std::to_string(lineNumber) +
                          ": expected 5 or 6 tab-separated fields (id, name, capacity, package, "
                          "source[, enumerator]), found " + std::to_string(fields.size()));
        }
        Entry entry;
        entry.id = static_cast<unsigned long>(parseNumber(fields[0], lineContext(lineNumber, "id")));
        entry.name = fields[1];
        entry.capacity = parseNumber(fields[2], lineContext(lineNumber, "capacity"));
        entry.package = fields[3];
        entry.source = fields[4];
        if (fields.size() == 6) entry.enumerator = fields[5];
        checkName(entry.name, lineNumber);
        if (entry.id != entries.size() + 1) {
            throw Failure("manifest line " + std::to_string(lineNumber) + ": id " +
                          fields[0] + " should be " + std::to_string(entries.size() + 1) +
                          " (ids run from 1 in table order)");
        }
        entries.push_back(std::move(entry));
    }
    if (entries.empty()) throw Failure("the manifest " + path + " lists no resources");
    return entries;
}

std::vector<Notice> readNotices(const std::string& path, const std::vector<Entry>& entries) {
    std::ifstream in(path);
    if (!in) throw Failure("cannot read the notices " + path + ": " + std::strerror(errno));
    std::vector<Notice> notices;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto fields = splitTabs(line);
        if (fields.size() != 6) throw Failure("notices: expected 6 tab-separated fields in '" + line + "'");
        notices.push_back({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
    }
    for (const Entry& entry : entries) {
        bool found = false;
        for (const Notice& notice : notices) found = found || notice.package == entry.package;
        if (!found) throw Failure(path + " has no row for the package '" + entry.package + "' of " + entry.name.substr(1));
    }
    return notices;
}

void writeWhole(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) throw Failure("cannot write " + temporary + ": " + std::strerror(errno));
        out << text;
        out.flush();
        if (!out) throw Failure("error writing " + temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        throw Failure("cannot replace " + path + ": " + reason);
    }
}

}  // namespace kyio_embed
