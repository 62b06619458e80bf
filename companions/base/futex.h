// SPDX-License-Identifier: MIT
// futex.h: what QMutex asks of the kernel and of the processor, and the annotations with
// which ThreadSanitizer sees a hand-made mutex as a mutex (KYBASE_TSAN, from kybase_qmutex.h).
#ifndef KYBASE_FUTEX_H
#define KYBASE_FUTEX_H

#include "kybase_qmutex.h"

#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <ctime>

namespace kybase_futex {

// Sleeps while word holds expected, for at most timeoutNs; wakes early when woken, when the
// word changes, or for no reason at all, so callers look at the word again.
inline void wait(std::atomic<std::uint32_t>& word, std::uint32_t expected, long timeoutNs) {
    const timespec timeout = {0, timeoutNs};
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAIT_PRIVATE, expected, &timeout, nullptr, 0);
}

inline void wakeOne(std::atomic<std::uint32_t>& word) {
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&word), FUTEX_WAKE_PRIVATE, 1, nullptr, nullptr, 0);
}

inline long long nowNs() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Tells the processor that this is a spin loop.
inline void pause() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#elif defined(__aarch64__)
    asm volatile("yield");
#endif
}

}  // namespace kybase_futex

#ifdef KYBASE_TSAN
#include <sanitizer/tsan_interface.h>
namespace kybase_tsan {
inline void created(void* mutex) { __tsan_mutex_create(mutex, 0); }
inline void destroyed(void* mutex) { __tsan_mutex_destroy(mutex, 0); }
inline void beforeLock(void* mutex) { __tsan_mutex_pre_lock(mutex, 0); }
inline void afterLock(void* mutex) { __tsan_mutex_post_lock(mutex, 0, 0); }
inline void beforeUnlock(void* mutex) { __tsan_mutex_pre_unlock(mutex, 0); }
inline void afterUnlock(void* mutex) { __tsan_mutex_post_unlock(mutex, 0); }
}  // namespace kybase_tsan
#else
namespace kybase_tsan {
inline void created(void*) {}
inline void destroyed(void*) {}
inline void beforeLock(void*) {}
inline void afterLock(void*) {}
inline void beforeUnlock(void*) {}
inline void afterUnlock(void*) {}
}  // namespace kybase_tsan
#endif

#endif
