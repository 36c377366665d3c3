#pragma once

#include "core/Clock.h"

// A clock that moves only when a test moves it. Date-time and monotonic time advance together.
class FakeClock final : public Clock {
public:
    explicit FakeClock(DateTime start = 39156.604166666664) : m_start(start) {}
    DateTime Now() const override { return m_start + static_cast<double>(m_ms) / kMSecsPerDay; }
    qint64 MonotonicMSecs() const override { return m_ms; }
    void Advance(qint64 ms) { m_ms += ms; }
    void SetNow(DateTime now) { m_start = now - static_cast<double>(m_ms) / kMSecsPerDay; }

private:
    DateTime m_start;
    qint64 m_ms = 1000000;
};
