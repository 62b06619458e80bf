// SPDX-License-Identifier: MIT
// manifest.h: the generator's reading of resources/manifest.tsv, the one place that parses
// it, and of resources/notices.tsv.
#ifndef KYIO_EMBED_MANIFEST_H
#define KYIO_EMBED_MANIFEST_H

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace kyio_embed {

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A manifest row: id, table name (with its ':'), output capacity, the Debian package of the
// source ("-" for the project's own), the source file, and the EBinResData enumerator.
struct Entry {
    unsigned long id = 0;
    std::string name;
    unsigned long long capacity = 0;
    std::string package, source, enumerator;
    std::vector<unsigned char> stored;
};

// A notices.tsv row: a package's copyright holders, licence, licence text, Debian licence
// name and note.
struct Notice {
    std::string package, copyright, licence, text, dep5, note;
};

std::vector<std::string> splitTabs(const std::string& line);
// context names the number in a message, as in "manifest line 4: capacity".
unsigned long long parseNumber(const std::string& text, const std::string& context);
std::vector<Entry> readManifest(const std::string& path);
// The notices in file order; Failure when a package of entries has none.
std::vector<Notice> readNotices(const std::string& path, const std::vector<Entry>& entries);

// Writes path through a temporary file, so that a failed run leaves nothing half-written for
// the build to take as up to date.
void writeWhole(const std::string& path, const std::string& text);

}  // namespace kyio_embed

#endif
