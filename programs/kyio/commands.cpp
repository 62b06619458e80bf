// SPDX-License-Identifier: MIT
// commands.cpp: the kyio commands, each on the library's public interface only.
#include "cli.h"
#include "notices.h"
#include "sha256.h"

#include "kyio.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace kyio_tool {
namespace {

namespace fs = std::filesystem;

std::string hashOf(const std::vector<unsigned char>& data) { return sha256Hex(data.data(), data.size()); }

struct Closer {
    void operator()(FILE* handle) const { kyclose(handle); }
};
using Handle = std::unique_ptr<FILE, Closer>;

Handle openOrFail(const std::string& name) {
    Handle handle(kyopen(name.c_str(), "rb"));
    if (!handle) throw Failure("cannot open " + name + ": " + errorText(errno));
    return handle;
}

// Reads the whole file behind handle in chunks, handing each chunk to sink.
template <typename Sink>
void readAll(FILE* handle, const std::string& name, Sink sink) {
    std::vector<unsigned char> chunk(64 * 1024);
    for (;;) {
        const size_t got = kyread(chunk.data(), 1, chunk.size(), handle);
        const int error = errno;
        if (got > 0) sink(chunk.data(), got);
        if (error != 0) throw Failure("cannot read " + name + ": " + errorText(error));
        if (got < chunk.size()) return;
    }
}

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// What verify checks of one resource; empty when all is well.
std::string problemsOf(const Resource& resource, const std::string& againstDir) {
    const std::wstring wide(resource.name.begin(), resource.name.end());
    if (cpp_res::getFileId(wide.c_str(), false) != resource.id) return "its name does not resolve to its id";
    std::wstring shouted = wide;
    std::transform(shouted.begin(), shouted.end(), shouted.begin(),
                   [](wchar_t c) { return c == L'/' ? L'\\' : (c >= L'a' && c <= L'z' ? c - 32 : c); });
    if (cpp_res::getFileId(shouted.c_str(), true) != resource.id) return "its folded name does not resolve";

    std::vector<unsigned char> read;
    Handle handle = openOrFail(resource.name);
    readAll(handle.get(), resource.name, [&](const unsigned char* data, size_t size) {
        read.insert(read.end(), data, data + size);
    });
    if (read != resource.data) return "kyread gives other bytes than getFileData";
    if (kyeof(handle.get()) != 1) return "not at its end after a whole read";

    if (!againstDir.empty()) {
        const std::string path = (fs::path(againstDir) / resource.name).string();
        std::ifstream in(path, std::ios::binary);
        if (!in) return "cannot read " + path;
        const std::vector<unsigned char> reference((std::istreambuf_iterator<char>(in)),
                                                   std::istreambuf_iterator<char>());
        if (reference != resource.data) return "differs from " + path;
    }
    return "";
}

}  // namespace

int listCommand(const Arguments& args) {
    bool json = false, longForm = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (arg == "--long") {
            longForm = true;
        } else {
            throw UsageError("list: unknown argument '" + arg + "'");
        }
    }
    const std::vector<Resource> resources = embeddedResources();
    static const Notice kUnknown = {"", "?", "?", "?"};
    if (json) {
        printOut("[\n");
        for (size_t i = 0; i < resources.size(); ++i) {
            const Resource& r = resources[i];
            const Notice* notice = noticeOf(r.name) ? noticeOf(r.name) : &kUnknown;
            printOut("  {\"id\": %u, \"name\": %s, \"size\": %zu, \"sha256\": \"%s\", \"package\": %s, "
                     "\"licence\": %s, \"copyright\": %s}%s\n",
                     r.id, jsonString(r.name).c_str(), r.data.size(), hashOf(r.data).c_str(),
                     jsonString(notice->package).c_str(), jsonString(notice->licence).c_str(),
                     jsonString(notice->copyright).c_str(), i + 1 < resources.size() ? "," : "");
        }
        printOut("]\n");
        return 0;
    }
    printOut("%3s  %-22s %8s  %s%s\n", "ID", "NAME", "SIZE", "SHA-256 (first 16 hex digits)",
             longForm ? "  PACKAGE                    LICENCE; COPYRIGHT" : "");
    for (const Resource& r : resources) {
        printOut("%3u  %-22s %8zu  %.16s", r.id, r.name.c_str(), r.data.size(), hashOf(r.data).c_str());
        if (longForm) {
            const Notice* notice = noticeOf(r.name) ? noticeOf(r.name) : &kUnknown;
            printOut("%15s%-26s %s; %s", "", notice->package, notice->licence, notice->copyright);
        }
        printOut("\n");
    }
    return 0;
}

int catCommand(const Arguments& args) {
    if (args.empty()) throw UsageError("cat: missing NAME");
    int status = 0;
    for (const std::string& name : args) {
        try {
            Handle handle = openOrFail(name);
            readAll(handle.get(), name, [](const unsigned char* data, size_t size) { writeOut(data, size); });
        } catch (const Failure& failure) {
            // As cat does: report the operand and go on with the next one.
            flushOut();
            std::fprintf(stderr, "kyio: %s\n", failure.what());
            status = 1;
        }
    }
    return status;
}

int statCommand(const Arguments& args) {
    if (args.size() != 1) throw UsageError("stat: expected one PATH");
    return kystat(args[0].c_str());
}

int realpathCommand(const Arguments& args) {
    if (args.size() != 1) throw UsageError("realpath: expected one PATH");
    std::unique_ptr<char, decltype(&std::free)> resolved(kyrealpath(args[0].c_str(), nullptr), &std::free);
    if (!resolved) throw Failure("cannot resolve " + args[0] + ": " + errorText(errno));
    printOut("%s\n", resolved.get());
    return 0;
}

int verifyCommand(const Arguments& args) {
    std::string againstDir;
    if (!args.empty()) {
        if (args.size() != 2 || args[0] != "--against") throw UsageError("verify: expected nothing or --against DIR");
        againstDir = args[1];
    }
    const std::vector<Resource> resources = embeddedResources();
    size_t failed = 0;
    for (const Resource& resource : resources) {
        const std::string problem = problemsOf(resource, againstDir);
        if (problem.empty()) {
            printOut("OK    %2u %-22s %s\n", resource.id, resource.name.c_str(), hashOf(resource.data).c_str());
        } else {
            ++failed;
            printOut("FAIL  %2u %-22s %s\n", resource.id, resource.name.c_str(), problem.c_str());
        }
    }
    if (failed != 0) {
        printOut("%zu of %zu resources failed\n", failed, resources.size());
    } else {
        printOut("verified %zu resources%s%s\n", resources.size(), againstDir.empty() ? "" : " against ",
                 againstDir.c_str());
    }
    return failed == 0 && !resources.empty() ? 0 : 1;
}

}  // namespace kyio_tool
