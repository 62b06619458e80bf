// SPDX-License-Identifier: MIT
// docx2html.cpp: a .docx package to an HTML page with its pictures, through the stylesheet
// that lib_kyio embeds. The package is read with libzip and never unpacked: the parts that
// the stylesheet asks for are served from it, and nothing outside OUT_DIR is written.
#include "cli.h"

#include "kyio.h"

#include <libexslt/exslt.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxslt/documents.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>
#include <zip.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace kyio_tool {
namespace {

namespace fs = std::filesystem;

// The base under which package part names become URLs, so that the stylesheet's relative
// paths resolve to part names; the loader serves nothing else.
const std::string kPackageBase = "/kyio-package/";

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct StyleFree {
    void operator()(xsltStylesheet* style) const { xsltFreeStylesheet(style); }
};
using Document = std::unique_ptr<xmlDoc, DocFree>;

zip_t* g_package = nullptr;  // the package the loader serves, while a conversion runs
std::string g_parseError;    // libxml2's last message, for the one-line report

void collectError(void*, const char* format, ...) __attribute__((format(printf, 2, 3)));
void collectError(void*, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (g_parseError.empty()) g_parseError = line;
    while (!g_parseError.empty() && (g_parseError.back() == '\n' || g_parseError.back() == ' ')) g_parseError.pop_back();
}

// A part name with "." and ".." resolved; empty when it climbs out of the package.
std::string normalisedPart(const std::string& name) {
    const fs::path path = fs::path(name).lexically_normal();
    const std::string text = path.relative_path().generic_string();
    if (text.empty() || text.rfind("..", 0) == 0) return "";
    return text;
}

std::optional<Bytes> readPart(zip_t* package, const std::string& name) {
    zip_stat_t stat;
    if (zip_stat(package, name.c_str(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) return std::nullopt;
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(zip_fopen(package, name.c_str(), 0), zip_fclose);
    if (!file) return std::nullopt;
    Bytes data(stat.size);
    if (zip_fread(file.get(), data.data(), data.size()) != static_cast<zip_int64_t>(data.size())) return std::nullopt;
    return data;
}

// Parses XML without touching the network or any external entity.
Document parseXml(const Bytes& data, const std::string& url) {
    return Document(xmlReadMemory(reinterpret_cast<const char*>(data.data()), static_cast<int>(data.size()),
                                  url.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOWARNING));
}

Document parsePart(zip_t* package, const std::string& name) {
    const std::optional<Bytes> data = readPart(package, name);
    if (!data) throw Failure("the package has no readable part " + name);
    g_parseError.clear();
    Document doc = parseXml(*data, kPackageBase + name);
    if (!doc) {
        const xmlError* error = xmlGetLastError();
        std::string reason = error != nullptr && error->message != nullptr ? error->message : g_parseError;
        while (!reason.empty() && reason.back() == '\n') reason.pop_back();
        throw Failure("cannot parse " + name + ": " + reason);
    }
    return doc;
}

// libxslt's document loader, limited to the parts of the package.
xmlDocPtr loadFromPackage(const xmlChar* uri, xmlDictPtr, int, void*, xsltLoadType) {
    const std::string url = reinterpret_cast<const char*>(uri);
    if (g_package == nullptr || url.rfind(kPackageBase, 0) != 0) return nullptr;
    const std::string name = normalisedPart(url.substr(kPackageBase.size()));
    const std::optional<Bytes> data = name.empty() ? std::nullopt : readPart(g_package, name);
    return data ? parseXml(*data, kPackageBase + name).release() : nullptr;
}

// The attribute value of a relationship, or "".
std::string attribute(xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    std::string text = value != nullptr ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

struct Relationship {
    std::string type, target;
    bool external;
};

std::vector<Relationship> relationshipsOf(const xmlDoc* rels) {
    std::vector<Relationship> list;
    for (xmlNode* node = xmlDocGetRootElement(rels) ? xmlDocGetRootElement(rels)->children : nullptr; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE || xmlStrcmp(node->name, BAD_CAST "Relationship") != 0) continue;
        list.push_back({attribute(node, "Type"), attribute(node, "Target"), attribute(node, "TargetMode") == "External"});
    }
    return list;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string mainPartOf(zip_t* package) {
    const Document rels = parsePart(package, "_rels/.rels");
    for (const Relationship& relationship : relationshipsOf(rels.get())) {
        if (endsWith(relationship.type, "/officeDocument")) {
            const std::string name = normalisedPart(relationship.target);
            if (!name.empty()) return name;
        }
    }
    throw Failure("the package names no main document part (_rels/.rels)");
}

Bytes stylesheetBytes() {
    FILE* handle = kyopen("docx2html_ie.xslt", "rb");
    if (handle == nullptr) throw Failure("cannot open the embedded stylesheet: " + errorText(errno));
    Bytes data(350000);
    data.resize(kyread(data.data(), 1, data.size(), handle));
    kyclose(handle);
    return data;
}

// The pictures that the page names, each written under OUT_DIR at the target that the page
// uses as its source; a target that would leave OUT_DIR is left out with a warning.
size_t writePictures(zip_t* package, const std::string& mainPart, const fs::path& outDir) {
    const fs::path folder = fs::path(mainPart).parent_path();
    const std::string relsName = (folder / "_rels" / (fs::path(mainPart).filename().string() + ".rels")).generic_string();
    const std::optional<Bytes> relsData = readPart(package, relsName);
    if (!relsData) return 0;
    const Document rels = parseXml(*relsData, kPackageBase + relsName);
    size_t written = 0;
    for (const Relationship& relationship : relationshipsOf(rels.get())) {
        if (relationship.external || !endsWith(relationship.type, "/image")) continue;
        const fs::path inside = fs::path(relationship.target).lexically_normal();
        const std::optional<Bytes> picture = readPart(package, normalisedPart((folder / inside).generic_string()));
        if (inside.is_absolute() || inside.empty() || inside.begin()->string() == ".." || !picture) {
            std::fprintf(stderr, "kyio: docx2html: picture %s left out\n", relationship.target.c_str());
            continue;
        }
        const fs::path destination = outDir / inside;
        makeFolders(destination.parent_path().string());
        writeWholeFile(destination.string(), *picture);
        ++written;
    }
    return written;
}

}  // namespace

int docx2htmlCommand(const Arguments& args) {
    if (args.empty() || args.size() > 2) throw UsageError("docx2html: expected DOC.docx [OUT_DIR]");
    const std::string docx = args[0];
    const fs::path outDir = args.size() == 2 ? fs::path(args[1]) : fs::path(".");

    int zipError = 0;
    std::unique_ptr<zip_t, ZipCloser> package(zip_open(docx.c_str(), ZIP_RDONLY, &zipError));
    if (!package) {
        zip_error_t error;
        zip_error_init_with_code(&error, zipError);
        const std::string message = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw Failure("cannot read " + docx + " as a .docx package: " + message);
    }
    xmlSetGenericErrorFunc(nullptr, collectError);
    exsltRegisterAll();  // exsl:node-set, with which the stylesheet reads Strict OOXML
    xsltSetGenericErrorFunc(nullptr, collectError);

    const std::string mainPart = mainPartOf(package.get());
    Document document = parsePart(package.get(), mainPart);
    const Bytes sheet = stylesheetBytes();
    Document sheetDoc = parseXml(sheet, "docx2html_ie.xslt");
    std::unique_ptr<xsltStylesheet, StyleFree> style(sheetDoc ? xsltParseStylesheetDoc(sheetDoc.get()) : nullptr);
    if (!style) throw Failure("the embedded stylesheet does not compile: " + g_parseError);
    sheetDoc.release();  // the stylesheet owns it now

    // The relationships sit beside the main part, whatever it is called.
    const std::string relsParam = "'_rels/" + fs::path(mainPart).filename().string() + ".rels'";
    const char* params[] = {"rels", relsParam.c_str(), nullptr};
    g_package = package.get();
    xsltSetLoaderFunc(loadFromPackage);
    g_parseError.clear();
    const Document page(xsltApplyStylesheet(style.get(), document.get(), params));
    xsltSetLoaderFunc(nullptr);
    g_package = nullptr;
    if (!page) throw Failure("cannot convert " + mainPart + ": " + g_parseError);

    xmlChar* html = nullptr;
    int length = 0;
    if (xsltSaveResultToString(&html, &length, page.get(), style.get()) != 0) throw Failure("cannot write the page");
    const Bytes htmlBytes(html, html + length);
    xmlFree(html);

    makeFolders(outDir.string());
    const fs::path htmlPath = outDir / (fs::path(docx).stem().string() + ".html");
    const size_t pictures = writePictures(package.get(), mainPart, outDir);
    writeWholeFile(htmlPath.string(), htmlBytes);
    printOut("wrote %s (%zu bytes) and %zu pictures\n", htmlPath.string().c_str(), htmlBytes.size(), pictures);
    return 0;
}

}  // namespace kyio_tool
