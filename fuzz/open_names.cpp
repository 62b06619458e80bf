// SPDX-License-Identifier: MIT
// Byte names through CResFile::create, kyopen(name, "r"), kystat and kyrealpath, which must
// agree: a resource is opened, probed and resolved as one, anything else as the C library sees
// it. It runs in an empty folder of its own and tries names that are no resource on disk only
// without a '/', so nothing outside that folder is read; mode "r" creates nothing.
#include "kyio.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

char g_folder[] = "/tmp/kyio-fuzz-XXXXXX";

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    require(mkdtemp(g_folder) != nullptr && chdir(g_folder) == 0);
    std::atexit([] { rmdir(g_folder); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const std::string name = size == 0 ? std::string() : std::string(bytes, strnlen(bytes, size));
    // The narrow factory takes names of 1 to 1023 bytes, each byte widened as a signed char.
    std::wstring wide;
    for (const char c : name) wide.push_back(static_cast<wchar_t>(static_cast<signed char>(c)));
    const unsigned int id = cpp_res::getFileId(wide.c_str(), true);
    const std::unique_ptr<IFile> resource(CResFile::create(name.c_str()));
    require((resource != nullptr) == (!name.empty() && name.size() < 1024 && id != cpp_res::kNoResource));
    if (resource) {
        require(resource->isValid() && id == cpp_res::getFileId(resource->name() + 1, false));
    } else if (name.find('/') != std::string::npos) {
        return 0;
    }

    std::FILE* stream = resource ? nullptr : std::fopen(name.c_str(), "r");
    const bool readable = resource != nullptr || stream != nullptr;
    if (stream != nullptr) std::fclose(stream);
    require(kystat(name.c_str()) == (readable ? 0 : 1));

    FILE* handle = kyopen(name.c_str(), "r");
    if (name.empty()) {
        require(handle == nullptr && errno == EINVAL);
    } else if (readable) {
        require(handle != nullptr && errno == 0);
        if (resource) require(std::wcscmp(kyioFile(handle)->name(), resource->name()) == 0);
        require(kyclose(handle) == 0);
    } else {
        require(handle == nullptr && errno != 0);
    }

    std::unique_ptr<char, decltype(&std::free)> resolved(kyrealpath(name.c_str(), nullptr), &std::free);
    std::unique_ptr<char, decltype(&std::free)> expected(
        resource ? strdup(name.c_str()) : realpath(name.c_str(), nullptr), &std::free);
    require((resolved == nullptr) == (expected == nullptr));
    if (resolved) require(std::strcmp(resolved.get(), expected.get()) == 0);
    return 0;
}
