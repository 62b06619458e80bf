// SPDX-License-Identifier: MIT
// Beyond the stdio table and the resource_ops seeds: the resource file's factories, the local
// file's pass-through, and IFile::copy.
#include "support.h"

#include <gtest/gtest.h>

namespace {

using namespace kyio_test;

TEST(ResFileFactories, NarrowAndWideMakeTheSameFreshObject) {
    const std::unique_ptr<IFile> narrow(CResFile::create("Fonts\\N019003L.PFB"));
    const std::unique_ptr<IFile> wide(CResFile::create(L"Fonts\\N019003L.PFB"));
    for (IFile* file : {narrow.get(), wide.get()}) {
        ASSERT_NE(file, nullptr);
        EXPECT_TRUE(file->isValid() && file->tell() == 0 && file->crtErrorCode() == 0 && !file->eof());
        EXPECT_STREQ(file->name(), L":fonts/n019003l.pfb");
        EXPECT_TRUE(file->seek(0, 3) == -1 && file->crtErrorCode() == EINVAL) << "an origin that kyseek would refuse";
    }
    EXPECT_EQ(CResFile::create(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(CResFile::create(static_cast<const wchar_t*>(nullptr)), nullptr);
    const std::unique_ptr<IFile> unbounded(CResFile::create(std::wstring(5000, L'd').append(L"/wvhtml.xml").c_str()));
    EXPECT_NE(unbounded, nullptr) << "the wide factory has no length bound";
}

TEST(LocalFile, PassesStraightToTheCLibraryAndFlushesOnDestruction) {
    TempDir dir;
    {
        CLocalFile file(dir.file("data.txt").c_str(), "w+");
        char bytes[] = "0123456789";
        EXPECT_EQ(file.write(bytes, 2, 5), 5u);
        EXPECT_EQ(file.seek(-3, SEEK_END), 0);
        EXPECT_EQ(file.read(bytes, 1, 3), 3u);
        EXPECT_FALSE(file.eof()) << "a C stream is at its end only after a read tries to pass it";
        EXPECT_EQ(file.read(bytes, 1, 1), 0u);
        EXPECT_TRUE(file.eof());
        EXPECT_EQ(file.seek(0, 5), -1) << "the origin goes to fseek untested";
        EXPECT_EQ(file.crtErrorCode(), EINVAL) << "the error code is the thread's errno";
        EXPECT_EQ(file.seek(0, SEEK_END), 0);
        EXPECT_EQ(file.write(bytes, 1, 3), 3u);  // buffered until the destructor closes the stream
    }
    EXPECT_EQ(dir.read("data.txt"), "0123456789789");
}

TEST(Copy, WritesTheWholeContentInChunksFromTheStart) {
    const struct {
        size_t size;
        long startAt;
        std::vector<size_t> reads;  // what copy asks of the object, chunk by chunk
    } cases[] = {{0, 0, {0}}, {1025, 0, {1024, 1}}, {1500, 700, {1024, 476}}, {2048, 2048, {1024, 1024, 0}}};
    for (const auto& c : cases) {
        TempDir dir;
        const std::string content = kyio_test::manifestRows()[0].content().substr(0, c.size);
        HostFile file(content);
        file.seek(c.startAt, SEEK_SET);
        EXPECT_EQ(file.copy(dir.write("out.bin", std::string(5000, 'x')).c_str()), 0) << "an existing file is truncated";
        EXPECT_EQ(dir.read("out.bin"), content) << c.size;
        EXPECT_EQ(file.reads, c.reads) << c.size;
        EXPECT_EQ(file.tell(), static_cast<long>(c.size));
    }
}

TEST(Copy, InvalidObjectsUnopenableDestinationsAndOverclaimingReads) {
    TempDir dir;
    HostFile invalid("never read", false);
    EXPECT_EQ(invalid.copy(dir.write("out.bin", "old").c_str()), 0);
    EXPECT_EQ(dir.read("out.bin"), "");

    HostFile untouched("content");
    EXPECT_EQ(untouched.copy(dir.file("no/such/dir/out.bin").c_str()), EOF);
    EXPECT_TRUE(untouched.seeks == 0 && untouched.reads.empty()) << "without a destination the object is not touched";

    // A host read that claims more than the chunk may not make copy write past it, nor write
    // the stack's bytes: the rest of the chunk is zeros.
    struct Overclaiming : HostFile {
        Overclaiming() : HostFile("abc") {}
        size_t read(void* buffer, size_t size, size_t count) override {
            HostFile::read(buffer, size, count);
            return 5000;
        }
    } overclaiming;
    EXPECT_EQ(overclaiming.copy(dir.file("over.bin").c_str()), 0);
    EXPECT_EQ(dir.read("over.bin"), "abc" + std::string(1021, '\0'));

}

}  // namespace
