// SPDX-License-Identifier: MIT
// registry.cpp: the library lock and the host's registration of file objects.
#include "io/handles.h"

CLocker::CLocker() : m_mutex(kybase::QMutex::NonRecursive) {}

CLocker::~CLocker() = default;

void CLocker::Lock() { m_mutex.lock(); }

void CLocker::Unlock() { m_mutex.unlock(); }

CFileCounter::CFileCounter() = default;

CFileCounter::~CFileCounter() = default;

// The only object the library builds at load time; the registry, built later on first use,
// is therefore destroyed before it.
CLocker CFileCounter::m_lock;

bool kyiolibRegisterFile(IFile* file) {
    kyio::LibraryLock lock;
    CFileCounter& registry = CFileCounter::get();
    if (file == nullptr) return false;
    return registry.m_files.insert(kyioHandle(file)).second;
}

bool kyiolibDeRegisterFile(IFile* file) {
    kyio::LibraryLock lock;
    // Registration refuses a null object, so erasing one finds nothing.
    return CFileCounter::get().m_files.erase(kyioHandle(file)) == 1;
}
