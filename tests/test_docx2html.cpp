// SPDX-License-Identifier: MIT
// kyio docx2html on crafted packages and hostile output folders: what it writes, what it
// refuses, and that it ends quickly and in bounded memory whatever the package claims.
#include "docx_cases.h"
#include "support.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <map>

namespace {

using namespace kyio_test;
namespace fs = std::filesystem;

// Everything under folder by relative path: a file's content, "folder", "link to T" or "other".
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string kind = entry.is_symlink() ? "link to " + fs::read_symlink(entry.path()).string() : entry.is_directory() ? "folder" : "";
        entries[fs::relative(entry.path(), folder).string()] = !kind.empty() ? kind : entry.is_regular_file() ? readFile(entry.path()) : "other";
    }
    return entries;
}

TEST(Docx2html, CraftedPackagesAndHostileFolders) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string out = dir.file("out");
        fs::create_directories(out);
        fs::create_directories(dir.file("elsewhere"));
        if (!c.package.empty()) dir.write("out/" + c.input, zipOf(c.package));
        if (c.prepare) c.prepare(out);
        auto expected = snapshot(out);

        const std::string shell = c.options.substr(0, c.options.find(';') + 1);  // npos + 1: none
        const auto start = std::chrono::steady_clock::now();
        const Outcome ended = run(shell + " " + KYIO_TEST_CLI + " docx2html " + c.options.substr(shell.size()) + " " +
                                      quoted(out + "/" + c.input) + " " + quoted(out) + " 2>&1 >/dev/null", false);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 10.0);
        EXPECT_EQ(ended.status, c.status) << ended.output;
        EXPECT_NE(ended.output.find(c.message), std::string::npos) << ended.output;
        EXPECT_TRUE(!c.message.empty() || ended.output.empty()) << ended.output;
        std::istringstream lines(ended.output);
        for (std::string line; std::getline(lines, line);) EXPECT_EQ(line.rfind("kyio: ", 0), 0u) << line;

        // A failure changes nothing; a conversion adds what it makes, replacing only doc_*.
        const auto after = snapshot(out);
        if (c.status == 0) {
            for (auto it = expected.begin(); it != expected.end();) it = it->first.rfind("doc_", 0) == 0 ? expected.erase(it) : std::next(it);
            std::istringstream made(c.made);
            for (std::string name; std::getline(made, name);) expected[name] = after.count(name) != 0 ? after.at(name) : "missing";
        }
        EXPECT_EQ(after, expected);
        EXPECT_EQ(snapshot(dir.file("elsewhere")).size(), 0u);
        if (!c.query.empty()) {
            EXPECT_EQ(run("xmllint --html --xpath '" + c.query + "' " + quoted(out + "/doc.html"), false).output, c.answer + "\n");
        }
    }
#if !defined(__SANITIZE_ADDRESS__)
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    EXPECT_LT(children.ru_maxrss, 512 * 1024) << "KiB at the peak of the largest conversion";
#endif
}

}  // namespace
