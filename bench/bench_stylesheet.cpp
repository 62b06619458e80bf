// SPDX-License-Identifier: MIT
// The embedded stylesheet on generated documents of the shapes that once took quadratic time
// or deep recursion, each at N and at 4N units (paragraphs, fields, notes, rows, tables). The
// summary gives the time per unit at both sizes and the ratio of the two times: a ratio near
// 4 means time linear in the document.
#include "kyio.h"

#include <benchmark/benchmark.h>
#include <libexslt/exslt.h>
#include <libxml/parser.h>
#include <libxslt/documents.h>
#include <libxslt/transform.h>
#include <libxslt/xsltutils.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Parts = std::map<std::string, std::string>;  // part name -> XML

const char* const kWordNs = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
const std::string kBase = "/kyio-bench/";

std::string paragraph(const std::string& content, const std::string& properties = "") {
    return "<w:p>" + (properties.empty() ? "" : "<w:pPr>" + properties + "</w:pPr>") + content + "</w:p>";
}
std::string run(const std::string& text) { return "<w:r><w:t>" + text + "</w:t></w:r>"; }
std::string item(int numId, int level) {
    return "<w:numPr><w:ilvl w:val=\"" + std::to_string(level) + "\"/><w:numId w:val=\"" + std::to_string(numId) + "\"/></w:numPr>";
}
std::string fieldMark(const char* type) { return "<w:r><w:fldChar w:fldCharType=\"" + std::string(type) + "\"/></w:r>"; }
std::string field(const std::string& instruction, const std::string& result) {
    return fieldMark("begin") + "<w:r><w:instrText xml:space=\"preserve\"> " + instruction + " </w:instrText></w:r>" +
           fieldMark("separate") + result + fieldMark("end");
}

// A package: the main part with its body, and the parts its relationships name.
Parts package(const std::string& body, const std::string& numbering = "", const std::string& footnotes = "") {
    Parts parts;
    std::string rels = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    if (!numbering.empty()) {
        rels += "<Relationship Id=\"rN\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering\" Target=\"numbering.xml\"/>";
        parts["word/numbering.xml"] = "<w:numbering " + std::string(kWordNs) + ">" + numbering + "</w:numbering>";
    }
    if (!footnotes.empty()) {
        rels += "<Relationship Id=\"rF\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/footnotes\" Target=\"footnotes.xml\"/>";
        parts["word/footnotes.xml"] = "<w:footnotes " + std::string(kWordNs) + ">" + footnotes + "</w:footnotes>";
    }
    parts["word/_rels/document.xml.rels"] = rels + "</Relationships>";
    parts["word/document.xml"] = "<w:document " + std::string(kWordNs) + "><w:body>" + body + "</w:body></w:document>";
    return parts;
}

// Three abstract numberings of nine levels, decimal and bullets; numIds 1 to 3.
std::string numberings(int extraNums = 0) {
    std::string xml;
    for (int a = 0; a < 3; ++a) {
        xml += "<w:abstractNum w:abstractNumId=\"" + std::to_string(a) + "\">";
        for (int level = 0; level < 9; ++level) {
            xml += "<w:lvl w:ilvl=\"" + std::to_string(level) + "\"><w:start w:val=\"1\"/><w:numFmt w:val=\"" +
                   (a == 2 ? "bullet" : "decimal") + "\"/></w:lvl>";
        }
        xml += "</w:abstractNum>";
    }
    for (int n = 1; n <= 3 + extraNums; ++n) {
        xml += "<w:num w:numId=\"" + std::to_string(n) + "\"><w:abstractNumId w:val=\"" + std::to_string(n <= 3 ? n - 1 : 0) + "\"/>";
        if (n > 3) xml += "<w:lvlOverride w:ilvl=\"0\"><w:startOverride w:val=\"1\"/></w:lvlOverride>";
        xml += "</w:num>";
    }
    return xml;
}

struct Shape {
    const char* name;
    const char* unit;
    int n;
    std::function<Parts(int)> make;
};

const std::vector<Shape>& shapes() {
    static const std::vector<Shape> all = {
        {"numbered, mixed numIds and levels", "paragraph", 1000, [](int n) {
             std::string body;
             for (int i = 0; i < n; ++i) body += paragraph(run("item"), item(1 + i % 3, (i / 3) % 4));
             return package(body, numberings());
         }},
        {"lists alternating with paragraphs", "paragraph", 1000, [](int n) {
             std::string body;
             for (int i = 0; i < n; ++i) body += paragraph(run("text"), i % 2 == 0 ? item(1, 0) : "");
             return package(body, numberings());
         }},
        {"ten levels of nesting", "paragraph", 1000, [](int n) {
             std::string body;
             for (int i = 0; i < n; ++i) body += paragraph(run("deep"), item(1, i % 10));
             return package(body, numberings());
         }},
        {"a restart on every item", "paragraph", 1000, [](int n) {
             std::string body;
             for (int i = 0; i < n; ++i) body += paragraph(run("again"), item(4 + i, 0));
             return package(body, numberings(n));
         }},
        {"hyperlink fields in one paragraph", "field", 500, [](int n) {
             std::string content;
             for (int i = 0; i < n; ++i) content += field("HYPERLINK \"http://example.com/" + std::to_string(i) + "\"", run("link"));
             return package(paragraph(content));
         }},
        {"fields nested in fields", "field", 500, [](int n) {
             std::string body;
             for (int i = 0; i < n; ++i) {
                 body += paragraph(field("HYPERLINK \\l \"b" + std::to_string(i) + "\"",
                                         run("see ") + field("REF b" + std::to_string(i), field("PAGE", run("3")))));
             }
             return package(body);
         }},
        {"footnotes", "note", 1250, [](int n) {
             std::string body, notes;
             for (int i = 1; i <= n; ++i) {
                 body += paragraph(run("text") + "<w:r><w:footnoteReference w:id=\"" + std::to_string(i) + "\"/></w:r>");
                 notes += "<w:footnote w:id=\"" + std::to_string(i) + "\">" + paragraph(run("note")) + "</w:footnote>";
             }
             return package(body, "", notes);
         }},
        {"vertical merges down a table", "row", 2500, [](int n) {
             std::string rows;
             for (int i = 0; i < n; ++i) {
                 const std::string all = i == 0 ? "<w:vMerge w:val=\"restart\"/>" : "<w:vMerge/>";
                 const std::string pairs = i % 2 == 0 ? "<w:vMerge w:val=\"restart\"/>" : "<w:vMerge/>";
                 rows += "<w:tr><w:tc><w:tcPr>" + all + "</w:tcPr>" + paragraph(run("a")) + "</w:tc><w:tc><w:tcPr>" + pairs +
                         "</w:tcPr>" + paragraph(run("b")) + "</w:tc><w:tc>" + paragraph(run("c")) + "</w:tc></w:tr>";
             }
             return package("<w:tbl><w:tblGrid><w:gridCol/><w:gridCol/><w:gridCol/></w:tblGrid>" + rows + "</w:tbl>");
         }},
        {"tables", "table", 250, [](int n) {
             std::string body, table = "<w:tbl>";
             for (int r = 0; r < 3; ++r) table += "<w:tr><w:tc>" + paragraph(run("x")) + "</w:tc><w:tc>" + paragraph(run("y")) + "</w:tc></w:tr>";
             table += "</w:tbl>";
             for (int i = 0; i < n; ++i) body += table + paragraph(run("between"));
             return package(body);
         }},
    };
    return all;
}

const Parts* g_parts = nullptr;  // the package the loader serves

xmlDocPtr loadPart(const xmlChar* uri, xmlDictPtr, int, void*, xsltLoadType) {
    const std::string url = reinterpret_cast<const char*>(uri);
    if (g_parts == nullptr || url.rfind(kBase, 0) != 0) return nullptr;
    const auto found = g_parts->find(url.substr(kBase.size()));
    if (found == g_parts->end()) return nullptr;
    return xmlReadMemory(found->second.data(), static_cast<int>(found->second.size()), url.c_str(), nullptr, XML_PARSE_NONET);
}

void quiet(void*, const char*, ...) {}

struct StyleFree {
    void operator()(xsltStylesheet* style) const { xsltFreeStylesheet(style); }
};

// The stylesheet as lib_kyio embeds it, compiled once.
xsltStylesheet* stylesheet() {
    static const std::unique_ptr<xsltStylesheet, StyleFree> compiled = [] {
        std::string text;
        FILE* handle = kyopen("docx2html_ie.xslt", "rb");
        char chunk[65536];
        for (size_t got; handle != nullptr && (got = kyread(chunk, 1, sizeof chunk, handle)) > 0;) text.append(chunk, got);
        kyclose(handle);
        xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), "docx2html_ie.xslt", nullptr, XML_PARSE_NONET);
        return std::unique_ptr<xsltStylesheet, StyleFree>(doc != nullptr ? xsltParseStylesheetDoc(doc) : nullptr);
    }();
    return compiled.get();
}

void convert(benchmark::State& state, const Shape& shape, int units) {
    const Parts parts = shape.make(units);
    g_parts = &parts;
    const std::string& main = parts.at("word/document.xml");
    for (auto _ : state) {
        xmlDocPtr doc = xmlReadMemory(main.data(), static_cast<int>(main.size()), (kBase + "word/document.xml").c_str(), nullptr, XML_PARSE_NONET);
        xmlDocPtr page = xsltApplyStylesheet(stylesheet(), doc, nullptr);
        if (page == nullptr) state.SkipWithError("the transformation failed");
        xmlFreeDoc(page);
        xmlFreeDoc(doc);
    }
    g_parts = nullptr;
    state.counters["units"] = units;
}

// Keeps the fastest repetition of each size (the one least disturbed by the rest of the
// machine) and prints the table of N against 4N.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
            const std::string name = run.run_name.function_name;
            const double seconds = run.GetAdjustedRealTime() / 1e3;
            const auto known = seconds_.find(name);
            if (known == seconds_.end() || seconds < known->second) seconds_[name] = seconds;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-36s %8s %12s %8s %12s %7s\n", "shape", "N", "us/unit", "4N", "us/unit", "4N/N");
        for (const Shape& shape : shapes()) {
            const auto at = seconds_.find(std::string(shape.name) + "/" + std::to_string(shape.n));
            const auto at4 = seconds_.find(std::string(shape.name) + "/" + std::to_string(4 * shape.n));
            if (at == seconds_.end() || at4 == seconds_.end()) continue;
            std::printf("%-36s %8d %12.1f %8d %12.1f %7.2f   (per %s)\n", shape.name, shape.n, at->second * 1e6 / shape.n,
                        4 * shape.n, at4->second * 1e6 / (4 * shape.n), at4->second / at->second, shape.unit);
        }
    }

private:
    std::map<std::string, double> seconds_;  // fastest time of one conversion, by shape and size
};

}  // namespace

int main(int argc, char** argv) {
    xmlInitParser();
    exsltRegisterAll();
    xsltSetLoaderFunc(loadPart);
    xsltSetGenericErrorFunc(nullptr, quiet);
    xmlSetGenericErrorFunc(nullptr, quiet);
    for (const Shape& shape : shapes()) {
        for (const int units : {shape.n, 4 * shape.n}) {
            benchmark::RegisterBenchmark((std::string(shape.name) + "/" + std::to_string(units)).c_str(),
                                         [&shape, units](benchmark::State& state) { convert(state, shape, units); })
                ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
        }
    }
    // Repetitions of the sizes interleave, so that a slow spell of the machine does not fall
    // on one size alone.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
