// SPDX-License-Identifier: MIT
// docx2html.cpp: the conversion. The package is read in place; the stylesheet asks for the
// parts it needs through a loader that serves only those, parsed under libxml2's limits with
// no DTD; the page's pictures are copied under names the tool makes.
#include "docx2html.h"

#include "page_output.h"

#include <libexslt/exslt.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/uri.h>
#include <libxslt/documents.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/variables.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

namespace kyio_tool {
namespace {

namespace fs = std::filesystem;

// Part names become URLs under this base, so that the stylesheet's relative paths resolve
// to part names; the loader serves nothing else.
const std::string kPackageBase = "/kyio-package/";

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using Document = std::unique_ptr<xmlDoc, DocFree>;

std::string g_libraryError;  // libxml2's or libxslt's first message, for the one-line report

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

void collectError(void*, const char* format, ...) __attribute__((format(printf, 2, 3)));
void collectError(void*, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (g_libraryError.empty()) g_libraryError = trimmed(line);
}

// A part name as a URL path: bytes outside the unreserved set and '/' are %-escaped.
std::string urlOf(const std::string& part) {
    xmlChar* escaped = xmlURIEscapeStr(reinterpret_cast<const xmlChar*>(part.c_str()), reinterpret_cast<const xmlChar*>("/"));
    if (escaped == nullptr) throw std::bad_alloc();
    std::string url = reinterpret_cast<const char*>(escaped);
    xmlFree(escaped);
    return url;
}

std::string unescaped(const std::string& url) {
    char* text = xmlURIUnescapeString(url.c_str(), static_cast<int>(url.size()), nullptr);
    if (text == nullptr) throw std::bad_alloc();
    std::string plain(text);
    xmlFree(text);
    return plain;
}

struct ParseState {
    bool doctype = false;
};

// Any DOCTYPE stops the parser: a .docx has none, and without one no entity can be declared.
void refuseDoctype(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    static_cast<ParseState*>(parser->_private)->doctype = true;
    xmlStopParser(parser);
}

// Parses a part as it inflates, with libxml2's limits on, no network and no DTD.
Document parsePart(Package& package, const std::string& part) {
    std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> parser(
        xmlCreatePushParserCtxt(nullptr, nullptr, nullptr, 0, (kPackageBase + urlOf(part)).c_str()), xmlFreeParserCtxt);
    if (!parser) throw std::bad_alloc();
    xmlCtxtUseOptions(parser.get(), XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR);
    ParseState state;
    parser->_private = &state;
    parser->sax->internalSubset = refuseDoctype;
    auto take = [&parser] {
        Document doc(parser->myDoc);
        parser->myDoc = nullptr;
        return doc;
    };
    try {
        package.read(part, [&](const char* data, std::size_t size) {
            return xmlParseChunk(parser.get(), data, static_cast<int>(size), 0) == 0 && !state.doctype;
        });
    } catch (...) {
        take();
        throw;
    }
    if (!state.doctype) xmlParseChunk(parser.get(), nullptr, 0, 1);
    Document doc = take();
    if (state.doctype) throw Failure(part + ": DTDs are not allowed in a .docx");
    if (!parser->wellFormed || !doc) {
        const char* reason = parser->lastError.message;
        throw Failure("cannot parse " + part + ": " + trimmed(reason != nullptr ? reason : "not well-formed XML"));
    }
    return doc;
}

// What the loader needs while a transformation runs.
struct Loader {
    Package* package;
    std::vector<std::string>* warnings;
    std::set<std::string> refused;  // parts already reported, not read again
    std::string limit;              // a limit passed: the transformation was stopped
};
Loader* g_loader = nullptr;

// libxslt's document loader: the parts of the package, and nothing else. A damaged part is a
// warning and reads as absent; a part over a limit stops the transformation.
xmlDocPtr loadFromPackage(const xmlChar* uri, xmlDictPtr, int, void* context, xsltLoadType type) {
    const std::string url = reinterpret_cast<const char*>(uri);
    if (g_loader == nullptr || type != XSLT_LOAD_DOCUMENT || url.rfind(kPackageBase, 0) != 0) return nullptr;
    const std::string part = normalisedPart(unescaped(url.substr(kPackageBase.size())));
    if (part.empty() || !g_loader->package->has(part) || g_loader->refused.count(part) != 0) return nullptr;
    try {
        return parsePart(*g_loader->package, part).release();
    } catch (const LimitExceeded& limit) {
        g_loader->limit = limit.what();
        static_cast<xsltTransformContextPtr>(context)->state = XSLT_STATE_STOPPED;
    } catch (const Failure& damaged) {
        g_loader->warnings->push_back(std::string(damaged.what()) + "; left out");
    }
    g_loader->refused.insert(part);
    return nullptr;
}

std::string attributeOf(xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, BAD_CAST name);
    std::string text = value != nullptr ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

// The target of the package's officeDocument relationship: the main part.
std::string mainPartOf(Package& package) {
    const Document rels = parsePart(package, "_rels/.rels");
    const xmlNode* root = xmlDocGetRootElement(rels.get());
    for (xmlNode* node = root != nullptr ? root->children : nullptr; node != nullptr; node = node->next) {
        if (node->type != XML_ELEMENT_NODE || xmlStrcmp(node->name, BAD_CAST "Relationship") != 0) continue;
        const std::string type = attributeOf(node, "Type"), name = normalisedPart(unescaped(attributeOf(node, "Target")));
        if (type.size() >= 15 && type.compare(type.size() - 15, 15, "/officeDocument") == 0 && !name.empty()) return name;
    }
    throw Failure("the package names no main document part (_rels/.rels)");
}

struct StyleFree {
    void operator()(xsltStylesheet* style) const { xsltFreeStylesheet(style); }
};

std::unique_ptr<xsltStylesheet, StyleFree> embeddedStylesheet() {
    const Resource sheet = readResource("docx2html_ie.xslt");
    xmlDocPtr doc = xmlReadMemory(reinterpret_cast<const char*>(sheet.data.data()), static_cast<int>(sheet.data.size()),
                                  "docx2html_ie.xslt", nullptr, XML_PARSE_NONET);
    std::unique_ptr<xsltStylesheet, StyleFree> style(doc != nullptr ? xsltParseStylesheetDoc(doc) : nullptr);
    if (!style) {
        xmlFreeDoc(doc);
        throw Failure("the embedded stylesheet does not compile: " + g_libraryError);
    }
    return style;
}

// The extension a picture is written with: its own when it names a picture format.
std::string pictureExtension(const std::string& part) {
    static const std::set<std::string> kKnown = {"png", "jpg", "jpeg", "gif", "bmp", "tif", "tiff", "emf", "wmf", "webp"};
    std::string extension = fs::path(part).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return kKnown.count(extension) != 0 ? extension : "bin";
}


// Each picture the page shows is copied out of the package once, as imageN.EXT, and every
// img that shows it points there; one that cannot be copied loses its src and says so in alt.
size_t copyPictures(xmlDoc* page, Package& package, const std::string& mainPart, PageOutput& output,
                    std::vector<std::string>& warnings) {
    const fs::path folder = fs::path(mainPart).parent_path();
    std::map<std::string, std::string> sources;  // part -> the page's source, "" when left out
    for (xmlNode* node = xmlDocGetRootElement(page); node != nullptr;) {
        if (node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, BAD_CAST "img") == 0 && xmlHasProp(node, BAD_CAST "src")) {
            const std::string src = attributeOf(node, "src");
            const std::string part = normalisedPart((folder / unescaped(src)).generic_string());
            auto found = sources.find(part);
            if (found == sources.end()) {
                std::string source;
                try {
                    if (part.empty() || !package.has(part)) throw Failure("picture " + src + " is not in the package");
                    source = output.addPicture(pictureExtension(part), package.readWhole(part));
                } catch (const LimitExceeded&) {
                    throw;
                } catch (const Failure& failure) {
                    warnings.push_back(std::string(failure.what()) + "; left out");
                }
                found = sources.emplace(part, source).first;
            }
            if (found->second.empty()) {
                xmlUnsetProp(node, BAD_CAST "src");
                const std::string alt = attributeOf(node, "alt");
                xmlSetProp(node, BAD_CAST "alt", BAD_CAST("[picture " + src + " left out]" + (alt.empty() ? "" : " " + alt)).c_str());
            } else {
                xmlSetProp(node, BAD_CAST "src", BAD_CAST found->second.c_str());
            }
        }
        // Depth first, without recursion.
        if (node->children != nullptr && node->type == XML_ELEMENT_NODE) {
            node = node->children;
            continue;
        }
        while (node != nullptr && node->next == nullptr) node = node->parent != reinterpret_cast<xmlNode*>(page) ? node->parent : nullptr;
        if (node != nullptr) node = node->next;
    }
    size_t copied = 0;
    for (const auto& entry : sources) copied += entry.second.empty() ? 0 : 1;
    return copied;
}

struct PrefsFree {
    void operator()(xsltSecurityPrefs* prefs) const { xsltFreeSecurityPrefs(prefs); }
};
struct ContextFree {
    void operator()(xsltTransformContext* context) const { xsltFreeTransformContext(context); }
};

// The stylesheet may read through document() only: it writes nothing and reaches no network.
std::unique_ptr<xsltSecurityPrefs, PrefsFree> readingOnly() {
    std::unique_ptr<xsltSecurityPrefs, PrefsFree> prefs(xsltNewSecurityPrefs());
    if (!prefs) throw std::bad_alloc();
    for (const xsltSecurityOption option : {XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY, XSLT_SECPREF_READ_NETWORK,
                                            XSLT_SECPREF_WRITE_NETWORK}) {
        xsltSetSecurityPrefs(prefs.get(), option, xsltSecurityForbid);
    }
    return prefs;
}

}  // namespace

Conversion convertDocx(const std::string& docx, const std::string& outDir, const ConversionOptions& options) {
    Package package(docx, options.limits);
    xmlSetGenericErrorFunc(nullptr, collectError);
    xsltSetGenericErrorFunc(nullptr, collectError);
    exsltRegisterAll();  // exsl:node-set, with which the stylesheet makes its passes
    g_libraryError.clear();

    const std::string mainPart = mainPartOf(package);
    const Document document = parsePart(package, mainPart);
    const auto style = embeddedStylesheet();

    // The relationships beside the main part, whatever it is called, as a string parameter.
    const std::string rels = "_rels/" + urlOf(fs::path(mainPart).filename().string()) + ".rels";
    const char* params[] = {"rels", rels.c_str(), nullptr};
    Conversion conversion;
    const auto prefs = readingOnly();
    std::unique_ptr<xsltTransformContext, ContextFree> context(xsltNewTransformContext(style.get(), document.get()));
    if (!context) throw std::bad_alloc();
    xsltSetCtxtSecurityPrefs(prefs.get(), context.get());
    if (xsltQuoteUserParams(context.get(), params) != 0) throw Failure("cannot pass the stylesheet its parameters");
    Loader loader{&package, &conversion.warnings, {}, {}};
    g_loader = &loader;
    xsltSetLoaderFunc(loadFromPackage);
    Document page(xsltApplyStylesheetUser(style.get(), document.get(), nullptr, nullptr, nullptr, context.get()));
    xsltSetLoaderFunc(nullptr);
    g_loader = nullptr;
    if (!loader.limit.empty()) throw LimitExceeded(loader.limit);
    if (!page || context->state != XSLT_STATE_OK) throw Failure("cannot convert " + mainPart + ": " + g_libraryError);

    PageOutput output(outDir, fs::path(docx).stem().string());
    conversion.pictures = copyPictures(page.get(), package, mainPart, output, conversion.warnings);
    if (options.strict && !conversion.warnings.empty()) throw Failure(conversion.warnings.front() + " (--strict)");
    xmlChar* html = nullptr;
    int length = 0;
    if (xsltSaveResultToString(&html, &length, page.get(), style.get()) != 0 || html == nullptr) {
        throw Failure("cannot write the page");
    }
    const std::string text(reinterpret_cast<const char*>(html), static_cast<size_t>(length));
    xmlFree(html);
    conversion.page = output.commit(text);
    return conversion;
}

}  // namespace kyio_tool
