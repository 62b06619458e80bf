// SPDX-License-Identifier: MIT
// The k-th operator new along an operation throws, for k = 1, 2, ... until it gets through; after
// each failure the caller has the exception, the lock is free, the registry as before, no leak.
#include "support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <new>
#include <set>

// Allocations left before the one that fails; 0 means none is armed. Per thread, so that the
// thread that probes the lock allocates freely.
static thread_local long t_allocationsLeft = 0;

void* operator new(std::size_t size) {
    if (t_allocationsLeft > 0 && --t_allocationsLeft == 0) throw std::bad_alloc();
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    throw std::bad_alloc();
}
// Kept out of line: inlined, GCC takes the free of memory from this operator new for a mismatch.
__attribute__((noinline)) void operator delete(void* memory) noexcept { std::free(memory); }
__attribute__((noinline)) void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

std::set<FILE*> registryNow() {
    CFileCounter::m_lock.Lock();
    const std::set<FILE*> files = CFileCounter::get().m_files;
    CFileCounter::m_lock.Unlock();
    return files;
}

// Another thread registers a file, which takes the lock but builds nothing for the sweep to fail.
bool lockIsFree() {
    auto probe = std::async(std::launch::async, [] { kyio_test::HostFile f; return kyiolibRegisterFile(&f) && kyiolibDeRegisterFile(&f); });
    return probe.wait_for(std::chrono::seconds(10)) == std::future_status::ready && probe.get();
}

// Fails each allocation of the operation once; returns how many. Pass 1 runs into the first
// use (whose objects are then kept), pass 2 sweeps the operation's own allocations again.
int sweep(const std::string& what, const std::function<void()>& operation) {
    int points = 0;
    for (int pass = 1; pass <= 2; ++pass) {
        for (long k = 1;; ++k, ++points) {
            const std::set<FILE*> before = registryNow();
            t_allocationsLeft = k;
            bool failed = false;
            try {
                operation();
            } catch (const std::bad_alloc&) { failed = true; }
            // Spent but not thrown to the caller: the k-th allocation failed and was swallowed.
            EXPECT_FALSE(!failed && t_allocationsLeft == 0) << what << ", allocation " << k << " failed unseen";
            t_allocationsLeft = 0;
            if (!failed) break;
            EXPECT_EQ(registryNow(), before) << what << ", allocation " << k;
            EXPECT_TRUE(lockIsFree()) << what << ", allocation " << k;
        }
    }
    return points;
}

kyio_test::HostFile g_host;

void openAndClose(const char* name) {
    FILE* handle = kyopen(name, "rb");
    ASSERT_NE(handle, nullptr) << name;
    EXPECT_EQ(kyclose(handle), 0);
}

struct Operation {
    std::string name;
    std::function<void(const std::string& diskFile)> run;
};

// GoogleTest would otherwise print the parameter's bytes, padding included.
void PrintTo(const Operation& operation, std::ostream* out) { *out << operation.name; }

class AllocationFailure : public ::testing::TestWithParam<Operation> {};

TEST_P(AllocationFailure, ReachesTheCallerAndLeavesNothingBehind) {
    kyio_test::TempDir dir;
    const std::string diskFile = dir.write("plain.txt", "disk content");
    const int points = sweep(GetParam().name, [&] { GetParam().run(diskFile); });
    std::printf("%s: %d allocation points swept\n", GetParam().name.c_str(), points);
    EXPECT_GT(points, 0);
}

// Each test runs in a process of its own, so each also fails the catalogue's construction,
// allocation by allocation, on its first call.
std::vector<Operation> operations() {
    std::vector<Operation> list = {
        {"kyopen_disk_file", [](const std::string& disk) { openAndClose(disk.c_str()); }},
        {"kystat_resource", [](const std::string&) { EXPECT_EQ(kystat("FONTS/N019003L.AFM"), 0); }},
        {"kystat_disk_file", [](const std::string& disk) { EXPECT_EQ(kystat(disk.c_str()), 0); }},
        {"kyrealpath_resource", [](const std::string&) { std::free(kyrealpath("C:\\Temp\\wvhtml.xml", nullptr)); }},
        {"kyrealpath_disk_file", [](const std::string& disk) { std::free(kyrealpath(disk.c_str(), nullptr)); }},
        {"registration", [](const std::string&) { EXPECT_TRUE(kyiolibRegisterFile(&g_host) && kyiolibDeRegisterFile(&g_host)); }},
    };
    for (const auto& row : kyio_test::manifestRows()) {
        const std::string name = row.hostName();
        list.push_back({"kyopen_" + std::to_string(row.id), [name](const std::string&) { openAndClose(name.c_str()); }});
    }
    return list;
}

INSTANTIATE_TEST_SUITE_P(Operations, AllocationFailure, ::testing::ValuesIn(operations()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
