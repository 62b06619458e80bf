// SPDX-License-Identifier: MIT
// .docx packages written byte by byte so that they can lie: sizes the data does not have, data
// that inflates a thousandfold, two entries of one name, DTDs, OLE files.
#ifndef KYIO_TESTS_DOCX_PACKAGES_H
#define KYIO_TESTS_DOCX_PACKAGES_H

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kyio_test {

struct ZipEntry {
    std::string name, data;
    std::uint64_t claimedSize = UINT64_MAX;  // the inflated size the headers give, when not data's
    std::string stored = {};                 // the compressed bytes, when not deflate(data)
    bool badCrc = false;
};

inline std::string littleEndian(std::uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(i < 8 ? (value >> (8 * i)) & 0xFF : 0);
    return out;
}

// Raw deflate of each piece, flushed so that pieces can be repeated.
inline std::string deflated(const std::vector<std::string>& pieces, bool finish = true) {
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    std::string out;
    auto run = [&](const std::string& piece, int flush) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
        stream.avail_in = static_cast<uInt>(piece.size());
        do {
            char buffer[65536];
            stream.next_out = reinterpret_cast<Bytef*>(buffer);
            stream.avail_out = sizeof buffer;
            deflate(&stream, flush);
            out.append(buffer, sizeof buffer - stream.avail_out);
        } while (stream.avail_out == 0);
    };
    for (const std::string& piece : pieces) run(piece, Z_FULL_FLUSH);
    if (finish) run("", Z_FINISH);
    deflateEnd(&stream);
    return out;
}

inline std::string zipOf(const std::vector<ZipEntry>& entries) {
    std::string body, directory;
    for (const ZipEntry& entry : entries) {
        const std::string data = !entry.stored.empty() ? entry.stored : deflated({entry.data});
        const std::uint64_t size = entry.claimedSize != UINT64_MAX ? entry.claimedSize : entry.data.size();
        const bool zip64 = size >= 0xFFFFFFFFu;
        const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()),
                                                                   static_cast<uInt>(entry.data.size()))) ^ (entry.badCrc ? 1u : 0u);
        const std::string extra = zip64 ? littleEndian(1, 2) + littleEndian(16, 2) + littleEndian(size, 8) + littleEndian(data.size(), 8) : "";
        const std::string common = littleEndian(zip64 ? 45 : 20, 2) + littleEndian(0, 2) + littleEndian(8, 2) +
                                   littleEndian(0, 2) + littleEndian(0x21, 2) + littleEndian(crc, 4) +
                                   littleEndian(zip64 ? 0xFFFFFFFFu : data.size(), 4) + littleEndian(zip64 ? 0xFFFFFFFFu : size, 4) +
                                   littleEndian(entry.name.size(), 2) + littleEndian(extra.size(), 2);
        directory += littleEndian(0x02014b50, 4) + littleEndian(zip64 ? 45 : 20, 2) + common + littleEndian(0, 2 + 2 + 2 + 4) +
                     littleEndian(body.size(), 4) + entry.name + extra;
        body += littleEndian(0x04034b50, 4) + common + entry.name + extra + data;
    }
    return body + directory + littleEndian(0x06054b50, 4) + littleEndian(0, 4) + littleEndian(entries.size(), 2) +
           littleEndian(entries.size(), 2) + littleEndian(directory.size(), 4) + littleEndian(body.size(), 4) + littleEndian(0, 2);
}

const char* const kWordNamespaces = " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"";
const char* const kRelTypes = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

inline std::string relationships(const std::string& rows) {
    return "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" + rows + "</Relationships>";
}
inline std::string relationship(const std::string& id, const std::string& type, const std::string& target) {
    return "<Relationship Id=\"" + id + "\" Type=\"" + kRelTypes + type + "\" Target=\"" + target + "\"/>";
}
inline std::string documentXml(const std::string& body) {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document") + kWordNamespaces + "><w:body>" + body + "</w:body></w:document>";
}
inline std::string paragraph(const std::string& text) { return "<w:p><w:r><w:t>" + text + "</w:t></w:r></w:p>"; }
inline std::string picture(const std::string& id) {
    return "<w:p><w:r><w:drawing><wp:inline><wp:docPr id=\"1\" name=\"p\" descr=\"" + id + "\"/><a:graphic><a:graphicData><pic:pic>"
           "<pic:blipFill><a:blip r:embed=\"" + id + "\"/></pic:blipFill></pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>";
}

// A package whose main part is mainPart with body, its relationships rels, and more entries.
inline std::vector<ZipEntry> docx(const std::string& body, const std::string& rels = "", std::vector<ZipEntry> more = {},
                                  const std::string& mainPart = "word/document.xml") {
    const std::string folder = mainPart.substr(0, mainPart.rfind('/') + 1), file = mainPart.substr(folder.size());
    std::vector<ZipEntry> entries = {
        {"_rels/.rels", relationships(relationship("rMain", "officeDocument", mainPart))},
        {mainPart, documentXml(body)},
        {folder + "_rels/" + file + ".rels", relationships(rels)},
    };
    entries.insert(entries.end(), more.begin(), more.end());
    return entries;
}

// An OLE compound file's first sector, and a directory entry's name in UTF-16LE.
inline std::string oleFile(const std::string& streamName) {
    std::string file = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + std::string(504, '\0');
    for (const char c : streamName) file += std::string{c, '\0'};
    return file + std::string(512, '\0');
}

// 1 MiB of empty paragraphs deflates to about a kilobyte; repeated, it inflates to gigabytes.
inline std::string inflatingTo(std::uint64_t mebibytes) {
    std::string paragraphs;
    while (paragraphs.size() < (1u << 20)) paragraphs += "<w:p/>";
    const std::string block = deflated({"", paragraphs}, false).substr(deflated({""}, false).size());
    std::string data = deflated({std::string("<w:document") + kWordNamespaces + "><w:body>"}, false);
    for (std::uint64_t i = 0; i < mebibytes; ++i) data += block;
    return data + deflated({});
}

}  // namespace kyio_test

#endif
