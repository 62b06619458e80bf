// SPDX-License-Identifier: MIT
// within.h: runs a call on a thread of its own and tells whether it returned in time, so
// that a lock fault fails a test instead of hanging it.
#ifndef KYIO_TESTS_SUPPORT_WITHIN_H
#define KYIO_TESTS_SUPPORT_WITHIN_H

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>

namespace kyio_test {

// The call's thread is detached: one still blocked when the test ends is left to the
// process exit rather than joined.
class Background {
public:
    explicit Background(std::function<void()> call) {
        auto done = std::make_shared<std::promise<void>>();
        finished_ = done->get_future();
        std::thread([done, call = std::move(call)] {
            call();
            done->set_value();
        }).detach();
    }
    bool finishedWithin(std::chrono::milliseconds limit) {
        return finished_.wait_for(limit) == std::future_status::ready;
    }

private:
    std::future<void> finished_;
};

inline bool finishesWithin(std::chrono::milliseconds limit, std::function<void()> call) {
    return Background(std::move(call)).finishedWithin(limit);
}

}  // namespace kyio_test

#endif
