// SPDX-License-Identifier: MIT
// The results and errno of the exported functions, for every kind of handle.
#include "kyio.h"
#include "support/host_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace {

using kyio_test::HostFile;

constexpr int kUntouched = 1234;  // errno before each call, to see whether it was set

long narrowVprintf(FILE* handle, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = kyvprintf(handle, format, args);
    va_end(args);
    return result;
}

long wideVprintf(FILE* handle, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = kyvwprintf(handle, format, args);
    va_end(args);
    return result;
}

struct Expect {
    long result;
    int error;
};

struct Row {
    const char* what;
    std::function<long(FILE*)> call;
    Expect resource, disk, host;
};

char g_buffer[64];

const Row kRows[] = {
    {"read 4 bytes", [](FILE* h) { return long(kyread(g_buffer, 1, 4, h)); }, {4, 0}, {4, 0}, {4, 0}},
    {"read 2 items of 3", [](FILE* h) { return long(kyread(g_buffer, 3, 2, h)); }, {2, 0}, {2, 0}, {2, 0}},
    {"read into null", [](FILE* h) { return long(kyread(nullptr, 1, 4, h)); }, {0, EINVAL}, {0, EINVAL}, {0, EINVAL}},
    {"read item size 0", [](FILE* h) { return long(kyread(g_buffer, 0, 4, h)); }, {0, 0}, {0, 0}, {0, 0}},
    {"write 3 bytes", [](FILE* h) { return long(kywrite("abc", 1, 3, h)); }, {0, EACCES}, {3, 0}, {3, 0}},
    {"write from null", [](FILE* h) { return long(kywrite(nullptr, 1, 3, h)); }, {0, EINVAL}, {0, EINVAL}, {0, EINVAL}},
    {"seek set 2", [](FILE* h) { return long(kyseek(h, 2, SEEK_SET)); }, {0, 0}, {0, 0}, {0, 0}},
    {"seek origin 3", [](FILE* h) { return long(kyseek(h, 0, 3)); }, {-1, EINVAL}, {-1, EINVAL}, {-1, EINVAL}},
    {"seek origin -1", [](FILE* h) { return long(kyseek(h, 0, -1)); }, {-1, EINVAL}, {-1, EINVAL}, {-1, EINVAL}},
    {"seek origin INT_MIN", [](FILE* h) { return long(kyseek(h, 0, INT_MIN)); }, {-1, EINVAL}, {-1, EINVAL}, {-1, EINVAL}},
    {"tell", [](FILE* h) { return kytell(h); }, {0, 0}, {0, 0}, {0, 0}},
    {"printf", [](FILE* h) { return long(kyprintf(h, "%d", 12)); }, {0, EACCES}, {2, 0}, {2, 0}},
    {"printf null format", [](FILE* h) { return long(kyprintf(h, nullptr)); }, {0, EINVAL}, {0, EINVAL}, {0, EINVAL}},
    {"wprintf", [](FILE* h) { return long(kywprintf(h, L"%d", 345)); }, {0, EACCES}, {3, 0}, {3, 0}},
    {"wprintf null format", [](FILE* h) { return long(kywprintf(h, nullptr)); }, {0, EINVAL}, {0, EINVAL}, {0, EINVAL}},
    {"vprintf", [](FILE* h) { return narrowVprintf(h, "%s", "xy"); }, {0, EACCES}, {2, 0}, {2, 0}},
    {"vprintf null format", [](FILE* h) { return narrowVprintf(h, nullptr); }, {0, EINVAL}, {0, EINVAL}, {0, EINVAL}},
    {"vwprintf", [](FILE* h) { return wideVprintf(h, L"%ls", L"xyz"); }, {0, EACCES}, {3, 0}, {3, 0}},
    {"vwprintf null format", [](FILE* h) { return wideVprintf(h, nullptr); }, {0, EINVAL}, {0, EINVAL}, {0, EINVAL}},
    // Without the lock and without touching errno.
    {"scanf", [](FILE* h) { int x = 0; return long(kyscanf(h, "%d", &x)); }, {0, kUntouched}, {0, kUntouched}, {0, kUntouched}},
    {"eof", [](FILE* h) { return long(kyeof(h)); }, {0, kUntouched}, {0, kUntouched}, {0, kUntouched}},
    // A local file's code is the thread's errno itself.
    {"ferror", [](FILE* h) { return long(kyferror(h)); }, {0, kUntouched}, {kUntouched, kUntouched}, {0, kUntouched}},
};

enum class Kind { Resource, Disk, RegisteredHost, UnregisteredHost };

class EveryFunction : public ::testing::TestWithParam<std::tuple<Kind, size_t>> {};

TEST_P(EveryFunction, GivesItsResultAndErrno) {
    const Kind kind = std::get<0>(GetParam());
    const Row& row = kRows[std::get<1>(GetParam())];
    kyio_test::TempDir dir;
    HostFile host("0123456789");
    FILE* handle = nullptr;
    switch (kind) {
    case Kind::Resource:
        handle = kyopen("wvhtml.xml", "r");
        break;
    case Kind::Disk:
        handle = kyopen(dir.write("disk.txt", "0123456789").c_str(), "r+");
        break;
    case Kind::RegisteredHost:
        ASSERT_TRUE(kyiolibRegisterFile(&host));
        handle = kyioHandle(&host);
        break;
    case Kind::UnregisteredHost:
        handle = kyioHandle(&host);
        break;
    }
    ASSERT_NE(handle, nullptr);
    const Expect& expect = kind == Kind::Resource ? row.resource : kind == Kind::Disk ? row.disk : row.host;

    errno = kUntouched;
    EXPECT_EQ(row.call(handle), expect.result) << row.what;
    EXPECT_EQ(errno, expect.error) << row.what;

    if (kind == Kind::RegisteredHost) {
        EXPECT_TRUE(kyiolibDeRegisterFile(&host));
    }
    if (kind == Kind::Resource || kind == Kind::Disk) {
        EXPECT_EQ(kyclose(handle), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, EveryFunction,
                         ::testing::Combine(::testing::Values(Kind::Resource, Kind::Disk, Kind::RegisteredHost,
                                                              Kind::UnregisteredHost),
                                            ::testing::Range(size_t{0}, sizeof kRows / sizeof kRows[0])));

TEST(NullHandle, EveryFunctionFailsWithItsValue) {
    const struct {
        const char* what;
        std::function<long()> call;
        long expected;
        int error;
    } cases[] = {
        {"read", [] { return long(kyread(g_buffer, 1, 1, nullptr)); }, 0, EINVAL},
        {"write", [] { return long(kywrite(g_buffer, 1, 1, nullptr)); }, 0, EINVAL},
        {"seek", [] { return long(kyseek(nullptr, 0, SEEK_SET)); }, -1, EINVAL},
        {"seek with bad origin", [] { return long(kyseek(nullptr, 0, 3)); }, -1, EINVAL},
        {"tell", [] { return kytell(nullptr); }, -1, EINVAL},
        {"printf", [] { return long(kyprintf(nullptr, "x")); }, 0, EINVAL},
        {"wprintf", [] { return long(kywprintf(nullptr, L"x")); }, 0, EINVAL},
        {"vprintf", [] { return narrowVprintf(nullptr, "x"); }, 0, EINVAL},
        {"vwprintf", [] { return wideVprintf(nullptr, L"x"); }, 0, EINVAL},
        {"close", [] { return long(kyclose(nullptr)); }, -1, EINVAL},
        {"eof", [] { return long(kyeof(nullptr)); }, 1, kUntouched},
        {"ferror", [] { return long(kyferror(nullptr)); }, EINVAL, kUntouched},
        {"scanf", [] { return long(kyscanf(nullptr, nullptr)); }, 0, kUntouched},
        {"stat", [] { return long(kystat(nullptr)); }, 1, kUntouched},
    };
    for (const auto& c : cases) {
        errno = kUntouched;
        EXPECT_EQ(c.call(), c.expected) << c.what;
        EXPECT_EQ(errno, c.error) << c.what;
    }
}

TEST(Kyopen, BadArgumentsGiveNullWithEinval) {
    const struct {
        const char* path;
        const char* mode;
    } cases[] = {{nullptr, "r"}, {"wvhtml.xml", nullptr}, {"", "r"}, {"wvhtml.xml", ""}, {nullptr, nullptr}};
    for (const auto& c : cases) {
        errno = kUntouched;
        EXPECT_EQ(kyopen(c.path, c.mode), nullptr);
        EXPECT_EQ(errno, EINVAL);
    }
}

TEST(Kyopen, ResourceNameIsTheResourceWhateverTheMode) {
    kyio_test::TempDir dir;
    const std::string path = dir.file("WvHtml.XML");
    FILE* handle = kyopen(path.c_str(), "w");
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(errno, 0);
    EXPECT_STREQ(kyioFile(handle)->name(), L":wvhtml.xml");
    EXPECT_EQ(kywrite("x", 1, 1, handle), 0u);
    EXPECT_EQ(errno, EACCES);
    EXPECT_EQ(kyferror(handle), EACCES);
    EXPECT_EQ(kyclose(handle), 0);
    EXPECT_EQ(kystat(path.c_str()), 0) << "the name still reaches the resource";
    EXPECT_EQ(std::fopen(path.c_str(), "r"), nullptr) << "no disk file was created";
}

TEST(Kyopen, OtherNamesOpenOnDiskWithTheirMode) {
    kyio_test::TempDir dir;
    const std::string path = dir.file("new.txt");
    errno = kUntouched;
    EXPECT_EQ(kyopen(path.c_str(), "r"), nullptr);
    EXPECT_EQ(errno, ENOENT);

    FILE* handle = kyopen(path.c_str(), "w");
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(errno, 0);
    EXPECT_STREQ(kyioFile(handle)->name(), L"");
    EXPECT_EQ(kyprintf(handle, "%s", "written"), 7);
    EXPECT_EQ(kyclose(handle), 0);
    EXPECT_EQ(dir.read("new.txt"), "written");
}

TEST(Kyopen, TheTableNotationReachesNoResource) {
    errno = kUntouched;
    EXPECT_EQ(kyopen(":wvhtml.xml", "r"), nullptr);
    EXPECT_EQ(errno, ENOENT);
}

class ReservedName : public ::testing::Test {
protected:
    void TearDown() override {
        KyIoFile = nullptr;
        KyIoFileNameUtf8 = nullptr;
    }
    HostFile host_{"host content"};
    FILE* hostHandle() { return kyioHandle(&host_); }
};

TEST_F(ReservedName, NullNameReservesNothing) {
    KyIoFile = hostHandle();
    KyIoFileNameUtf8 = nullptr;
    FILE* handle = kyopen("wvhtml.xml", "r");
    ASSERT_NE(handle, nullptr);
    EXPECT_NE(handle, hostHandle());
    kyclose(handle);
    EXPECT_EQ(kystat("/no/such/reserved"), 1);
}

TEST_F(ReservedName, ExactNameGivesTheHostObjectBeforeResourcesAndDisk) {
    KyIoFile = hostHandle();
    KyIoFileNameUtf8 = "wvhtml.xml";
    errno = kUntouched;
    EXPECT_EQ(kyopen("wvhtml.xml", "r"), hostHandle());
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(kyopen("wvhtml.xml", "w"), hostHandle()) << "the same handle every time";
    EXPECT_FALSE(kyiolibDeRegisterFile(&host_)) << "the reserved object is not registered";

    for (const char* other : {"WVHTML.XML", "./wvhtml.xml"}) {
        FILE* handle = kyopen(other, "r");
        ASSERT_NE(handle, nullptr) << other;
        EXPECT_NE(handle, hostHandle()) << other;
        EXPECT_STREQ(kyioFile(handle)->name(), L":wvhtml.xml") << other;
        kyclose(handle);
    }
    // With a trailing slash it is neither reserved nor a resource: it goes to the disk.
    EXPECT_EQ(kyopen("wvhtml.xml/", "r"), nullptr);
    EXPECT_EQ(errno, ENOENT);
}

TEST_F(ReservedName, ClosingItLeavesTheHostObjectUsable) {
    KyIoFile = hostHandle();
    KyIoFileNameUtf8 = "host:stream";
    FILE* handle = kyopen("host:stream", "rb");
    ASSERT_EQ(handle, hostHandle());
    errno = kUntouched;
    EXPECT_EQ(kyclose(handle), 0);
    EXPECT_EQ(errno, 0);
    char bytes[4] = {};
    EXPECT_EQ(kyread(bytes, 1, 4, handle), 4u);
    EXPECT_EQ(std::string(bytes, 4), "host");
    EXPECT_EQ(kystat("host:stream"), 0);
}

TEST_F(ReservedName, NullHostObjectGivesNullWithErrnoZero) {
    KyIoFile = nullptr;
    KyIoFileNameUtf8 = "host:stream";
    errno = kUntouched;
    EXPECT_EQ(kyopen("host:stream", "r"), nullptr);
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(kystat("host:stream"), 0) << "the name is reserved even without an object";
    EXPECT_EQ(kystat("host:stream/"), 1);
}

TEST(Kyclose, DestroysObjectsWhetherRegisteredOrNot) {
    struct Tracked : HostFile {
        explicit Tracked(bool* destroyed) : destroyed_(destroyed) {}
        ~Tracked() override { *destroyed_ = true; }
        bool* destroyed_;
    };
    bool destroyed = false;
    IFile* unregistered = new Tracked(&destroyed);
    EXPECT_EQ(kyclose(kyioHandle(unregistered)), 0);
    EXPECT_TRUE(destroyed);

    destroyed = false;
    IFile* registered = new Tracked(&destroyed);
    ASSERT_TRUE(kyiolibRegisterFile(registered));
    EXPECT_EQ(kyclose(kyioHandle(registered)), 0);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(kyiolibDeRegisterFile(registered)) << "kyclose took it out of the registry";
}

TEST(Registry, StartsEmptyAndCountsEachObjectOnce) {
    HostFile first, second("", false);
    EXPECT_FALSE(kyiolibDeRegisterFile(&first)) << "nothing is registered yet";
    EXPECT_TRUE(kyiolibRegisterFile(&first));
    EXPECT_FALSE(kyiolibRegisterFile(&first));
    EXPECT_TRUE(kyiolibRegisterFile(&second)) << "an object that is not valid can be registered";
    EXPECT_TRUE(kyiolibDeRegisterFile(&first));
    EXPECT_FALSE(kyiolibDeRegisterFile(&first));
    EXPECT_TRUE(kyiolibDeRegisterFile(&second));
    errno = kUntouched;
    EXPECT_FALSE(kyiolibRegisterFile(nullptr));
    EXPECT_FALSE(kyiolibDeRegisterFile(nullptr));
    EXPECT_EQ(errno, kUntouched);
    EXPECT_TRUE(first.reads.empty() && first.seeks == 0) << "registration calls nothing of the object";
}

TEST(Registry, KyopenRegistersAndTheHostSeesTheSameRegistry) {
    FILE* handle = kyopen("fonts/n019003l.afm", "rb");
    ASSERT_NE(handle, nullptr);
    // get() is inline: this call runs the host's copy, which must reach the library's object.
    CFileCounter::m_lock.Lock();
    const size_t seen = CFileCounter::get().m_files.count(handle);
    CFileCounter::m_lock.Unlock();
    EXPECT_EQ(seen, 1u);

    EXPECT_TRUE(kyiolibDeRegisterFile(kyioFile(handle)));
    CFileCounter::m_lock.Lock();
    EXPECT_EQ(CFileCounter::get().m_files.count(handle), 0u);
    CFileCounter::m_lock.Unlock();
    EXPECT_EQ(kyclose(handle), 0) << "still destroyed after it was deregistered";
}

TEST(Kystat, AnswersZeroOrOne) {
    kyio_test::TempDir dir;
    const struct {
        std::string path;
        int expected;
    } cases[] = {
        {dir.file("missing.txt"), 1},
        {dir.write("present.txt", "x"), 0},
        {"fonts/N019003L.AFM", 0},
        {"/somewhere/else/docx2html_ie.xslt", 0},
        {":wvhtml.xml", 1},
        {"", 1},
    };
    for (const auto& c : cases) {
        errno = kUntouched;
        EXPECT_EQ(kystat(c.path.c_str()), c.expected) << c.path;
        if (c.expected == 0) {
            EXPECT_EQ(errno, kUntouched) << c.path;
        }
    }
}

TEST(Kyrealpath, ResourceNamesComeBackAsPassed) {
    char buffer[4096];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(kyrealpath("Fonts\\N019003L.afm", buffer), buffer);
    EXPECT_STREQ(buffer, "Fonts\\N019003L.afm");
    EXPECT_EQ(buffer[4095], '\0') << "the rest of the buffer is filled with NUL bytes";

    char* allocated = kyrealpath("WVHTML.XML", nullptr);
    ASSERT_NE(allocated, nullptr);
    EXPECT_STREQ(allocated, "WVHTML.XML");
    std::free(allocated);
}

TEST(Kyrealpath, DiskNamesAreResolvedByTheCLibrary) {
    kyio_test::TempDir dir;
    dir.write("real.txt", "x");
    const std::string indirect = dir.file("./sub/../real.txt");
    std::filesystem::create_directory(dir.file("sub"));
    char* resolved = kyrealpath(indirect.c_str(), nullptr);
    ASSERT_NE(resolved, nullptr);
    EXPECT_EQ(std::string(resolved), std::filesystem::canonical(dir.file("real.txt")).string());
    std::free(resolved);

    char buffer[4096] = "stale";
    errno = 0;
    EXPECT_EQ(kyrealpath(dir.file("missing.txt").c_str(), buffer), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_STREQ(buffer, "");
    errno = 0;
    EXPECT_EQ(kyrealpath(dir.file("missing.txt").c_str(), nullptr), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(kyrealpath(nullptr, buffer), nullptr);
    EXPECT_EQ(errno, EINVAL);
}

TEST(AppTempFolder, IsHandedBackUnchanged) {
    EXPECT_EQ(getAppTempFolderName(), nullptr);
    static const char folder[] = "/tmp/host-temp";
    appTempFolderName = folder;
    EXPECT_EQ(getAppTempFolderName(), folder);
    appTempFolderName = nullptr;
}

TEST(StandardStreams, FormattedOutputGoesToTheCLibrary) {
    errno = kUntouched;
    EXPECT_EQ(kyprintf(stdout, "%s", "kyprintf to stdout\n"), 19);
    EXPECT_EQ(kyprintf(stderr, "%d\n", 7), 2);
    // stdin is open for reading only: the C library refuses the output itself.
    errno = 0;
    EXPECT_LT(narrowVprintf(stdin, "%s", "x"), 0);
    EXPECT_EQ(errno, EBADF);
    errno = kUntouched;
    EXPECT_EQ(kyprintf(stdout, nullptr), 0);
    EXPECT_EQ(errno, EINVAL);
}

TEST(Streams, BadOriginLeavesThePositionAlone) {
    FILE* handle = kyopen("wvhtml.xml", "r");
    ASSERT_NE(handle, nullptr);
    ASSERT_EQ(kyseek(handle, 5, SEEK_SET), 0);
    EXPECT_EQ(kyseek(handle, 0, 3), -1);
    EXPECT_EQ(kyseek(handle, 1, -1), -1);
    EXPECT_EQ(kytell(handle), 5);
    EXPECT_EQ(kyferror(handle), 0) << "the object was not called";
    kyclose(handle);
}

TEST(Streams, ResourceReadsToTheEndAndReportsEof) {
    FILE* handle = kyopen("FONTS/S050000L.PFB", "rb");
    ASSERT_NE(handle, nullptr);
    unsigned int id = cpp_res::eResS050000lPfb;
    std::vector<unsigned char> expected, got(100000);
    std::wstring name;
    ASSERT_TRUE(cpp_res::getFileData(id, expected, name));
    EXPECT_EQ(kyeof(handle), 0);
    EXPECT_EQ(kyread(got.data(), 1, got.size(), handle), expected.size());
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(kyferror(handle), 0);
    got.resize(expected.size());
    EXPECT_TRUE(got == expected);
    EXPECT_EQ(kyeof(handle), 1);
    EXPECT_EQ(kytell(handle), static_cast<long>(expected.size()));
    kyclose(handle);
}

}  // namespace
