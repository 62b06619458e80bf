// SPDX-License-Identifier: MIT
// kyio_embed: turns the resource manifest and its source files into the generated resource
// table and stored payloads (each file a zlib stream, then XORed with the key). A file that
// level 9 shrinks by less than a tenth is stored at level 0, in stored blocks: its decoding is
// then a copy, where inflating it would cost much for the little it saves.
//
// Usage: kyio_embed [--key BYTE] MANIFEST OUTPUT.cpp
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Entry {
    unsigned long id = 0;
    std::string name;
    unsigned long long capacity = 0;
    std::string source;
    std::vector<unsigned char> stored;
};

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

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

// context names the number in a message, as in "manifest line 4: capacity".
unsigned long long parseNumber(const std::string& text, const std::string& context) {
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || errno != 0 || text[0] == '-') {
        throw Failure(context + " '" + text + "' is not a number");
    }
    return value;
}

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
        if (fields.size() != 5) {
            throw Failure("manifest line " + std::to_string(lineNumber) +
                          ": expected 5 tab-separated fields (id, name, capacity, package, "
                          "source), found " + std::to_string(fields.size()));
        }
        Entry entry;
        entry.id = static_cast<unsigned long>(parseNumber(fields[0], lineContext(lineNumber, "id")));
        entry.name = fields[1];
        entry.capacity = parseNumber(fields[2], lineContext(lineNumber, "capacity"));
        entry.source = fields[4];
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

std::vector<unsigned char> readSource(const Entry& entry) {
    std::ifstream in(entry.source, std::ios::binary);
    if (!in) {
        throw Failure("resource " + entry.name + ": cannot read " + entry.source + ": " +
                      std::strerror(errno));
    }
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    if (in.bad()) throw Failure("resource " + entry.name + ": error reading " + entry.source);
    if (bytes.size() > entry.capacity) {
        throw Failure("resource " + entry.name + ": " + entry.source + " is " +
                      std::to_string(bytes.size()) + " bytes, larger than its capacity of " +
                      std::to_string(entry.capacity) + " bytes");
    }
    return bytes;
}

std::vector<unsigned char> zlibStream(const std::vector<unsigned char>& plain, int level) {
    uLongf size = compressBound(plain.size());
    std::vector<unsigned char> stream(size);
    if (compress2(stream.data(), &size, plain.data(), plain.size(), level) != Z_OK) {
        throw Failure("zlib could not compress a resource");
    }
    stream.resize(size);
    return stream;
}

// Level 9 unless it saves less than a tenth of the plain size; prints the choice.
std::vector<unsigned char> compressAndScramble(const Entry& entry,
                                               const std::vector<unsigned char>& plain,
                                               unsigned char key) {
    std::vector<unsigned char> stored = zlibStream(plain, 9);
    const bool worthIt = (plain.size() - std::min(plain.size(), stored.size())) * 10 >= plain.size();
    if (!worthIt) stored = zlibStream(plain, 0);
    std::printf("kyio_embed: %-22s %7zu -> %7zu bytes, level %d\n", entry.name.c_str(),
                plain.size(), stored.size(), worthIt ? 9 : 0);
    for (unsigned char& byte : stored) byte ^= key;
    return stored;
}

void writeTable(std::ostream& out, const std::vector<Entry>& entries, unsigned char key) {
    out << "// Generated by tools/kyio_embed from resources/manifest.tsv; do not edit.\n"
           "#include \"resources/cppresmanager.h\"\n\n"
           "namespace cpp_res {\nnamespace {\n\n";
    char hex[8];
    for (const Entry& entry : entries) {
        out << "// " << entry.name << " from " << entry.source << "\n"
            << "const unsigned char kPayload" << entry.id << "[] = {";
        for (std::size_t i = 0; i < entry.stored.size(); ++i) {
            std::snprintf(hex, sizeof hex, "0x%02x,", entry.stored[i]);
            out << (i % 16 == 0 ? "\n    " : "") << hex;
        }
        out << "\n};\n\n";
    }
    out << "const wchar_t* const kNames[" << entries.size() << "] = {\n";
    for (const Entry& entry : entries) out << "    L\"" << entry.name << "\",\n";
    out << "};\n\nconst StoredPayload kPayloads[" << entries.size() << "] = {\n";
    for (const Entry& entry : entries) {
        out << "    {kPayload" << entry.id << ", kPayload" << entry.id << " + sizeof kPayload"
            << entry.id << ", " << entry.capacity << "u},\n";
    }
    std::snprintf(hex, sizeof hex, "0x%02x", key);
    out << "};\n\n}  // namespace\n\n"
        << "const ResourceTable kResourceTable = {kNames, kPayloads, " << entries.size()
        << "u};\n\nconst unsigned char CCPPResManager::s_xor = " << hex
        << ";\n\n}  // namespace cpp_res\n";
}

// The table goes to a temporary file first, so that a failed run leaves no half-written
// output for the build to take as up to date.
void writeOutput(const std::string& path, const std::vector<Entry>& entries, unsigned char key) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) throw Failure("cannot write " + temporary + ": " + std::strerror(errno));
        writeTable(out, entries, key);
        out.flush();
        if (!out) throw Failure("error writing " + temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        throw Failure("cannot replace " + path + ": " + reason);
    }
}

int usage() {
    std::cerr << "usage: kyio_embed [--key BYTE] MANIFEST OUTPUT.cpp\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned char key = 0xA7;
    std::vector<std::string> paths;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "--key") {
                if (++i == argc) return usage();
                const auto value = parseNumber(argv[i], "--key");
                if (value == 0 || value > 0xFF) throw Failure("the key must be a byte from 1 to 255");
                key = static_cast<unsigned char>(value);
            } else {
                paths.push_back(arg);
            }
        }
        if (paths.size() != 2) return usage();

        std::vector<Entry> entries = readManifest(paths[0]);
        for (Entry& entry : entries) entry.stored = compressAndScramble(entry, readSource(entry), key);
        writeOutput(paths[1], entries, key);
    } catch (const Failure& failure) {
        std::cerr << "kyio_embed: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
