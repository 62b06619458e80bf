// SPDX-License-Identifier: MIT
// The kyio tool, run as a process the way a user runs it.
#include "support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <tuple>

namespace {

using namespace kyio_test;

const std::string kKyio = KYIO_TEST_CLI;

// Each resource's row, read as columns: id, name, size, hash (its first 16 digits in text,
// all of it in JSON), and with --long its package and licence.
TEST(KyioList, TextLongAndJsonRowsMatchTheSources) {
    const std::string text = run(kKyio + " list | tr -s ' '", false).output, json = run(kKyio + " list --json", false).output;
    const std::string longText = run(kKyio + " list --long", false).output;
    for (const auto& row : manifestRows()) {
        const std::string size = std::to_string(row.content().size()), hash = run("sha256sum " + quoted(row.source), false).output.substr(0, 64);
        const std::string columns = std::to_string(row.id) + " " + row.hostName() + " " + size + " " + hash.substr(0, 16) + "\n";
        EXPECT_NE(text.find(columns), std::string::npos) << columns;
        const char* licence = row.package == "wv" ? "GPL-2.0-or-later" : row.package == "-" ? "MIT" : "GPL with a font exception";
        const auto at = longText.find(" " + row.hostName() + " ");
        EXPECT_NE(longText.find(row.package + " ", at), std::string::npos) << row.name;
        EXPECT_NE(longText.find(licence, at), std::string::npos) << row.name;
        EXPECT_NE(json.find("{\"id\": " + std::to_string(row.id) + ", \"name\": \"" + row.hostName() + "\", \"size\": " + size +
                            ", \"sha256\": \"" + hash + "\", \"package\": \"" + row.package + "\", \"licence\": \""),
                  std::string::npos) << row.name;
    }
    const std::string version = run(kKyio + " --version", false).output;
    EXPECT_NE(version.find("26 from texlive-fonts-recommended: GPL with a font exception"), std::string::npos) << version;
    EXPECT_NE(version.find(" 1 from wv: GPL-2.0-or-later"), std::string::npos) << version;
}

TEST(KyioCat, ResourcesAndDiskFilesConcatenateAndAFailedNameIsSkipped) {
    kyio_test::TempDir dir;
    std::string names, expected;
    for (const auto& row : manifestRows()) {
        names += " " + row.hostName();
        expected += row.content();
    }
    const auto outcome = run(kKyio + " cat " + quoted(dir.write("a.txt", "first\n")) + " /absent" + names + " 2>/dev/null", false);
    EXPECT_EQ(outcome.status, 1) << "the missing name is reported at the end";
    EXPECT_TRUE(outcome.output == "first\n" + expected);

    // About a megabyte into a reader that stops after one byte: the writes meet a closed pipe.
    const auto piped = run("bash -c " + quoted(kKyio + " cat" + names + " 2>&1 | head -c1 >/dev/null; exit ${PIPESTATUS[0]}"));
    EXPECT_TRUE((piped.status == 0 || piped.status == 128 + SIGPIPE) && piped.output.empty()) << piped.output;
}

TEST(KyioExtract, AllAndOneByAnyOfItsNamesReproduceTheSources) {
    kyio_test::TempDir dir;
    ASSERT_EQ(run(kKyio + " extract --all " + quoted(dir.file("out"))).status, 0);
    EXPECT_EQ(run(kKyio + " verify --against " + quoted(dir.file("out"))).status, 0);
    dir.write("out/fonts/n021003l.afm", "tampered");
    const auto verify = run(kKyio + " verify --against " + quoted(dir.file("out")), false);
    EXPECT_EQ(verify.status, 1);
    EXPECT_NE(verify.output.find("FAIL   7 fonts/n021003l.afm"), std::string::npos) << verify.output;

    const std::string font = quoted(manifestRows()[15].source);  // fonts/n019003l.pfb
    ASSERT_EQ(run(kKyio + " extract FONTS\\\\N019003L.PFB " + quoted(dir.path())).status, 0) << "into a folder";
    EXPECT_EQ(run("cmp " + quoted(dir.file("n019003l.pfb")) + " " + font).status, 0);
    for (const char* dest : {"-", "/dev/stdout"}) {
        EXPECT_EQ(run("bash -o pipefail -c " + quoted(kKyio + " extract fonts/n019003l.pfb " + dest + " | cmp - " + font)).status, 0) << dest;
    }
}

TEST(KyioExtract, AFailedWriteLeavesTheOldFileAndNamesTheCause) {
    kyio_test::TempDir dir;
    const std::string dest = dir.write("dest.pfb", "old content");
    // A size limit of 8 KiB with SIGXFSZ ignored: the write fails with EFBIG part of the way.
    const auto outcome = run("bash -c " + quoted("ulimit -f 8; trap \"\" XFSZ; " + kKyio + " extract fonts/n019003l.pfb " + quoted(dest)));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, "kyio: cannot write " + dest + ": File too large\n");
    EXPECT_EQ(dir.read("dest.pfb"), "old content");
    EXPECT_EQ(run("ls -A " + quoted(dir.path())).output, "dest.pfb\n") << "a temporary file was left";
}

TEST(KyioErrors, OneLineAndTheDocumentedStatus) {
    kyio_test::TempDir dir;
    const std::string longName = std::string(1024, 'a') + "/wvhtml.xml";
    const std::tuple<std::string, int, std::string> cases[] = {  // arguments, status, message
        {"", 2, "missing COMMAND (see kyio --help)"},
        {"frobnicate", 2, "unknown command 'frobnicate' (see kyio --help)"},
        {"cat", 2, "cat: missing NAME"},
        {"extract --all", 2, "extract: expected NAME DEST, or --all DIR"},
        {"docx2html", 2, "docx2html: expected DOC.docx [OUT_DIR]"},
        {"realpath /no/such/file", 1, "cannot resolve /no/such/file: No such file or directory"},
        {"extract notes.txt out", 1, "notes.txt is not an embedded resource"},
        {"extract " + longName + " x", 1, longName + " is not an embedded resource"},
        {"extract wvhtml.xml " + dir.file("no/such/x"), 1, "cannot write " + dir.file("no/such/x") + ": No such file or directory"},
        {"docx2html " + dir.write("plain.docx", "not a zip"), 1,
         "cannot read " + dir.file("plain.docx") + " as a .docx package: Not a zip archive"},
    };
    for (const auto& [arguments, status, message] : cases) {
        const auto outcome = run(kKyio + " " + arguments + " 2>&1 >/dev/null", false);
        EXPECT_EQ(outcome.status, status) << arguments;
        EXPECT_EQ(outcome.output, "kyio: " + message + "\n") << arguments;
    }
}

TEST(KyioHelp, ToolAndEveryCommandDescribeThemselves) {
    const std::string help = run(kKyio + " help", false).output;
    EXPECT_NE(help.find("Exit status: 0 success, 1 failure"), std::string::npos) << help;
    EXPECT_EQ(run(kKyio + " -h", false).output, help);
    EXPECT_EQ(run(kKyio + " list --json --help", false).output.rfind("usage: kyio list", 0), 0u) << "the help option anywhere";
    EXPECT_EQ(run(kKyio + " -V", false).output.rfind("kyio 1.", 0), 0u);
}

}  // namespace
