// SPDX-License-Identifier: MIT
// kyio docx2html on crafted packages and hostile output folders: what it writes, what it
// refuses, and that it ends quickly and in bounded memory whatever the package claims.
#include "docx_cases.h"
#include "support.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
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

// Everything under folder, relative, sorted; a link shows as "name -> target".
std::string listing(const std::string& folder) {
    std::vector<std::string> names;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
        std::string name = fs::relative(it->path(), folder).string();
        if (it->is_symlink()) name += " -> " + fs::read_symlink(it->path()).string();
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names) text += name + "\n";
    return text;
}

// The regular files under folder and their contents.
std::map<std::string, std::string> contents(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && !entry.is_symlink()) files[fs::relative(entry.path(), folder).string()] = readFile(entry.path());
    }
    return files;
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
        const std::string before = listing(out);
        const auto kept = contents(out);

        const std::string::size_type semicolon = c.options.find(';');
        const std::string shell = semicolon == std::string::npos ? "" : c.options.substr(0, semicolon + 1);
        const Ended ended = runMeasured(shell + " " + KYIO_TEST_CLI + " docx2html " + c.options.substr(shell.size()) + " " +
                                            quoted(out + "/" + c.input) + " " + quoted(out),
                                        dir.file("errors"));
        EXPECT_EQ(ended.status, c.status) << ended.messages;
        if (c.message.empty()) {
            EXPECT_EQ(ended.messages, "");
        }
        EXPECT_NE(ended.messages.find(c.message), std::string::npos) << ended.messages;
        std::istringstream lines(ended.messages);
        for (std::string line; std::getline(lines, line);) EXPECT_EQ(line.rfind("kyio: ", 0), 0u) << line;

        // A failure changes nothing; a conversion adds its page and pictures, and replaces
        // only an earlier page and pictures' folder.
        std::string expected = before;
        if (c.status == 0) {
            std::vector<std::string> names;
            std::istringstream kept(before), made(c.made);
            for (std::string name; std::getline(kept, name);) {
                if (name.rfind("doc_files/", 0) != 0) names.push_back(name);
            }
            for (std::string name; std::getline(made, name);) names.push_back(name);
            std::sort(names.begin(), names.end());
            names.erase(std::unique(names.begin(), names.end()), names.end());
            expected.clear();
            for (const std::string& name : names) expected += name + "\n";
        }
        EXPECT_EQ(listing(out), expected);
        for (const auto& [name, content] : kept) {
            if (name.rfind("doc_files/", 0) != 0 && name != "doc.html") {
                EXPECT_EQ(readFile(out + "/" + name), content) << name;
            }
        }
        EXPECT_EQ(listing(dir.file("elsewhere")), "");
        EXPECT_LT(ended.seconds, 10.0);
#if !defined(__SANITIZE_ADDRESS__)
        EXPECT_LT(ended.peakKiB, 512 * 1024);
#endif
    }
}

TEST(Docx2html, ThePageShowsEachCopyWhereverItIsUsedAndNamesWhatWasLeftOut) {
    TempDir dir;
    dir.write("doc.docx", zipOf(docx(picture("r1") + picture("r2") + picture("r1"),
                                     relationship("r1", "image", "media/p.png") + relationship("r2", "image", "media/gone.png"),
                                     {{"word/media/p.png", kPng}})));
    const auto outcome = run(std::string(KYIO_TEST_CLI) + " docx2html " + quoted(dir.file("doc.docx")) + " " + quoted(dir.file("out")));
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    EXPECT_EQ(dir.read("out/doc_files/image1.png"), kPng);
    EXPECT_EQ(run("xmllint --html --xpath 'concat(count(//img[@src = \"doc_files/image1.png\"]), \"|\", //img[not(@src)]/@alt)' " +
                      quoted(dir.file("out/doc.html")), false).output,
              "2|[picture media/gone.png left out] r2\n");
}

}  // namespace
