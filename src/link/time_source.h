#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace smscfg {

// A one-shot timer: `onTimeout` runs once, `interval` after start().
class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    // Starts, or restarts, the count.
    virtual void start(std::chrono::milliseconds interval) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    std::function<void()> onTimeout;
};

// Where the exchange gets its time from: the system's precise timers, or a
// virtual clock in tests so that time-outs take no real time.
class TimeSource {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~TimeSource() = default;
    virtual Clock::time_point now() const = 0;
    virtual std::unique_ptr<OneShotTimer> createTimer() = 0;

    // Precise Qt timers (a coarse timer may fire up to 5% early) and the
    // steady clock. Needs a running Qt event loop.
    static TimeSource &system();
};

}  // namespace smscfg
