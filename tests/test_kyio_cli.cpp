// SPDX-License-Identifier: MIT
// The kyio tool, run as a process the way a user runs it.
#include "support/manifest.h"
#include "support/run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>
#include <string>

namespace {

using kyio_test::manifestRows;
using kyio_test::quoted;
using kyio_test::run;

const std::string kKyio = KYIO_TEST_CLI;

std::string hostName(const kyio_test::ManifestRow& row) { return row.name.substr(1); }

std::string sha256Of(const std::string& path) {
    const auto outcome = run("sha256sum " + quoted(path), false);
    return outcome.output.substr(0, 64);
}

TEST(KyioList, RowsMatchTheTableAndTheSources) {
    const auto outcome = run(kKyio + " list", false);
    ASSERT_EQ(outcome.status, 0);
    std::istringstream lines(outcome.output);
    std::string header;
    std::getline(lines, header);
    EXPECT_EQ(header.find("ID"), 1u);
    for (const auto& row : manifestRows()) {
        unsigned int id = 0;
        std::string name, hash;
        size_t size = 0;
        ASSERT_TRUE(lines >> id >> name >> size >> hash) << "row " << row.id;
        EXPECT_EQ(id, row.id);
        EXPECT_EQ(name, hostName(row));
        EXPECT_EQ(size, kyio_test::readFile(row.source).size());
        EXPECT_EQ(hash, sha256Of(row.source).substr(0, 16)) << name;
    }
    std::string extra;
    EXPECT_FALSE(lines >> extra) << "more rows than resources";
}

TEST(KyioList, JsonCarriesTheWholeHash) {
    const auto outcome = run(kKyio + " list --json", false);
    ASSERT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.output.front(), '[');
    for (const auto& row : manifestRows()) {
        const std::string entry = "{\"id\": " + std::to_string(row.id) + ", \"name\": \"" + hostName(row) +
                                  "\", \"size\": " + std::to_string(kyio_test::readFile(row.source).size()) +
                                  ", \"sha256\": \"" + sha256Of(row.source) + "\", \"package\": \"" +
                                  row.package + "\", \"licence\": \"";
        EXPECT_NE(outcome.output.find(entry), std::string::npos) << entry;
    }
}

TEST(KyioList, LongFormAndVersionNameEachFilesSourceAndLicence) {
    std::istringstream listing(run(kKyio + " list --long", false).output);
    std::string line;
    std::getline(listing, line);
    for (const auto& row : manifestRows()) {
        ASSERT_TRUE(std::getline(listing, line));
        EXPECT_NE(line.find(" " + hostName(row) + " "), std::string::npos) << line;
        EXPECT_NE(line.find("  " + row.package + " "), std::string::npos) << line;
        EXPECT_NE(line.find(row.package == "wv" ? "GPL-2.0-or-later; " : row.package == "-" ? "MIT; " : "GPL with a font exception; "),
                  std::string::npos) << line;
    }
    const std::string version = run(kKyio + " --version", false).output;
    EXPECT_NE(version.find("26 from texlive-fonts-recommended: GPL with a font exception"), std::string::npos) << version;
    EXPECT_NE(version.find(" 1 from wv: GPL-2.0-or-later"), std::string::npos) << version;
}

TEST(KyioCat, EveryResourceMatchesItsSource) {
    kyio_test::TempDir dir;
    for (const auto& row : manifestRows()) {
        const std::string out = dir.file("out");
        ASSERT_EQ(run(kKyio + " cat " + quoted(hostName(row)) + " > " + quoted(out)).status, 0);
        EXPECT_EQ(run("cmp " + quoted(out) + " " + quoted(row.source)).status, 0) << row.name;
    }
}

TEST(KyioCat, DiskFilesAndSeveralNamesConcatenate) {
    kyio_test::TempDir dir;
    const std::string a = dir.write("a.txt", "first\n");
    const auto outcome = run(kKyio + " cat " + quoted(a) + " WVHTML.XML " + quoted(a), false);
    ASSERT_EQ(outcome.status, 0);
    const auto xml = kyio_test::readFile(manifestRows()[0].source);
    EXPECT_EQ(outcome.output, "first\n" + std::string(xml.begin(), xml.end()) + "first\n");
}

TEST(KyioCat, ClosedPipeEndsItQuietly) {
    // About a megabyte into a reader that stops after one byte: the writes meet a closed pipe.
    std::string all;
    for (const auto& row : manifestRows()) all += " " + hostName(row);
    const auto piped = run("bash -c " + quoted(kKyio + " cat" + all + " 2>&1 | head -c1 >/dev/null; exit ${PIPESTATUS[0]}"));
    EXPECT_TRUE(piped.status == 0 || piped.status == 128 + SIGPIPE) << piped.status;
    EXPECT_EQ(piped.output, "");
}

TEST(KyioCat, GoesOnAfterAFailedOperand) {
    kyio_test::TempDir dir;
    const std::string a = dir.write("a.txt", "first\n");
    const auto outcome = run(kKyio + " cat " + quoted(dir.file("absent")) + " " + quoted(a) + " 2>/dev/null", false);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, "first\n");
}

TEST(KyioExtract, AllReproducesTheSourcesWithTheFontsFolder) {
    kyio_test::TempDir dir;
    const auto outcome = run(kKyio + " extract --all " + quoted(dir.file("out")), false);
    ASSERT_EQ(outcome.status, 0) << outcome.output;
    for (const auto& row : manifestRows()) {
        EXPECT_EQ(run("cmp " + quoted(dir.file("out/" + hostName(row))) + " " + quoted(row.source)).status, 0)
            << row.name;
        EXPECT_NE(outcome.output.find("to " + dir.file("out/" + hostName(row))), std::string::npos);
    }
    EXPECT_NE(outcome.output.find("extracted 28 resources"), std::string::npos);
    EXPECT_EQ(run(kKyio + " verify --against " + quoted(dir.file("out"))).status, 0);
}

TEST(KyioExtract, OneResourceByAnyOfItsNames) {
    kyio_test::TempDir dir;
    const auto& row = manifestRows()[15];  // fonts/n019003l.pfb
    ASSERT_EQ(run(kKyio + " extract FONTS\\\\N019003L.PFB " + quoted(dir.file("font.pfb"))).status, 0);
    EXPECT_EQ(run("cmp " + quoted(dir.file("font.pfb")) + " " + quoted(row.source)).status, 0);
}

TEST(KyioExtract, AFailedWriteLeavesTheOldFileAndNamesTheCause) {
    kyio_test::TempDir dir;
    const std::string dest = dir.write("dest.pfb", "old content");
    // A size limit of 8 KiB with SIGXFSZ ignored: the write fails with EFBIG part of the way.
    const auto outcome = run("bash -c " + quoted("ulimit -f 8; trap \"\" XFSZ; " + kKyio +
                                                 " extract fonts/n019003l.pfb " + quoted(dest)));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, "kyio: cannot write " + dest + ": File too large\n");
    EXPECT_EQ(dir.read("dest.pfb"), "old content");
    EXPECT_EQ(run("ls -A " + quoted(dir.path())).output, "dest.pfb\n") << "a temporary file was left";
}

TEST(KyioExtract, IntoAFolderToStandardOutputAndThroughAPipe) {
    kyio_test::TempDir dir;
    const std::string source = quoted(manifestRows()[0].source);
    ASSERT_EQ(run(kKyio + " extract WVHTML.XML " + quoted(dir.path())).status, 0);
    EXPECT_EQ(run("cmp " + quoted(dir.file("wvhtml.xml")) + " " + source).status, 0);
    for (const char* dest : {"-", "/dev/stdout"}) {
        const auto piped = run("bash -o pipefail -c " + quoted(kKyio + " extract wvhtml.xml " + dest + " | cmp - " + source));
        EXPECT_EQ(piped.status, 0) << dest << ": " << piped.output;
    }
}

TEST(KyioVerify, PassesAndFailsAgainstADirectory) {
    EXPECT_EQ(run(kKyio + " verify").status, 0);
    kyio_test::TempDir dir;
    ASSERT_EQ(run(kKyio + " extract --all " + quoted(dir.path())).status, 0);
    dir.write("fonts/n021003l.afm", "tampered");
    const auto outcome = run(kKyio + " verify --against " + quoted(dir.path()), false);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.output.find("FAIL   7 fonts/n021003l.afm"), std::string::npos) << outcome.output;
    EXPECT_NE(outcome.output.find("1 of 28 resources failed"), std::string::npos);
}

TEST(KyioStatAndRealpath, AnswerAsTheLibraryDoes) {
    kyio_test::TempDir dir;
    const std::string file = dir.write("here.txt", "x");
    EXPECT_EQ(run(kKyio + " stat wvhtml.xml").status, 0);
    EXPECT_EQ(run(kKyio + " stat " + quoted(file)).status, 0);
    EXPECT_EQ(run(kKyio + " stat " + quoted(dir.file("absent"))).status, 1);
    EXPECT_EQ(run(kKyio + " realpath Fonts/N019003L.afm").output, "Fonts/N019003L.afm\n");
    const auto resolved = run(kKyio + " realpath " + quoted(dir.file("./here.txt")));
    EXPECT_EQ(resolved.status, 0);
    EXPECT_EQ(resolved.output, std::filesystem::canonical(file).string() + "\n");
}

TEST(KyioErrors, OneLineAndTheDocumentedStatus) {
    kyio_test::TempDir dir;
    const struct {
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        {"", 2, "kyio: missing COMMAND (see kyio --help)\n"},
        {"frobnicate", 2, "kyio: unknown command 'frobnicate' (see kyio --help)\n"},
        {"cat", 2, "kyio: cat: missing NAME\n"},
        {"list --yaml", 2, "kyio: list: unknown argument '--yaml'\n"},
        {"extract wvhtml.xml", 2, "kyio: extract: expected NAME DEST, or --all DIR\n"},
        {"extract --all", 2, "kyio: extract: expected NAME DEST, or --all DIR\n"},
        {"help frobnicate", 2, "kyio: help: expected one COMMAND (see kyio --help)\n"},
        {"extract " + std::string(1024, 'a') + "/wvhtml.xml x", 1,
         "kyio: " + std::string(1024, 'a') + "/wvhtml.xml is not an embedded resource\n"},
        {"stat", 2, "kyio: stat: expected one PATH\n"},
        {"realpath a b", 2, "kyio: realpath: expected one PATH\n"},
        {"verify --against", 2, "kyio: verify: expected nothing or --against DIR\n"},
        {"cat " + dir.file("absent"), 1, "kyio: cannot open " + dir.file("absent") + ": No such file or directory\n"},
        {"cat " + dir.path(), 1, "kyio: cannot read " + dir.path() + ": Is a directory\n"},
        {"extract notes.txt out", 1, "kyio: notes.txt is not an embedded resource\n"},
        {"extract wvhtml.xml " + dir.file("no/such/dir/x"), 1,
         "kyio: cannot write " + dir.file("no/such/dir/x") + ": No such file or directory\n"},
        {"realpath " + dir.file("absent"), 1, "kyio: cannot resolve " + dir.file("absent") + ": No such file or directory\n"},
        {"docx2html", 2, "kyio: docx2html: expected DOC.docx [OUT_DIR]\n"},
        {"docx2html " + dir.write("plain.docx", "not a zip"), 1,
         "kyio: cannot read " + dir.file("plain.docx") + " as a .docx package: Not a zip archive\n"},
    };
    for (const auto& c : cases) {
        const auto outcome = run(kKyio + " " + c.arguments + " 2>&1 >/dev/null", false);
        EXPECT_EQ(outcome.status, c.status) << c.arguments;
        EXPECT_EQ(outcome.output, c.message) << c.arguments;
    }
}

TEST(KyioHelp, ToolAndEveryCommandDescribeThemselves) {
    for (const char* asked : {" --help", " -h", " help"}) {
        const auto help = run(kKyio + asked, false);
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.output.find("Exit status: 0 success, 1 failure"), std::string::npos) << asked;
        for (const char* command : {"list", "cat", "extract", "stat", "realpath", "docx2html", "verify"}) {
            EXPECT_NE(help.output.find(std::string("\n  ") + command), std::string::npos) << command;
        }
    }
    for (const std::string command : {"list --json", "cat", "extract", "stat", "realpath", "verify"}) {
        const std::string name = command.substr(0, command.find(' '));
        for (const std::string& asked : {command + " --help", command + " -h", "help " + name}) {
            const auto own = run(kKyio + " " + asked, false);
            EXPECT_EQ(own.status, 0) << asked;
            EXPECT_EQ(own.output.rfind("usage: kyio " + name, 0), 0u) << own.output;
        }
    }
    for (const char* asked : {" --version", " -V"}) {
        const auto version = run(kKyio + asked, false);
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.output.rfind("kyio 1.", 0), 0u);
    }
}

}  // namespace
