// SPDX-License-Identifier: MIT
// open_close.cpp: turning names into handles and back, probing and resolving names, and the
// variables through which the host configures the library.
#include "io/handles.h"

#include <cstdlib>
#include <cstring>
#include <memory>

FILE* KyIoFile = nullptr;
const char* KyIoFileNameUtf8 = nullptr;
const char* appTempFolderName = nullptr;

namespace {

constexpr size_t kRealpathBufferSize = 4096;

// Call with the lock held: the host may only change the reserved name before going threaded,
// but kyopen and kystat read it under the lock all the same.
bool isReservedName(const char* path) {
    return KyIoFileNameUtf8 != nullptr && std::strcmp(path, KyIoFileNameUtf8) == 0;
}

// A resource file when the name is a resource, otherwise a file on disk.
std::unique_ptr<IFile> openByName(const char* path, const char* mode) {
    std::unique_ptr<IFile> file(CResFile::create(path));
    if (!file) file.reset(new CLocalFile(path, mode));
    return file;
}

}  // namespace

FILE* kyopen(const char* path, const char* mode) {
    errno = 0;
    if (path == nullptr || mode == nullptr || *path == '\0' || *mode == '\0') {
        return kyio::invalidArgument<FILE*>(nullptr);
    }
    kyio::LibraryLock lock;
    if (isReservedName(path)) return KyIoFile;

    std::unique_ptr<IFile> file = openByName(path, mode);
    if (!file->isValid()) {
        const int code = file->crtErrorCode();
        file.reset();
        errno = code;
        return nullptr;
    }
    // Should the insertion run out of memory, the object is destroyed with the unique_ptr.
    CFileCounter::get().m_files.insert(kyioHandle(file.get()));
    errno = file->crtErrorCode();
    return kyioHandle(file.release());
}

int kyclose(FILE* handle) {
    if (handle == nullptr) return kyio::invalidArgument(-1);
    kyio::LibraryLock lock;
    if (handle != KyIoFile) {
        CFileCounter::get().m_files.erase(handle);
        delete kyioFile(handle);
    }
    errno = 0;
    return 0;
}

int kystat(const char* path) {
    if (path == nullptr) return 1;
    kyio::LibraryLock lock;
    if (isReservedName(path)) return 0;
    return openByName(path, "r")->isValid() ? 0 : 1;
}

char* kyrealpath(const char* path, char* resolved) {
    if (path == nullptr) return kyio::invalidArgument<char*>(nullptr);
    // A buffer allocated here is owned until it is handed back, so that an exception from the
    // resource lookup cannot leak it.
    std::unique_ptr<char, decltype(&std::free)> owned(
        resolved != nullptr ? nullptr : static_cast<char*>(std::malloc(kRealpathBufferSize)), &std::free);
    char* buffer = resolved != nullptr ? resolved : owned.get();
    if (buffer == nullptr) return nullptr;

    if (std::unique_ptr<IFile>(CResFile::create(path))) {
        std::strncpy(buffer, path, kRealpathBufferSize);
    } else if (realpath(path, buffer) == nullptr) {
        if (resolved != nullptr) buffer[0] = '\0';
        return nullptr;
    }
    owned.release();
    return buffer;
}

const char* getAppTempFolderName(void) { return appTempFolderName; }
