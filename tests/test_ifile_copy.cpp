// SPDX-License-Identifier: MIT
// IFile::copy over a file class of the host's own, derived outside the library.
#include "kyio.h"
#include "support/host_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kyio_test::HostFile;

std::string patterned(size_t size) {
    std::string content(size, '\0');
    for (size_t i = 0; i < size; ++i) content[i] = static_cast<char>(i * 7 + i / 256);
    return content;
}

struct CopyCase {
    size_t size;
    long startAt;
    std::vector<size_t> reads;  // what copy should ask of the object, chunk by chunk
};

class HostFileCopy : public ::testing::TestWithParam<CopyCase> {};

TEST_P(HostFileCopy, WritesWholeContentInChunks) {
    const CopyCase& c = GetParam();
    kyio_test::TempDir dir;
    const std::string content = patterned(c.size);
    HostFile file(content);
    file.seek(c.startAt, SEEK_SET);

    EXPECT_EQ(file.copy(dir.file("out.bin").c_str()), 0);
    EXPECT_EQ(dir.read("out.bin"), content);
    EXPECT_EQ(file.reads, c.reads);
    EXPECT_EQ(file.tell(), static_cast<long>(c.size));
}

INSTANTIATE_TEST_SUITE_P(Sizes, HostFileCopy,
                         ::testing::Values(CopyCase{0, 0, {0}}, CopyCase{1024, 0, {1024, 0}},
                                           CopyCase{1025, 0, {1024, 1}},
                                           CopyCase{1500, 0, {1024, 476}},
                                           CopyCase{2048, 0, {1024, 1024, 0}},
                                           CopyCase{1500, 700, {1024, 476}},
                                           CopyCase{2048, 2048, {1024, 1024, 0}}));

TEST(HostFileCopy, TruncatesAnExistingDestination) {
    kyio_test::TempDir dir;
    dir.write("out.bin", std::string(5000, 'x'));
    HostFile file("short");
    EXPECT_EQ(file.copy(dir.file("out.bin").c_str()), 0);
    EXPECT_EQ(dir.read("out.bin"), "short");
}

TEST(HostFileCopy, InvalidObjectGivesEmptyFile) {
    kyio_test::TempDir dir;
    dir.write("out.bin", "old content");
    HostFile file("never read", false);
    EXPECT_EQ(file.copy(dir.file("out.bin").c_str()), 0);
    EXPECT_EQ(dir.read("out.bin"), "");
}

TEST(HostFileCopy, UnopenableDestinationFailsWithoutTouchingTheObject) {
    kyio_test::TempDir dir;
    HostFile file("content");
    file.seek(3, SEEK_SET);
    const int seeksBefore = file.seeks;
    EXPECT_EQ(file.copy(dir.file("no/such/dir/out.bin").c_str()), EOF);
    EXPECT_EQ(file.seeks, seeksBefore);
    EXPECT_TRUE(file.reads.empty());
    EXPECT_EQ(file.tell(), 3);
}

// A faulty host read that claims more than the chunk must not make copy write past it.
class OverclaimingFile : public HostFile {
public:
    OverclaimingFile() : HostFile("abc") {}
    size_t read(void* buffer, size_t size, size_t count) override {
        HostFile::read(buffer, size, count);
        return 5000;
    }
};

TEST(HostFileCopy, OverlongReadResultIsCutToTheChunk) {
    kyio_test::TempDir dir;
    OverclaimingFile file;
    EXPECT_EQ(file.copy(dir.file("out.bin").c_str()), 0);
    EXPECT_EQ(dir.read("out.bin"), "abc" + std::string(1021, '\0')) << "the rest of the chunk is zeros";
}

TEST(HostFileCopy, ResourceFileCopiesToItsSourceBytes) {
    kyio_test::TempDir dir;
    IFile* file = CResFile::create("fonts/n019003l.afm");
    ASSERT_NE(file, nullptr);
    unsigned int id = cpp_res::eResN019003lAfm;
    std::vector<unsigned char> expected;
    std::wstring name;
    ASSERT_TRUE(cpp_res::getFileData(id, expected, name));

    file->seek(100, SEEK_SET);
    EXPECT_EQ(file->copy(dir.file("font.afm").c_str()), 0);
    EXPECT_EQ(dir.read("font.afm"), std::string(expected.begin(), expected.end()));
    EXPECT_TRUE(file->eof());
    delete file;
}

}  // namespace
