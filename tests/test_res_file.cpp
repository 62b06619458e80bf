// SPDX-License-Identifier: MIT
// CResFile on real resources, made by both factories.
#include "kyio.h"
#include "support/print_through.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> decoded(unsigned int id) {
    std::vector<unsigned char> data;
    std::wstring name;
    cpp_res::getFileData(id, data, name);
    return data;
}

using kyio_test::printNarrow;
using kyio_test::printWide;

using Factory = CResFile* (*)(const char*);
CResFile* narrowFactory(const char* name) { return CResFile::create(name); }
CResFile* wideFactory(const char* name) {
    const std::string narrow = name;
    const std::wstring wide(narrow.begin(), narrow.end());
    return CResFile::create(wide.c_str());
}

class ResFileFromFactory : public ::testing::TestWithParam<Factory> {
protected:
    std::unique_ptr<IFile> open(const char* name) { return std::unique_ptr<IFile>(GetParam()(name)); }
};

TEST_P(ResFileFromFactory, NewObjectIsAtTheStartWithItsTableName) {
    auto file = open("Fonts\\N019003L.PFB");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->isValid());
    EXPECT_EQ(file->tell(), 0);
    EXPECT_EQ(file->crtErrorCode(), 0);
    EXPECT_FALSE(file->eof());
    EXPECT_STREQ(file->name(), L":fonts/n019003l.pfb");
}

TEST_P(ResFileFromFactory, WholeReadGivesTheContentThenNothing) {
    auto file = open("/any/dir/WvHtml.XML");
    ASSERT_NE(file, nullptr);
    const std::vector<unsigned char> expected = decoded(cpp_res::eResWvHtmlXml);
    std::vector<unsigned char> buffer(expected.size() + 100);
    EXPECT_EQ(file->read(buffer.data(), 1, buffer.size()), expected.size());
    buffer.resize(expected.size());
    EXPECT_TRUE(buffer == expected);
    EXPECT_TRUE(file->eof());
    EXPECT_EQ(file->read(buffer.data(), 1, 10), 0u);
    EXPECT_EQ(file->crtErrorCode(), 0);
}

TEST_P(ResFileFromFactory, UnknownNamesGiveNull) {
    for (const char* name : {"", ":wvhtml.xml", "fonts/none.afm", "n019003l.afm", "wvhtml.xml/"}) {
        EXPECT_EQ(open(name), nullptr) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(NarrowAndWide, ResFileFromFactory, ::testing::Values(narrowFactory, wideFactory));

struct ReadCase {
    const char* what;
    long startFromEnd;  // position before the read, counted back from the end
    size_t size;
    size_t count;
    size_t expectedItems;
    long expectedAdvance;
};

class ResFileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ResFileRead, CopiesAndCountsWholeItems) {
    const ReadCase& c = GetParam();
    std::unique_ptr<IFile> file(CResFile::create("fonts/s050000l.afm"));
    ASSERT_NE(file, nullptr);
    const std::vector<unsigned char> content = decoded(cpp_res::eResS050000lAfm);
    const long length = static_cast<long>(content.size());
    ASSERT_EQ(file->seek(-c.startFromEnd, SEEK_END), 0);

    std::vector<unsigned char> buffer(64, 0xEE);
    EXPECT_EQ(file->read(buffer.data(), c.size, c.count), c.expectedItems) << c.what;
    EXPECT_EQ(file->tell(), length - c.startFromEnd + c.expectedAdvance) << c.what;
    EXPECT_EQ(file->crtErrorCode(), 0);
    for (long i = 0; i < c.expectedAdvance; ++i) {
        EXPECT_EQ(buffer[i], content[length - c.startFromEnd + i]) << c.what;
    }
    EXPECT_EQ(buffer[c.expectedAdvance], 0xEE) << c.what << ": wrote past what it moved";
}

const size_t kHalf = size_t{1} << 31;
INSTANTIATE_TEST_SUITE_P(Cases, ResFileRead, ::testing::Values(
    ReadCase{"6 left, 10 items of 4", 6, 4, 10, 1, 6},
    ReadCase{"6 left, 2 items of 3", 6, 3, 2, 2, 6},
    ReadCase{"6 left, 1 item of 8", 6, 8, 1, 0, 6},
    ReadCase{"item size 0", 40, 0, 10, 0, 0},
    ReadCase{"item count 0", 40, 4, 0, 0, 0},
    ReadCase{"product 2^31: negative low bits", 40, kHalf, 1, 0, 0},
    ReadCase{"product 2^32: zero low bits", 40, kHalf, 2, 0, 0},
    ReadCase{"product 2^32 + 8: low bits 8", 40, (size_t{1} << 32) + 8, 1, 0, 8},
    ReadCase{"product 2^31 - 1: all that is left", 20, 1, kHalf - 1, 20, 20},
    ReadCase{"at the end", 0, 1, 10, 0, 0},
    ReadCase{"16 items of 2", 40, 2, 16, 16, 32}));

struct SeekCase {
    const char* what;
    long startAt;
    long offset;
    int origin;
    int expectedResult;
    long expectedPosition;  // -1000 stands for the length + 10
    int expectedError;
};

// Printed by name: GoogleTest would otherwise dump the case's bytes, padding included.
void PrintTo(const SeekCase& seekCase, std::ostream* out) { *out << seekCase.what; }

class ResFileSeek : public ::testing::TestWithParam<SeekCase> {};

TEST_P(ResFileSeek, MovesClampsAndReports) {
    const SeekCase& c = GetParam();
    std::unique_ptr<IFile> file(CResFile::create("docx2html_ie.xslt"));
    ASSERT_NE(file, nullptr);
    const long length = static_cast<long>(decoded(cpp_res::eResDocx2HtmlIeXslt).size());
    ASSERT_EQ(file->seek(c.startAt, SEEK_SET), 0);

    EXPECT_EQ(file->seek(c.offset, c.origin), c.expectedResult) << c.what;
    EXPECT_EQ(file->crtErrorCode(), c.expectedError) << c.what;
    EXPECT_EQ(file->tell(), c.expectedPosition == -1000 ? length + 10 : c.expectedPosition) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, ResFileSeek, ::testing::Values(
    SeekCase{"set", 0, 7, SEEK_SET, 0, 7, 0},
    SeekCase{"set before the start", 4, -5, SEEK_SET, 0, 0, 0},
    SeekCase{"cur back by 5 from 2", 2, -5, SEEK_CUR, 0, 0, 0},
    SeekCase{"cur forward", 2, 5, SEEK_CUR, 0, 7, 0},
    SeekCase{"end plus 10", 0, 10, SEEK_END, 0, -1000, 0},
    SeekCase{"cur by LONG_MAX saturates", 5, LONG_MAX, SEEK_CUR, 0, LONG_MAX, 0},
    SeekCase{"set to LONG_MIN clamps", 5, LONG_MIN, SEEK_SET, 0, 0, 0},
    SeekCase{"origin 3", 5, 0, 3, -1, 5, EINVAL},
    SeekCase{"origin -1", 5, 0, -1, -1, 5, EINVAL}));

TEST(ResFile, PastTheEndReadsNothingAndIsAtEof) {
    std::unique_ptr<IFile> file(CResFile::create("wvhtml.xml"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->seek(10, SEEK_END), 0);
    EXPECT_TRUE(file->eof());
    char byte;
    EXPECT_EQ(file->read(&byte, 1, 1), 0u);
    EXPECT_EQ(file->crtErrorCode(), 0);
    EXPECT_EQ(file->seek(-11, SEEK_CUR), 0);
    EXPECT_FALSE(file->eof());
    EXPECT_EQ(file->read(&byte, 1, 1), 1u);
    EXPECT_TRUE(file->eof());
}

TEST(ResFile, EofTurnsTrueOnReachingTheLastByte) {
    std::unique_ptr<IFile> file(CResFile::create("wvhtml.xml"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->seek(-1, SEEK_END), 0);
    EXPECT_FALSE(file->eof());
    char byte;
    EXPECT_EQ(file->read(&byte, 1, 1), 1u);
    EXPECT_TRUE(file->eof());  // unlike a C stream, no read past the end is needed
}

TEST(ResFile, OutputIsRefusedAndReadingGoesOn) {
    std::unique_ptr<IFile> file(CResFile::create("wvhtml.xml"));
    ASSERT_NE(file, nullptr);
    char bytes[5] = "abcd";
    ASSERT_EQ(file->read(bytes, 1, 2), 2u);
    EXPECT_EQ(file->write(bytes, 1, 4), 0u);
    EXPECT_EQ(file->crtErrorCode(), EACCES);
    EXPECT_EQ(file->tell(), 2);
    EXPECT_EQ(printNarrow(*file, "%d", 42), 0);
    EXPECT_EQ(file->crtErrorCode(), EACCES);
    EXPECT_EQ(printWide(*file, L"%ls", L"x"), 0);
    EXPECT_EQ(file->crtErrorCode(), EACCES);
    EXPECT_EQ(file->read(bytes + 2, 1, 3), 3u);
    EXPECT_EQ(file->crtErrorCode(), 0);
    EXPECT_EQ(file->tell(), 5);
    EXPECT_EQ(std::string(bytes, 5), "<main");  // the start of wvHtml.xml
}

TEST(ResFile, UnknownIdsMakeInvalidObjects) {
    for (const unsigned int id : {0u, 29u, 0xFFFFFFFFu}) {
        CResFile file(id);
        EXPECT_FALSE(file.isValid()) << id;
        EXPECT_STREQ(file.name(), L"");
        EXPECT_EQ(file.crtErrorCode(), ENOENT);
        EXPECT_TRUE(file.eof());
        char byte;
        EXPECT_EQ(file.read(&byte, 1, 1), 0u);
        EXPECT_EQ(file.crtErrorCode(), EINVAL);
        EXPECT_EQ(file.seek(0, SEEK_SET), 0);
        EXPECT_EQ(file.crtErrorCode(), EINVAL);
        EXPECT_EQ(file.tell(), 0);
        EXPECT_EQ(file.crtErrorCode(), EINVAL);
        EXPECT_EQ(file.write(&byte, 1, 1), 0u);
        EXPECT_EQ(file.crtErrorCode(), EINVAL);
    }
}

TEST(ResFile, ConstructorKeepsTheCallersIdAndDecodesIt) {
    const unsigned int id = cpp_res::eResN022024lPfb;
    CResFile file(id);
    ASSERT_TRUE(file.isValid());
    EXPECT_STREQ(file.name(), L":fonts/n022024l.pfb");
    const std::vector<unsigned char> expected = decoded(id);
    std::vector<unsigned char> got(expected.size());
    EXPECT_EQ(file.read(got.data(), got.size(), 1), 1u);
    EXPECT_TRUE(got == expected);
}

TEST(ResFileNarrowFactory, BoundsTheNameAt1023Bytes) {
    // "wvhtml.xml" as the last component, behind a directory that fills the name up.
    const auto named = [](size_t total) {
        const std::string tail = "/wvhtml.xml";
        return std::string(total - tail.size(), 'd') + tail;
    };
    std::unique_ptr<IFile> longest(CResFile::create(named(1023).c_str()));
    EXPECT_NE(longest, nullptr);
    EXPECT_EQ(CResFile::create(named(1024).c_str()), nullptr);
    EXPECT_EQ(CResFile::create(named(5000).c_str()), nullptr);
    std::unique_ptr<IFile> wide(CResFile::create(std::wstring(5000, L'd').append(L"/wvhtml.xml").c_str()));
    EXPECT_NE(wide, nullptr) << "the wide factory has no bound";
    EXPECT_EQ(CResFile::create(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(CResFile::create(static_cast<const wchar_t*>(nullptr)), nullptr);
}

TEST(ResFileNarrowFactory, BytesAbove0x7FWidenWithoutConversion) {
    // UTF-8 for "é" in a directory: the bytes widen to negative codes and do not disturb the tail.
    std::unique_ptr<IFile> file(CResFile::create("caf\xC3\xA9/WVHTML.xml"));
    ASSERT_NE(file, nullptr);
    EXPECT_STREQ(file->name(), L":wvhtml.xml");
    // In the name itself they make it unknown, however a locale might fold them.
    EXPECT_EQ(CResFile::create("wvhtml\xC3\xA9.xml"), nullptr);
    EXPECT_EQ(CResFile::create("\xC0wvhtml.xml"), nullptr);
}

}  // namespace
