// SPDX-License-Identifier: MIT
// Which functions wait for the library lock, and that it is always released.
#include "kyio.h"
#include "support/host_file.h"
#include "support/within.h"

#include <gtest/gtest.h>

#include <future>
#include <stdexcept>

namespace {

using namespace std::chrono_literals;
using kyio_test::Background;
using kyio_test::finishesWithin;

// A host file whose read blocks, with the library lock held, until the test releases it.
class BlockingFile : public kyio_test::HostFile {
public:
    BlockingFile() : HostFile("blocking content") {}
    size_t read(void* buffer, size_t size, size_t count) override {
        entered_.set_value();
        release_.get_future().wait();
        return HostFile::read(buffer, size, count);
    }
    void waitUntilEntered() { entered_.get_future().wait(); }
    void release() { release_.set_value(); }

private:
    std::promise<void> entered_;
    std::promise<void> release_;
};

class ThrowingFile : public kyio_test::HostFile {
public:
    size_t read(void*, size_t, size_t) override { throw std::runtime_error("host read failed"); }
    long tell() override { throw std::runtime_error("host tell failed"); }
};

FILE* handleOf(IFile& file) { return kyioHandle(&file); }

TEST(LibraryLock, HeldDuringAnOperationOnlyLockedFunctionsWait) {
    BlockingFile blocking;
    FILE* other = kyopen("wvhtml.xml", "r");
    ASSERT_NE(other, nullptr);

    char buffer[8];
    Background reader([&] { kyread(buffer, 1, 8, handleOf(blocking)); });
    blocking.waitUntilEntered();

    // Argument checks fail before the lock; the unlocked functions never take it.
    EXPECT_TRUE(finishesWithin(2s, [] { EXPECT_EQ(kyopen(nullptr, "r"), nullptr); }));
    EXPECT_TRUE(finishesWithin(2s, [&] { EXPECT_EQ(kyseek(other, 0, 3), -1); }));
    EXPECT_TRUE(finishesWithin(2s, [&] { EXPECT_EQ(kyeof(other), 0); }));
    EXPECT_TRUE(finishesWithin(2s, [&] { EXPECT_EQ(kyferror(other), 0); }));
    EXPECT_TRUE(finishesWithin(2s, [&] { EXPECT_EQ(kyscanf(other, "%d"), 0); }));
    EXPECT_TRUE(finishesWithin(2s, [] { EXPECT_GT(kyprintf(stdout, "%s\n", "stdout needs no lock"), 0); }));
    EXPECT_TRUE(finishesWithin(2s, [] {
        char resolved[4096];
        EXPECT_NE(kyrealpath("wvhtml.xml", resolved), nullptr);
    }));
    EXPECT_TRUE(finishesWithin(2s, [] { getAppTempFolderName(); }));

    // A locked call on another handle waits for the reader.
    long position = -2;
    Background teller([&] { position = kytell(other); });
    EXPECT_FALSE(teller.finishedWithin(300ms));
    // Registration takes the lock before it looks at its argument, even a null one.
    Background registering([] { kyiolibRegisterFile(nullptr); });
    EXPECT_FALSE(registering.finishedWithin(100ms));

    blocking.release();
    EXPECT_TRUE(reader.finishedWithin(5s));
    EXPECT_TRUE(teller.finishedWithin(5s));
    EXPECT_TRUE(registering.finishedWithin(5s));
    EXPECT_EQ(position, 0);
    EXPECT_EQ(kyclose(other), 0);
}

TEST(LibraryLock, ReleasedWhenAHostOperationThrows) {
    ThrowingFile throwing;
    char buffer[4];
    EXPECT_THROW(kyread(buffer, 1, 4, handleOf(throwing)), std::runtime_error);
    EXPECT_THROW(kytell(handleOf(throwing)), std::runtime_error);
    EXPECT_TRUE(finishesWithin(2s, [] {
        FILE* handle = kyopen("wvhtml.xml", "r");
        EXPECT_EQ(kytell(handle), 0);
        kyclose(handle);
    })) << "the lock was left held";
}

}  // namespace
