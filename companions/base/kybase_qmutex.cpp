// SPDX-License-Identifier: MIT
// kybase_qmutex.cpp: QMutex over a POSIX mutex.
#include "kybase_qmutex.h"

#include <cstdlib>

namespace {

// A mutex that cannot be set up or used leaves the process with no safe way on: the callers
// have no error path, as with the platform's own mutex.
void require(int status) {
    if (status != 0) std::abort();
}

}  // namespace

kybase::QMutex::QMutex(RecursionMode mode) {
    pthread_mutexattr_t attributes;
    require(pthread_mutexattr_init(&attributes));
    require(pthread_mutexattr_settype(
        &attributes, mode == Recursive ? PTHREAD_MUTEX_RECURSIVE : PTHREAD_MUTEX_NORMAL));
    require(pthread_mutex_init(&m_handle, &attributes));
    pthread_mutexattr_destroy(&attributes);
}

kybase::QMutex::~QMutex() { pthread_mutex_destroy(&m_handle); }

void kybase::QMutex::lock() { require(pthread_mutex_lock(&m_handle)); }

void kybase::QMutex::unlock() { require(pthread_mutex_unlock(&m_handle)); }
