// SPDX-License-Identifier: MIT
// The library lock (who waits for it, that it is always released) and many threads at once.
#include "support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using namespace kyio_test;

// Starts a call on a detached thread and gives the future of its end, so that a lock fault
// fails a test instead of hanging it.
std::shared_future<void> inBackground(std::function<void()> call) {
    auto done = std::make_shared<std::promise<void>>();
    std::thread([done, call = std::move(call)] { call(); done->set_value(); }).detach();
    return done->get_future().share();
}

bool finishes(const std::shared_future<void>& call, std::chrono::milliseconds limit) { return call.wait_for(limit) == std::future_status::ready; }

TEST(LibraryLock, HeldDuringAnOperationOnlyLockedFunctionsWait) {
    // A host file whose read blocks, with the library lock held, until the test releases it.
    struct Blocking : HostFile {
        size_t read(void*, size_t, size_t) override { entered.set_value(); release.get_future().wait(); return 0; }
        std::promise<void> entered, release;
    } blocking;
    FILE* other = kyopen("wvhtml.xml", "r");
    const auto reader = inBackground([&] { kyread(&blocking, 1, 1, kyioHandle(&blocking)); });
    blocking.entered.get_future().wait();

    // Argument checks fail before the lock; the unlocked functions never take it.
    EXPECT_TRUE(finishes(inBackground([&] {
        char resolved[4096];
        EXPECT_EQ(kyopen(nullptr, "r"), nullptr);
        EXPECT_EQ(kyseek(other, 0, 3), -1);
        EXPECT_EQ(kyeof(other) + kyferror(other) + kyscanf(other, "%d"), 0);
        EXPECT_GT(kyprintf(stdout, "%s\n", "stdout needs no lock"), 0);
        EXPECT_NE(kyrealpath("wvhtml.xml", resolved), nullptr);
    }), 2s));
    long position = -2;
    const auto teller = inBackground([&] { position = kytell(other); });
    EXPECT_FALSE(finishes(teller, 300ms)) << "a locked call on another handle waits";

    blocking.release.set_value();
    EXPECT_TRUE(finishes(reader, 5s) && finishes(teller, 5s));
    EXPECT_EQ(position, 0);
    EXPECT_EQ(kyclose(other), 0);
}

TEST(LibraryLock, ReleasedWhenAHostOperationThrows) {
    struct Throwing : HostFile {
        size_t read(void*, size_t, size_t) override { throw std::runtime_error("host read failed"); }
    } throwing;
    EXPECT_THROW(kyread(&throwing, 1, 4, kyioHandle(&throwing)), std::runtime_error);
    EXPECT_TRUE(finishes(inBackground([] { kyclose(kyopen("wvhtml.xml", "r")); }), 2s)) << "the lock was left held";
}

// The base companion's mutex in both of its modes, as a host may use it beside the library.
class Mutex : public testing::TestWithParam<kybase::QMutex::RecursionMode> {};

TEST_P(Mutex, CountsExactlyUnderContentionAndALongWaiterStillGetsIt) {
    kybase::QMutex mutex(GetParam());
    long counter = 0;  // a plain variable: only the mutex keeps the threads apart
    std::atomic<bool> stop{false};
    std::atomic<long> increments{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t) {
        threads.emplace_back([&] {
            long own = 0;
            for (; own < 20000 || !stop; ++own) {
                mutex.lock();
                ++counter;
                mutex.unlock();
            }
            increments += own;
        });
    }
    // While three threads take and release it as fast as they can, a fourth one gets it.
    EXPECT_TRUE(finishes(inBackground([&] { mutex.lock(); counter += 1000000; mutex.unlock(); }), 10s));
    stop = true;
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(counter, 1000000 + increments.load());
}

TEST_P(Mutex, AnotherThreadWaitsUntilEveryLockIsReleased) {
    kybase::QMutex mutex(GetParam());
    const int depth = GetParam() == kybase::QMutex::Recursive ? 3 : 1;
    for (int i = 0; i < depth; ++i) mutex.lock();
    const auto waiter = inBackground([&] { mutex.lock(); mutex.unlock(); });
    for (int i = 0; i < depth; ++i) {
        EXPECT_FALSE(finishes(waiter, 100ms)) << "the mutex is still held " << depth - i << " times";
        mutex.unlock();
    }
    EXPECT_TRUE(finishes(waiter, 5s));
}

INSTANTIATE_TEST_SUITE_P(BothModes, Mutex, testing::Values(kybase::QMutex::NonRecursive, kybase::QMutex::Recursive));

TEST(Threads, OpenReadWriteAndRegisterAtOnce) {
    const auto& rows = kyio_test::manifestRows();
    kyio_test::TempDir dir;
    std::atomic<int> failures{0}, ready{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            // All four start at once, so that their first calls race the library's first use.
            for (ready.fetch_add(1); ready.load() < 4;) std::this_thread::yield();
            std::vector<char> buffer(400000);
            for (int round = 0; round < 12; ++round) {
                const auto& row = rows[static_cast<size_t>(t * 7 + round) % rows.size()];
                FILE* resource = kyopen(row.hostName().c_str(), "rb");
                const size_t got = kyread(buffer.data(), 1, buffer.size(), resource);
                failures += std::string(buffer.data(), got) != row.content() || kyeof(resource) != 1 || kyclose(resource) != 0;

                const std::string path = dir.file("t" + std::to_string(t) + "_" + std::to_string(round));
                FILE* disk = kyopen(path.c_str(), "w+");
                const int printed = kyprintf(disk, "thread %d round %d", t, round);
                failures += kyseek(disk, 0, SEEK_SET) != 0 || kyread(buffer.data(), 1, 64, disk) != size_t(printed) ||
                            kyclose(disk) != 0 || kystat(path.c_str()) != 0;
                HostFile own("own");
                failures += !kyiolibRegisterFile(&own) || kyiolibRegisterFile(&own) || !kyiolibDeRegisterFile(&own);
                failures += kyrealpath(row.hostName().c_str(), buffer.data()) == nullptr;
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(failures.load(), 0);
}

}  // namespace
