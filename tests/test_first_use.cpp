// SPDX-License-Identifier: MIT
// The catalogue is built by whichever call comes first, also from many threads at once.
// Each test runs in a process of its own, so every one here is the first use.
#include "kyio.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

TEST(FirstUse, NullNameBuildsTheCatalogueAndIsNotFound) {
    EXPECT_EQ(cpp_res::getFileId(nullptr, true), cpp_res::kNoResource);
    EXPECT_EQ(cpp_res::getFileId(L"wvhtml.xml", false), 1u);
}

TEST(FirstUse, ThreadsRacingTheFirstCallAllResolve) {
    constexpr int kThreads = 8;
    std::atomic<int> ready{0};
    std::atomic<int> correct{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            ready.fetch_add(1);
            while (ready.load() < kThreads) std::this_thread::yield();
            bool ok = cpp_res::getFileId(L"FONTS/N019003L.AFM", true) == 3u;
            if (t % 2 == 0) {
                unsigned int id = cpp_res::eResWvHtmlXml;
                std::vector<unsigned char> data;
                std::wstring name;
                ok = ok && cpp_res::getFileData(id, data, name) && name == L":wvhtml.xml";
            }
            if (ok) correct.fetch_add(1);
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(correct.load(), kThreads);
}

}  // namespace
