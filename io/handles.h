// SPDX-License-Identifier: MIT
// handles.h: what the exported functions share: handle conversion, errno reporting and the
// scoped hold on the library lock.
#ifndef KYIO_IO_HANDLES_H
#define KYIO_IO_HANDLES_H

#ifndef KYIO_BUILDING_LIBRARY
#error "io/handles.h is internal to lib_kyio; hosts include kyio.h"
#endif

#include "kyio.h"

#include <cerrno>

namespace kyio {

// Holds the library lock from construction to destruction, so that every path out of a
// function, an exception included, releases it exactly once.
class LibraryLock {
public:
    LibraryLock() { CFileCounter::m_lock.m_mutex.lock(); }
    ~LibraryLock() { CFileCounter::m_lock.m_mutex.unlock(); }
    LibraryLock(const LibraryLock&) = delete;
    LibraryLock& operator=(const LibraryLock&) = delete;
};

// A failed argument check: EINVAL and the function's failure value, without the lock.
template <typename Result>
Result invalidArgument(Result failure) {
    errno = EINVAL;
    return failure;
}

// The shape of every locked stream operation: take the lock, call the object, copy its error
// code into errno, release the lock. errno was cleared and the arguments checked before.
template <typename Operation>
auto callLocked(FILE* handle, Operation operation) -> decltype(operation(*kyioFile(handle))) {
    IFile& file = *kyioFile(handle);
    LibraryLock lock;
    auto result = operation(file);
    errno = file.crtErrorCode();
    return result;
}

}  // namespace kyio

#endif
