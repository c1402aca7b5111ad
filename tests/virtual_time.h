#pragma once

#include "link/time_source.h"

#include <QList>
#include <algorithm>
#include <functional>
#include <map>

// Time that passes only when the test says so. Timers and scheduled actions
// fire in order of their due time, each with the clock set to that time, so
// a test of time-outs takes no real time and cannot flake.
class VirtualTime : public smscfg::TimeSource {
public:
    using ms = std::chrono::milliseconds;

    Clock::time_point now() const override { return m_now; }
    std::unique_ptr<smscfg::OneShotTimer> createTimer() override { return std::make_unique<Timer>(*this); }

    // Milliseconds since the clock was created.
    qint64 elapsed() const { return std::chrono::duration_cast<ms>(m_now - Clock::time_point{}).count(); }

    // Runs `action` when the clock reaches `at` ms since its creation.
    void at(qint64 atMs, std::function<void()> action)
    {
        m_actions.emplace(Clock::time_point{} + ms(atMs), std::move(action));
    }

    // Moves the clock forward by `by`, firing what falls due on the way.
    void advance(ms by) { runUntil(m_now + by); }
    void advanceTo(qint64 atMs) { runUntil(Clock::time_point{} + ms(atMs)); }

private:
    class Timer : public smscfg::OneShotTimer {
    public:
        explicit Timer(VirtualTime &time) : m_time(time) { m_time.m_timers.append(this); }
        ~Timer() override { m_time.m_timers.removeOne(this); }
        void start(std::chrono::milliseconds interval) override
        {
            m_due = m_time.m_now + interval;
            m_active = true;
        }
        void stop() override { m_active = false; }
        bool isActive() const override { return m_active; }

        VirtualTime &m_time;
        Clock::time_point m_due{};
        bool m_active = false;
    };

    void runUntil(Clock::time_point end)
    {
        for (;;) {
            // The earliest due timer or action; timers first at equal times.
            Timer *timer = nullptr;
            for (Timer *t : m_timers)
                if (t->m_active && t->m_due <= end && (!timer || t->m_due < timer->m_due))
                    timer = t;
            const auto action = m_actions.begin();
            const bool actionFirst = action != m_actions.end() && action->first <= end
                && (!timer || action->first < timer->m_due);
            if (actionFirst) {
                m_now = std::max(m_now, action->first);
                auto run = std::move(action->second);
                m_actions.erase(action);
                run();
            } else if (timer) {
                m_now = std::max(m_now, timer->m_due);
                timer->m_active = false;
                if (timer->onTimeout)
                    timer->onTimeout();
            } else {
                break;
            }
        }
        m_now = std::max(m_now, end);
    }

    Clock::time_point m_now{};
    QList<Timer *> m_timers;
    std::multimap<Clock::time_point, std::function<void()>> m_actions;
};
