// SPDX-License-Identifier: MIT
// kyio docx2html on crafted packages and hostile output folders: what it writes, what it
// refuses, and that it ends quickly and in bounded memory whatever the package claims.
#include "docx_cases.h"
#include "support.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>

namespace {

using namespace kyio_test;
namespace fs = std::filesystem;

struct Ended {
    int status;
    std::string messages;  // standard error
    double seconds;
    long peakKiB;
};

// Runs a shell command line, as a user would, timing it and taking its peak memory.
Ended runMeasured(const std::string& command, const std::string& errors) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl("/bin/bash", "bash", "-c", (command + " >/dev/null 2>" + quoted(errors)).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int raw = 0;
    rusage usage{};
    wait4(child, &raw, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(errors), seconds, usage.ru_maxrss};
}

// Everything under folder by relative path: a file's content, "folder", "link to T" or "other".
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        entries[fs::relative(entry.path(), folder).string()] = entry.is_symlink()        ? "link to " + fs::read_symlink(entry.path()).string()
                                                               : entry.is_directory()    ? "folder"
                                                               : entry.is_regular_file() ? readFile(entry.path())
                                                                                         : "other";
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

        const std::string::size_type semicolon = c.options.find(';');
        const std::string shell = semicolon == std::string::npos ? "" : c.options.substr(0, semicolon + 1);
        const Ended ended = runMeasured(shell + " " + KYIO_TEST_CLI + " docx2html " + c.options.substr(shell.size()) + " " +
                                            quoted(out + "/" + c.input) + " " + quoted(out),
                                        dir.file("errors"));
        EXPECT_EQ(ended.status, c.status) << ended.messages;
        EXPECT_NE(ended.messages.find(c.message), std::string::npos) << ended.messages;
        EXPECT_TRUE(!c.message.empty() || ended.messages.empty()) << ended.messages;
        std::istringstream lines(ended.messages);
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
        EXPECT_LT(ended.seconds, 10.0);
#if !defined(__SANITIZE_ADDRESS__)
        EXPECT_LT(ended.peakKiB, 512 * 1024);
#endif
    }
}

}  // namespace
