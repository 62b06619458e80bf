// SPDX-License-Identifier: MIT
// kyio docx2html's conversion on any bytes: no crash, nothing written but OUT_DIR/DOC.html and
// OUT_DIR/DOC_files/imageN.EXT, and a page that parses as HTML with nothing that runs script,
// no link outside the allowed schemes and no style that loads or evaluates anything.
#include "docx2html.h"
#include "docx_cases.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

void require(bool condition) {
    if (!condition) std::abort();
}

std::string lowered(const xmlChar* text, bool release = false) {
    std::string out = text != nullptr ? reinterpret_cast<const char*>(text) : "";
    if (release) xmlFree(const_cast<xmlChar*>(text));
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// A bookmark, a relative path (no colon before the first slash) or an allowed scheme.
bool allowedLink(const std::string& url) {
    const std::string scheme = url.substr(0, url.find(':') + 1);
    return scheme.empty() || scheme.find('/') != std::string::npos || scheme == "http:" || scheme == "https:" || scheme == "mailto:" ||
           scheme == "ftp:";
}

std::string textOf(xmlNode* node) { return lowered(xmlNodeGetContent(node), true); }

void requireSafe(xmlNode* node) {
    static const char* const kForbidden[] = {"script", "object", "embed", "iframe", "frame", "applet", "svg", "math", "form", "base", "link"};
    for (; node != nullptr; node = node->next) {
        if (node->type != XML_ELEMENT_NODE) continue;
        const std::string name = lowered(node->name);
        for (const char* forbidden : kForbidden) require(name != forbidden);
        if (name == "style") require(textOf(node).find("url(") == std::string::npos);
        for (xmlAttr* attribute = node->properties; attribute != nullptr; attribute = attribute->next) {
            const std::string key = lowered(attribute->name), value = textOf(reinterpret_cast<xmlNode*>(attribute));
            require(key.rfind("on", 0) != 0);
            if (key == "href") require(allowedLink(value));
            if (key == "src") require(value.find(':') == std::string::npos && value.rfind("/", 0) != 0);
            if (key == "style") {
                for (const char* bad : {"expression", "url(", "behavior", "javascript", "\\"}) require(value.find(bad) == std::string::npos);
            }
        }
        requireSafe(node->children);
    }
}

std::string makeSandbox() {
    std::string path = (fs::temp_directory_path() / "kyio_fuzz_docx_XXXXXX").string();
    require(mkdtemp(path.data()) != nullptr);
    return path;
}

const std::string kSandbox = makeSandbox();

}  // namespace

// KYIO_WRITE_SEEDS=FOLDER: writes the tests' crafted packages there as seeds, bar the big ones.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* folder = std::getenv("KYIO_WRITE_SEEDS");
    if (folder == nullptr) return 0;
    fs::create_directories(folder);
    int written = 0;
    for (const kyio_test::Case& c : kyio_test::cases()) {
        const std::string bytes = kyio_test::zipOf(c.package);
        if (!c.package.empty() && bytes.size() <= 65536) std::ofstream(folder + ("/seed" + std::to_string(++written))) << bytes;
    }
    std::exit(written > 0 ? 0 : 1);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = kSandbox + "/in.docx", out = kSandbox + "/out";
    std::ofstream(input, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    kyio_tool::ConversionOptions options;
    options.limits = {std::uint64_t{1} << 20, std::uint64_t{4} << 20};
    try {
        kyio_tool::convertDocx(input, out, options);
    } catch (const kyio_tool::Failure&) {
    }
    for (const auto& entry : fs::directory_iterator(kSandbox)) require(entry.path() == input || entry.path() == out);
    std::error_code none;  // no out/ at all after a refusal
    for (const auto& entry : fs::recursive_directory_iterator(out, none)) {
        const std::string name = fs::relative(entry.path(), out).string();
        require(!entry.is_symlink() && (name == "in.html" || name == "in_files" || (name.rfind("in_files/image", 0) == 0 && entry.is_regular_file())));
    }
    if (fs::exists(out + "/in.html")) {
        htmlDocPtr page = htmlReadFile((out + "/in.html").c_str(), nullptr, HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING);
        require(page != nullptr);
        requireSafe(xmlDocGetRootElement(page));
        xmlFreeDoc(page);
    }
    fs::remove_all(out);
    return 0;
}
