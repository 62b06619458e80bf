// SPDX-License-Identifier: MIT
// Many threads using the library at once: a bounded stress run, meant for ThreadSanitizer.
#include "kyio.h"
#include "support/host_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kThreads = 4;
constexpr int kRounds = 12;

const char* const kNames[] = {"wvhtml.xml", "fonts/n019003l.afm", "FONTS/N022024L.PFB",
                              "x/docx2html_ie.xslt", "fonts/s050000l.pfb"};

std::vector<unsigned char> expectedContent(const char* name) {
    std::vector<unsigned char> data;
    std::wstring outName;
    const std::string narrow = name;
    const std::wstring wide(narrow.begin(), narrow.end());
    cpp_res::getFileData(wide.c_str(), data, outName, true);
    return data;
}

TEST(Threads, OpenReadWriteAndRegisterAtOnce) {
    std::vector<std::vector<unsigned char>> expected;
    for (const char* name : kNames) expected.push_back(expectedContent(name));
    kyio_test::TempDir dir;
    std::atomic<int> failures{0};

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            std::vector<unsigned char> buffer(400000);
            for (int round = 0; round < kRounds; ++round) {
                const size_t which = static_cast<size_t>(t + round) % (sizeof kNames / sizeof kNames[0]);
                FILE* resource = kyopen(kNames[which], "rb");
                const size_t got = resource ? kyread(buffer.data(), 1, buffer.size(), resource) : 0;
                if (got != expected[which].size() ||
                    !std::equal(expected[which].begin(), expected[which].end(), buffer.begin()) ||
                    kyeof(resource) != 1 || kyclose(resource) != 0) {
                    ++failures;
                }

                const std::string path = dir.file("t" + std::to_string(t) + "_" + std::to_string(round));
                FILE* disk = kyopen(path.c_str(), "w+");
                const int printed = disk ? kyprintf(disk, "thread %d round %d", t, round) : -1;
                char back[64] = {};
                if (printed <= 0 || kyseek(disk, 0, SEEK_SET) != 0 ||
                    kyread(back, 1, sizeof back, disk) != static_cast<size_t>(printed) || kyclose(disk) != 0 ||
                    kystat(path.c_str()) != 0) {
                    ++failures;
                }

                kyio_test::HostFile own("own");
                if (!kyiolibRegisterFile(&own) || kyiolibRegisterFile(&own) || !kyiolibDeRegisterFile(&own)) {
                    ++failures;
                }
                char resolved[4096];
                if (kyrealpath(kNames[which], resolved) == nullptr) ++failures;
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(failures.load(), 0);
}

TEST(Threads, SimultaneousRegistrationsAllSucceed) {
    std::vector<kyio_test::HostFile> files(kThreads * 8);
    std::atomic<int> registered{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = t; i < static_cast<int>(files.size()); i += kThreads) {
                registered += kyiolibRegisterFile(&files[static_cast<size_t>(i)]) ? 1 : 0;
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(registered.load(), static_cast<int>(files.size()));
    for (auto& file : files) EXPECT_TRUE(kyiolibDeRegisterFile(&file));
}

}  // namespace
