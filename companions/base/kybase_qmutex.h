// SPDX-License-Identifier: MIT
// kybase_qmutex.h: the base companion's mutex, non-recursive or recursive.
#ifndef KYBASE_QMUTEX_H
#define KYBASE_QMUTEX_H

#include <pthread.h>

#define KYBASE_API __attribute__((visibility("default")))

// The class lives in the namespace kybase so that a host may include Qt's <QMutex> beside
// kyio.h, and so that its symbols can never be mistaken for Qt's by the dynamic linker (they
// also carry the version KYBASE_1).
namespace kybase {

// QMutex is a mutual-exclusion lock. A non-recursive mutex must not be locked twice by one
// thread; a recursive one counts its locks and is released by as many unlocks.
class KYBASE_API QMutex {
public:
    enum RecursionMode { NonRecursive = 0, Recursive = 1 };

    explicit QMutex(RecursionMode mode = NonRecursive);
    ~QMutex();

    QMutex(const QMutex&) = delete;
    QMutex& operator=(const QMutex&) = delete;

    // lock() returns when the calling thread owns the mutex.
    void lock();
    // unlock() releases it; only the owning thread may call it.
    void unlock();

private:
    pthread_mutex_t m_handle;
};

}  // namespace kybase

#endif
