// SPDX-License-Identifier: MIT
// CLocalFile on real files in a temporary directory.
#include "kyio.h"
#include "support/print_through.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cwchar>
#include <string>

namespace {

using kyio_test::printNarrow;
using kyio_test::printWide;

TEST(LocalFile, WriteThenReadRoundTrips) {
    kyio_test::TempDir dir;
    const std::string path = dir.file("data.bin");
    {
        CLocalFile file(path.c_str(), "wb");
        ASSERT_TRUE(file.isValid());
        char bytes[] = "0123456789";
        EXPECT_EQ(file.write(bytes, 2, 5), 5u);
        EXPECT_EQ(file.tell(), 10);
    }
    CLocalFile file(path.c_str(), "rb");
    ASSERT_TRUE(file.isValid());
    char got[11] = {};
    EXPECT_EQ(file.read(got, 1, 4), 4u);
    EXPECT_STREQ(got, "0123");
    EXPECT_EQ(file.seek(-2, SEEK_END), 0);
    EXPECT_EQ(file.tell(), 8);
    EXPECT_EQ(file.read(got, 1, 10), 2u);
    EXPECT_EQ(std::string(got, 2), "89");
}

TEST(LocalFile, FormattedOutputReachesTheFile) {
    kyio_test::TempDir dir;
    {
        CLocalFile file(dir.file("narrow.txt").c_str(), "w");
        EXPECT_EQ(printNarrow(file, "%s=%d;", "x", 42), 5);
    }
    EXPECT_EQ(dir.read("narrow.txt"), "x=42;");
    {
        CLocalFile file(dir.file("wide.txt").c_str(), "w");
        EXPECT_EQ(printWide(file, L"%ls-%d", L"abc", 7), 5);
    }
    EXPECT_EQ(dir.read("wide.txt"), "abc-7");
}

TEST(LocalFile, EofOnlyAfterAReadTriesToPassTheEnd) {
    kyio_test::TempDir dir;
    CLocalFile file(dir.write("three.txt", "abc").c_str(), "r");
    ASSERT_TRUE(file.isValid());
    char got[8];
    EXPECT_EQ(file.read(got, 1, 3), 3u);
    EXPECT_FALSE(file.eof());
    EXPECT_EQ(file.read(got, 1, 1), 0u);
    EXPECT_TRUE(file.eof());
    EXPECT_EQ(file.seek(0, SEEK_SET), 0);
    EXPECT_FALSE(file.eof());
}

TEST(LocalFile, NameIsAlwaysEmpty) {
    kyio_test::TempDir dir;
    CLocalFile valid(dir.write("a.txt", "a").c_str(), "r");
    CLocalFile invalid(dir.file("missing.txt").c_str(), "r");
    EXPECT_STREQ(valid.name(), L"");
    EXPECT_STREQ(invalid.name(), L"");
}

TEST(LocalFile, MissingFileGivesInvalidObjectWithEnoent) {
    kyio_test::TempDir dir;
    errno = 0;
    CLocalFile file(dir.file("missing.txt").c_str(), "r");
    EXPECT_FALSE(file.isValid());
    EXPECT_EQ(file.crtErrorCode(), ENOENT);
    EXPECT_TRUE(file.eof());
}

TEST(LocalFile, InvalidObjectFailsEveryGatedOperationWithEinval) {
    kyio_test::TempDir dir;
    CLocalFile file(dir.file("missing.txt").c_str(), "r");
    ASSERT_FALSE(file.isValid());
    char byte = 'x';
    const struct {
        const char* what;
        long result;
        long expected;
    } cases[] = {
        {"read", (errno = 0, static_cast<long>(file.read(&byte, 1, 1))), 0},
        {"write", (errno = 0, static_cast<long>(file.write(&byte, 1, 1))), 0},
        {"vprintf", (errno = 0, printNarrow(file, "%d", 1)), 0},
        {"vwprintf", (errno = 0, printWide(file, L"%d", 1)), 0},
        {"seek", (errno = 0, file.seek(0, SEEK_SET)), -1},
        {"tell", (errno = 0, file.tell()), -1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
    // Each entry above reset errno before its call; the last one left EINVAL.
    EXPECT_EQ(errno, EINVAL);
    errno = 0;
    EXPECT_EQ(file.read(&byte, 1, 1), 0u);
    EXPECT_EQ(file.crtErrorCode(), EINVAL);
}

TEST(LocalFile, ErrorCodeIsTheThreadsErrno) {
    kyio_test::TempDir dir;
    CLocalFile file(dir.write("a.txt", "abc").c_str(), "r");
    errno = ERANGE;
    EXPECT_EQ(file.crtErrorCode(), ERANGE);
    errno = 0;
    EXPECT_EQ(file.crtErrorCode(), 0);
}

TEST(LocalFile, CLibraryFailuresComeBackUnchanged) {
    kyio_test::TempDir dir;
    CLocalFile file(dir.write("a.txt", "abc").c_str(), "r");
    errno = 0;
    EXPECT_EQ(file.seek(0, 5), -1);  // the origin goes to fseek untested
    EXPECT_EQ(file.crtErrorCode(), EINVAL);
    errno = 0;
    char bytes[] = "xyz";
    EXPECT_EQ(file.write(bytes, 1, 3), 0u);  // opened for reading
    EXPECT_EQ(file.crtErrorCode(), EBADF);
}

TEST(LocalFile, DestructorFlushesWhatIsBuffered) {
    kyio_test::TempDir dir;
    auto* file = new CLocalFile(dir.file("out.txt").c_str(), "w");
    char bytes[] = "buffered";
    EXPECT_EQ(file->write(bytes, 1, 8), 8u);
    delete static_cast<IFile*>(file);
    EXPECT_EQ(dir.read("out.txt"), "buffered");
}

}  // namespace
