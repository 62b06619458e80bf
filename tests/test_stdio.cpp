// SPDX-License-Identifier: MIT
// The exported functions for every kind of handle (and the objects' gates behind them), the
// reserved name, the registry and the standard streams; fuzz/ seeds check resources deeper.
#include "support.h"

#include <gtest/gtest.h>

namespace {

using kyio_test::HostFile;

constexpr int U = 1234;  // errno before each call, to see whether it was set

// kyvprintf or kyvwprintf, by the format's character type.
template <typename Char>
long vprint(FILE* handle, const Char* format, ...) {
    va_list args;
    va_start(args, format);
    long result;
    if constexpr (sizeof(Char) == 1) result = kyvprintf(handle, format, args); else result = kyvwprintf(handle, format, args);
    va_end(args);
    return result;
}

struct Expect {
    long result;
    int error;
};
enum Kind { Resource, Disk, Host, InvalidLocal, InvalidResource, Null, Kinds };
constexpr Expect kChecked{0, EINVAL}, kSeekChecked{-1, EINVAL}, kNoLock{0, U};

char g_buffer[64];

const struct Row {
    const char* what;
    std::function<long(FILE*)> call;
    Expect expect[Kinds];
} kRows[] = {
    {"read 4", [](FILE* h) { return long(kyread(g_buffer, 1, 4, h)); }, {{4, 0}, {4, 0}, {4, 0}, kChecked, kChecked, kChecked}},
    {"read null", [](FILE* h) { return long(kyread(nullptr, 1, 4, h)); }, {kChecked, kChecked, kChecked, kChecked, kChecked, kChecked}},
    {"read size 0", [](FILE* h) { return long(kyread(g_buffer, 0, 4, h)); }, {{0, 0}, {0, 0}, {0, 0}, kChecked, kChecked, kChecked}},
    {"write 3", [](FILE* h) { return long(kywrite("abc", 1, 3, h)); }, {{0, EACCES}, {3, 0}, {3, 0}, kChecked, kChecked, kChecked}},
    {"write null", [](FILE* h) { return long(kywrite(nullptr, 1, 3, h)); }, {kChecked, kChecked, kChecked, kChecked, kChecked, kChecked}},
    {"seek 2", [](FILE* h) { return long(kyseek(h, 2, SEEK_SET)); }, {{0, 0}, {0, 0}, {0, 0}, kSeekChecked, kChecked, kSeekChecked}},
    {"origin 3", [](FILE* h) { return long(kyseek(h, 0, 3)); }, {kSeekChecked, kSeekChecked, kSeekChecked, kSeekChecked, kSeekChecked, kSeekChecked}},
    {"origin -1", [](FILE* h) { return long(kyseek(h, 0, -1)); }, {kSeekChecked, kSeekChecked, kSeekChecked, kSeekChecked, kSeekChecked, kSeekChecked}},
    {"tell", [](FILE* h) { return kytell(h); }, {{0, 0}, {0, 0}, {0, 0}, kSeekChecked, kChecked, kSeekChecked}},
    {"printf", [](FILE* h) { return long(kyprintf(h, "%d", 12)); }, {{0, EACCES}, {2, 0}, {2, 0}, kChecked, kChecked, kChecked}},
    {"printf null", [](FILE* h) { return long(kyprintf(h, nullptr)); }, {kChecked, kChecked, kChecked, kChecked, kChecked, kChecked}},
    {"wprintf", [](FILE* h) { return long(kywprintf(h, L"%d", 345)); }, {{0, EACCES}, {3, 0}, {3, 0}, kChecked, kChecked, kChecked}},
    {"wprintf null", [](FILE* h) { return long(kywprintf(h, nullptr)); }, {kChecked, kChecked, kChecked, kChecked, kChecked, kChecked}},
    {"vprintf", [](FILE* h) { return vprint(h, "%s", "xy"); }, {{0, EACCES}, {2, 0}, {2, 0}, kChecked, kChecked, kChecked}},
    {"vwprintf", [](FILE* h) { return vprint(h, L"%ls", L"xyz"); }, {{0, EACCES}, {3, 0}, {3, 0}, kChecked, kChecked, kChecked}},
    // Without the lock and without touching errno; a local file's code is the thread's errno.
    {"scanf", [](FILE* h) { return long(kyscanf(h, "%d", nullptr)); }, {kNoLock, kNoLock, kNoLock, kNoLock, kNoLock, kNoLock}},
    {"eof", [](FILE* h) { return long(kyeof(h)); }, {kNoLock, kNoLock, kNoLock, {1, U}, {1, U}, {1, U}}},
    {"ferror", [](FILE* h) { return long(kyferror(h)); }, {kNoLock, {U, U}, kNoLock, {U, U}, {ENOENT, U}, {EINVAL, U}}},
};

class EveryFunction : public ::testing::TestWithParam<std::tuple<int, size_t>> {};

TEST_P(EveryFunction, GivesItsResultAndErrno) {
    const auto [kind, row] = GetParam();
    kyio_test::TempDir dir;
    HostFile host("0123456789");
    CLocalFile missing(dir.file("missing").c_str(), "r");
    CResFile unknown(0);
    FILE* handles[Kinds] = {kyopen("wvhtml.xml", "r"), kyopen(dir.write("disk.txt", "0123456789").c_str(), "r+"),
                            kyioHandle(&host), kyioHandle(&missing), kyioHandle(&unknown), nullptr};
    ASSERT_TRUE(kind != Host || kyiolibRegisterFile(&host)) << "registered or not, a handle behaves the same";
    errno = U;
    EXPECT_EQ(kRows[row].call(handles[kind]), kRows[row].expect[kind].result) << kRows[row].what;
    EXPECT_EQ(errno, kRows[row].expect[kind].error) << kRows[row].what;
    EXPECT_TRUE(kind != Host || kyiolibDeRegisterFile(&host));
    EXPECT_EQ(kyclose(handles[Resource]) + kyclose(handles[Disk]), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, EveryFunction,
                         ::testing::Combine(::testing::Range(0, int{Kinds}), ::testing::Range(size_t{0}, std::size(kRows))));

TEST(Kyopen, BadArgumentsResourcesWhateverTheModeAndDiskFiles) {
    for (const auto& [path, mode] : {std::pair<const char*, const char*>{nullptr, "r"}, {"a", nullptr}, {"", "r"}, {"a", ""}}) {
        errno = U;
        EXPECT_TRUE(kyopen(path, mode) == nullptr && errno == EINVAL);
    }
    kyio_test::TempDir dir;
    EXPECT_EQ(kyclose(kyopen(dir.file("WvHtml.XML").c_str(), "w")), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("WvHtml.XML"))) << "a resource whatever the mode: no disk file";
    errno = U;
    EXPECT_EQ(kyopen(dir.file("new.txt").c_str(), "r"), nullptr);
    EXPECT_EQ(errno, ENOENT);
    FILE* disk = kyopen(dir.file("new.txt").c_str(), "w");
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(kyprintf(disk, "%s", "written") + kyclose(disk), 7);
    EXPECT_EQ(dir.read("new.txt"), "written");
    EXPECT_EQ(kystat(dir.file("new.txt").c_str()), 0);
    EXPECT_EQ(kystat(dir.file("old.txt").c_str()), 1);
}

TEST(Kyclose, LeavesErrnoZeroEvenWhenTheStreamFailsToFlush) {
    errno = U;
    EXPECT_EQ(kyclose(nullptr) + kystat(nullptr), 0);  // -1 with EINVAL, and 1 without touching errno
    EXPECT_EQ(errno, EINVAL);
    FILE* full = kyopen("/dev/full", "w");
    EXPECT_EQ(kyprintf(full, "%s", "buffered until the close"), 24);
    errno = U;
    EXPECT_EQ(kyclose(full), 0);
    EXPECT_EQ(errno, 0);
}

TEST(ReservedName, ExactNameGivesTheHostObjectBeforeResourcesAndDisk) {
    HostFile host("host content");
    KyIoFileNameUtf8 = "host:stream";
    errno = U;
    EXPECT_EQ(kyopen("host:stream", "r"), nullptr) << "no object yet";
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(kystat("host:stream"), 0) << "reserved even without an object";
    KyIoFileNameUtf8 = "wvhtml.xml";
    KyIoFile = kyioHandle(&host);
    EXPECT_EQ(kyopen("wvhtml.xml", "w"), KyIoFile);
    EXPECT_FALSE(kyiolibDeRegisterFile(&host)) << "the reserved object is not registered";
    EXPECT_EQ(kyclose(KyIoFile), 0);
    EXPECT_EQ(kyread(g_buffer, 1, 4, KyIoFile), 4u) << "kyclose left it alone";
    FILE* folded = kyopen("./WVHTML.XML", "r");
    EXPECT_STREQ(kyioFile(folded)->name(), L":wvhtml.xml") << "only the exact name is reserved";
    kyclose(folded);
    KyIoFileNameUtf8 = nullptr;
    FILE* handle = kyopen("wvhtml.xml", "r");
    EXPECT_NE(handle, KyIoFile) << "a null name reserves nothing";
    kyclose(handle);
    KyIoFile = nullptr;
}

TEST(Registry, KyopenKycloseAndTheHostShareIt) {
    HostFile first;
    EXPECT_FALSE(kyiolibDeRegisterFile(&first)) << "it starts empty";
    EXPECT_TRUE(kyiolibRegisterFile(&first) && !kyiolibRegisterFile(&first));
    EXPECT_TRUE(kyiolibDeRegisterFile(&first) && !kyiolibDeRegisterFile(&first));
    errno = U;
    EXPECT_FALSE(kyiolibRegisterFile(nullptr) || kyiolibDeRegisterFile(nullptr));
    EXPECT_EQ(errno, U);
    EXPECT_TRUE(first.reads.empty() && first.seeks == 0) << "registration calls nothing of the object";

    FILE* handle = kyopen("fonts/n019003l.afm", "rb");
    CFileCounter::m_lock.Lock();  // get() is inline: the host's copy must reach the library's registry
    EXPECT_EQ(CFileCounter::get().m_files.count(handle), 1u);
    CFileCounter::m_lock.Unlock();
    EXPECT_TRUE(kyiolibDeRegisterFile(kyioFile(handle)));
    EXPECT_EQ(kyclose(handle), 0) << "a deregistered handle is still destroyed";
    struct Tracked : HostFile {
        bool* destroyed;
        explicit Tracked(bool* flag) : destroyed(flag) {}
        ~Tracked() override { *destroyed = true; }
    };
    bool destroyed = false;
    IFile* registered = new Tracked(&destroyed);
    ASSERT_TRUE(kyiolibRegisterFile(registered));
    EXPECT_EQ(kyclose(kyioHandle(registered)), 0);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(kyiolibDeRegisterFile(registered)) << "kyclose took it out of the registry";
}

TEST(HostHooks, RealpathBuffersTemporaryFolderAndStandardStreams) {
    char buffer[4096];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(kyrealpath(nullptr, buffer), nullptr);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(buffer[0], 'x') << "a null name leaves the caller's buffer alone";
    EXPECT_EQ(kyrealpath("Fonts\\N019003L.afm", buffer), buffer);
    EXPECT_EQ(std::string(buffer) + buffer[4095], std::string("Fonts\\N019003L.afm") + '\0') << "NUL-filled";
    EXPECT_EQ(kyrealpath("/no/such/file", buffer), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(buffer[0], '\0') << "a failed resolution leaves the caller's buffer empty";

    EXPECT_EQ(getAppTempFolderName(), nullptr);
    appTempFolderName = "/tmp/host-temp";
    EXPECT_EQ(getAppTempFolderName(), appTempFolderName);

    EXPECT_EQ(kyprintf(stdout, "%s", "kyprintf to stdout\n"), 19);
    EXPECT_EQ(kywprintf(stderr, L"%ls\n", L"kywprintf to stderr"), 20);
    errno = 0;
    EXPECT_LT(vprint(stdin, "%s", "x"), 0) << "stdin goes to the C library, which refuses output";
    EXPECT_EQ(errno, EBADF);
}

}  // namespace
