// SPDX-License-Identifier: MIT
// kybase_qmutex.h: the base companion's mutex, non-recursive or recursive.
#ifndef KYBASE_QMUTEX_H
#define KYBASE_QMUTEX_H

#include <atomic>
#include <cstdint>

// Under ThreadSanitizer every lock and unlock goes out of line, where they are annotated.
#if defined(__SANITIZE_THREAD__)
#define KYBASE_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KYBASE_TSAN 1
#endif
#endif
#ifdef KYBASE_TSAN
#define KYBASE_INLINE_PATHS 0
#else
#define KYBASE_INLINE_PATHS 1
#endif

// KYBASE_API marks what lib_kybase exports: its build defines it to default visibility.
#ifndef KYBASE_API
#define KYBASE_API
#endif

// The class lives in the namespace kybase so that a host may include Qt's <QMutex> beside
// kyio.h, and so that its symbols can never be mistaken for Qt's by the dynamic linker (they
// also carry the version KYBASE_1).
namespace kybase {

// QMutex is a mutual-exclusion lock. A non-recursive mutex must not be locked twice by one
// thread; a recursive one counts its locks and is released by as many unlocks. Uncontended,
// lock() and unlock() are one atomic operation each, inline; a thread that finds the mutex
// held spins briefly before it sleeps.
class KYBASE_API QMutex {
public:
    enum RecursionMode { NonRecursive = 0, Recursive = 1 };

    explicit QMutex(RecursionMode mode = NonRecursive);
    ~QMutex();

    QMutex(const QMutex&) = delete;
    QMutex& operator=(const QMutex&) = delete;

    // lock() returns when the calling thread owns the mutex.
    void lock() {
        std::uint32_t expected = 0;
        if (KYBASE_INLINE_PATHS && m_recursive == 0 &&
            m_state.compare_exchange_strong(expected, 1, std::memory_order_acquire)) {
            return;
        }
        lockSlowly();
    }

    // unlock() releases it; only the owning thread may call it.
    void unlock() {
        if (!KYBASE_INLINE_PATHS || m_recursive != 0 || m_starving.load(std::memory_order_relaxed) != 0) {
            unlockSlowly();
            return;
        }
        m_state.exchange(0);
        if (m_sleepers.load() != 0 && m_spinners.load() == 0) wakeSleeper();
    }

private:
    void lockSlowly();
    void unlockSlowly();
    void wakeSleeper();

    std::atomic<std::uint32_t> m_state;     // 1 while held, 0 when free, 2 when handed to a sleeper
    std::atomic<std::uint32_t> m_sleepers;  // threads asleep on m_state, or about to be
    std::atomic<std::uint32_t> m_spinners;  // threads spinning for it, at most one at a time
    std::atomic<std::uint32_t> m_starving;  // sleepers that waited too long: hand over, do not spin
    std::atomic<const void*> m_owner;       // recursive mode: the owning thread's mark
    std::uint32_t m_depth;                  // recursive mode: locks held by the owner
    const std::uint32_t m_recursive;
    // The object keeps the 40 bytes it has always had: CLocker holds one, and hosts may hold
    // CLocker variables.
    [[maybe_unused]] std::uint32_t m_reserved[2];
};

}  // namespace kybase

#endif
