// SPDX-License-Identifier: MIT
// kybase_qmutex.cpp: QMutex's paths out of line: recursion, waiting and waking, and the
// annotated paths of ThreadSanitizer builds.
#include "kybase_qmutex.h"

#include "futex.h"

namespace {

// How long one waiter spins before it sleeps, and how long a sleeper waits before the mutex
// stops letting others take it first. Waking a sleeper costs the thread that releases some
// microseconds, as much as many short holds, so the spin outlasts the library's longest hold
// (decoding the stylesheet, about 0.15 ms); only one thread spins at a time.
constexpr long long kSpinNs = 250000;
constexpr long kStarvingAfterNs = 5000000;

constexpr std::uint32_t kFree = 0;
constexpr std::uint32_t kHeld = 1;
constexpr std::uint32_t kHandedOver = 2;

// Marks the owner of a recursive mutex: the address of a per-thread variable.
const void* threadMark() {
    static thread_local char mark;
    return &mark;
}

// Spins while nobody else does and nobody starves; then sleeps until the word changes. A
// sleeper that waits too long makes every release hand the mutex to a sleeper, so that
// threads that keep taking it cannot shut the sleepers out for ever.
void acquireContended(std::atomic<std::uint32_t>& state, std::atomic<std::uint32_t>& sleepers,
                      std::atomic<std::uint32_t>& spinners, std::atomic<std::uint32_t>& starvingCount) {
    bool starving = false;
    long long sleepingSince = -1;
    for (;;) {
        if (starvingCount.load() == 0 && spinners.exchange(1) == 0) {
            const long long spinningSince = kybase_futex::nowNs();
            for (unsigned spin = 1; starvingCount.load(std::memory_order_relaxed) == 0; ++spin) {
                if (spin % 32 == 0 && kybase_futex::nowNs() - spinningSince >= kSpinNs) break;
                std::uint32_t expected = kFree;
                if (state.load(std::memory_order_relaxed) == kFree &&
                    state.compare_exchange_weak(expected, kHeld, std::memory_order_acquire)) {
                    spinners.store(0);
                    return;
                }
                kybase_futex::pause();
            }
            spinners.store(0);
        }
        sleepers.fetch_add(1);
        std::uint32_t seen = state.load();
        const bool claimed = (seen == kFree || seen == kHandedOver) &&
                             state.compare_exchange_strong(seen, kHeld, std::memory_order_acquire);
        if (!claimed) {
            if (sleepingSince < 0) sleepingSince = kybase_futex::nowNs();
            kybase_futex::wait(state, seen, kStarvingAfterNs);
        }
        sleepers.fetch_sub(1);
        if (claimed) break;
        if (!starving && kybase_futex::nowNs() - sleepingSince >= kStarvingAfterNs) {
            starving = true;
            starvingCount.fetch_add(1);
        }
    }
    if (starving) starvingCount.fetch_sub(1);
}

}  // namespace

static_assert(sizeof(kybase::QMutex) == 40, "QMutex keeps its size");
static_assert(std::atomic<std::uint32_t>::is_always_lock_free, "futex words are plain words");

kybase::QMutex::QMutex(RecursionMode mode)
    : m_state(kFree), m_sleepers(0), m_spinners(0), m_starving(0), m_owner(nullptr), m_depth(0),
      m_recursive(mode == Recursive), m_reserved{} {
    kybase_tsan::created(this);
}

kybase::QMutex::~QMutex() { kybase_tsan::destroyed(this); }

void kybase::QMutex::lockSlowly() {
    const void* self = threadMark();
    // Only this thread ever stores its own mark, so a relaxed look is enough.
    if (m_recursive != 0 && m_owner.load(std::memory_order_relaxed) == self) {
        ++m_depth;
        return;
    }
    kybase_tsan::beforeLock(this);
    std::uint32_t expected = kFree;
    if (!m_state.compare_exchange_strong(expected, kHeld, std::memory_order_acquire)) {
        acquireContended(m_state, m_sleepers, m_spinners, m_starving);
    }
    kybase_tsan::afterLock(this);
    if (m_recursive != 0) {
        m_owner.store(self, std::memory_order_relaxed);
        m_depth = 1;
    }
}

// While a sleeper starves, the mutex goes to a sleeper directly: the word says so, and no
// thread but a sleeper takes it.
void kybase::QMutex::unlockSlowly() {
    if (m_recursive != 0) {
        if (--m_depth != 0) return;
        m_owner.store(nullptr, std::memory_order_relaxed);
    }
    kybase_tsan::beforeUnlock(this);
    if (m_starving.load() != 0) {
        m_state.store(kHandedOver, std::memory_order_release);
        kybase_futex::wakeOne(m_state);
    } else {
        m_state.exchange(kFree);
        if (m_sleepers.load() != 0 && m_spinners.load() == 0) wakeSleeper();
    }
    kybase_tsan::afterUnlock(this);
}

// A spinner, when there is one, takes the mutex anyway: only without one is a sleeper woken.
void kybase::QMutex::wakeSleeper() { kybase_futex::wakeOne(m_state); }
