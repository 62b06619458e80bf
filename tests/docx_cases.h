// SPDX-License-Identifier: MIT
// The crafted packages that kyio docx2html is tried on, one a class of hostile input, with
// what the tool must answer; the fuzz target takes the packages as its seeds.
#ifndef KYIO_TESTS_DOCX_CASES_H
#define KYIO_TESTS_DOCX_CASES_H

#include "docx_packages.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace kyio_test {

inline const std::string kPng = "\x89PNG\r\n\x1a\n picture";

// Ten levels of ten references each: 51 bytes that a parser substituting entities would
// make into 510 GB.
inline std::string entities() {
    std::string doctype = "<!DOCTYPE w:document [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">";
    for (char level = 'b'; level <= 'j'; ++level) {
        std::string tenTimes;
        for (int i = 0; i < 10; ++i) tenTimes += std::string("&") + static_cast<char>(level - 1) + ";";
        doctype += std::string("<!ENTITY ") + level + " \"" + tenTimes + "\">";
    }
    return "<?xml version=\"1.0\"?>" + doctype + "]><w:document" + kWordNamespaces + "><w:body>" + paragraph("&j;") + "</w:body></w:document>";
}

struct Case {
    const char* name;
    std::vector<ZipEntry> package;  // written as out/INPUT when there is one
    std::string options;            // before the arguments; may start with a shell command and ';'
    int status;
    std::string message;            // what standard error must hold ("" for nothing at all)
    std::string made;               // what a conversion adds to out, one name a line
    std::function<void(const std::string& out)> prepare = {};
    std::string input = "doc.docx";
    std::string query = {}, answer = {};  // an XPath query on the page and its answer
};

inline std::vector<Case> cases() {
    const std::string pictureRels = relationship("rP", "image", "media/p.png");
    const ZipEntry png{"word/media/p.png", kPng};
    const std::string longName(249, 'n');
    return {
        {"pictures under names the tool makes, never the package's",
         docx(picture("r1") + picture("r2") + picture("r3") + picture("r4") + picture("r2"),
              relationship("r1", "image", "../build.sh") + relationship("r2", "image", "media/p.png") +
                  relationship("r3", "image", "../../../../.bashrc") + relationship("r4", "image", "../doc.docx"),
              {{"build.sh", "#!/bin/sh\necho from the package\n"}, png}),
         "", 0, "kyio: docx2html: warning: picture ../../../../.bashrc is not in the package; left out",
         "doc.html\ndoc_files\ndoc_files/image1.bin\ndoc_files/image2.png\n",
         [](const std::string& out) {
             std::ofstream(out + "/build.sh") << "original";
             ::chmod((out + "/build.sh").c_str(), 0755);
             std::filesystem::create_directories(out + "/doc_files");
             std::ofstream(out + "/doc_files/stale.png") << "from an earlier page";
         },
         "doc.docx", "concat(count(//img[@src = \"doc_files/image2.png\"]), \"|\", //img[not(@src)][1]/@alt)",
         "2|[picture ../../../../.bashrc left out] r3"},
        {"a planted link in place of the pictures' folder is not followed", docx(picture("rP"), pictureRels, {png}), "", 1,
         "/doc_files exists and is not a folder", "",
         [](const std::string& out) { std::filesystem::create_directory_symlink("../elsewhere", out + "/doc_files"); }},
        {"a planted link in place of the page is not followed", docx(paragraph("text")), "", 1,
         "/doc.html exists and is not a regular file", "",
         [](const std::string& out) { std::filesystem::create_symlink("../elsewhere/page.html", out + "/doc.html"); }},
        {"a FIFO in place of the page is refused without waiting", docx(paragraph("text")), "", 1,
         "/doc.html exists and is not a regular file", "",
         [](const std::string& out) { ::mkfifo((out + "/doc.html").c_str(), 0600); }},
        {"a size limit is an error that leaves the old page and no temporary folder", docx(paragraph(std::string(4000, 'x'))),
         "ulimit -f 2;", 1, "/doc.html: File too large", "",
         [](const std::string& out) { std::ofstream(out + "/doc.html") << "old page"; }},
        {"a part claiming a terabyte is read for what it holds",
         {{"_rels/.rels", relationships(relationship("rMain", "officeDocument", "word/document.xml"))},
          {"word/document.xml", documentXml(paragraph("small")), std::uint64_t{1} << 40}},
         "", 1, "bytes, not the 1099511627776 its entry claims", ""},
        {"a part inflating to 4 GiB is stopped as a zip bomb",
         {{"_rels/.rels", relationships(relationship("rMain", "officeDocument", "word/document.xml"))},
          {"word/document.xml", "", std::uint64_t{4} << 30, inflatingTo(4096)}},
         "", 1, "kyio: word/document.xml inflates to more than 500 times its compressed size: refused as a zip bomb", ""},
        {"any DTD is refused, so no entity can multiply the text",
         {{"_rels/.rels", relationships(relationship("rMain", "officeDocument", "word/document.xml"))},
          {"word/document.xml", entities()}},
         "", 1, "kyio: word/document.xml: DTDs are not allowed in a .docx", ""},
        {"a part over --max-size names the part and the limit", docx(paragraph(std::string(3000, 'y'))), "--max-size 2K", 1,
         "kyio: word/document.xml is larger than the limit of 2 KiB a part (see --max-size)", ""},
        {"a damaged picture is left out, named in the page, and the page made",
         docx(picture("rP"), pictureRels, {{"word/media/p.png", kPng, UINT64_MAX, "", true}}), "", 0,
         "kyio: docx2html: warning: cannot read word/media/p.png: CRC error; left out", "doc.html\n"},
        {"--strict makes a left-out picture a failure",
         docx(picture("rP"), pictureRels, {{"word/media/p.png", kPng, UINT64_MAX, "", true}}), "--strict", 1,
         "kyio: cannot read word/media/p.png: CRC error; left out (--strict)", ""},
        {"a damaged optional part is a warning",
         docx(paragraph("text"), relationship("rS", "styles", "styles.xml"), {{"word/styles.xml", "<w:styles><w:style>"}}), "", 0,
         "kyio: docx2html: warning: cannot parse word/styles.xml: ", "doc.html\n"},
        {"a damaged main part is a failure naming libxml2's reason", docx("<w:p>"), "", 1,
         "kyio: cannot parse word/document.xml: ", ""},
        {"a quote in the main part's name is a name like any other",
         docx(paragraph("quoted"), relationship("rS", "styles", "styles.xml"),
              {{"word/styles.xml", std::string("<w:styles") + kWordNamespaces + "/>"}}, "word/it's.xml"),
         "", 0, "", "doc.html\n"},
        {"two entries of one name are refused",
         {{"word/document.xml", documentXml(paragraph("one"))}, {"word/document.xml", documentXml(paragraph("two"))}}, "", 1,
         "/doc.docx: holds two entries of one name", ""},
        {"an encrypted document says so", {}, "", 1, "/doc.docx: encrypted document (password protected)", "",
         [](const std::string& out) { std::ofstream(out + "/doc.docx") << oleFile("EncryptedPackage"); }},
        {"a legacy .doc says so", {}, "", 1, "/doc.docx: a Word 97-2003 .doc, not a .docx", "",
         [](const std::string& out) { std::ofstream(out + "/doc.docx") << oleFile("WordDocument"); }},
        {"a folder as input", {}, "", 1, "/folder: is a folder, not a .docx", "",
         [](const std::string& out) { std::filesystem::create_directory(out + "/folder"); }, "folder"},
        {"a FIFO as input", {}, "", 1, "/fifo: is not a regular file", "",
         [](const std::string& out) { ::mkfifo((out + "/fifo").c_str(), 0600); }, "fifo"},
        {"a name of 254 bytes, its page's 254 and its folder's 255", docx(picture("rP"), pictureRels, {png}), "", 0, "",
         longName + ".html\n" + longName + "_files\n" + longName + "_files/image1.png\n", {}, longName + ".docx"},
    };
}

}  // namespace kyio_test

#endif
