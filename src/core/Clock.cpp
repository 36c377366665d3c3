#include "core/Clock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace {
QElapsedTimer& monotonicBase() {
    static QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t;
}
Clock* g_clock = nullptr;
} // namespace

SystemClock::SystemClock() {
    monotonicBase();
}

DateTime SystemClock::Now() const {
    return DateTimeFromQDateTime(QDateTime::currentDateTime());
}

qint64 SystemClock::MonotonicMSecs() const {
    return monotonicBase().elapsed();
}

Clock& AppClock() {
    static SystemClock system;
    return g_clock ? *g_clock : system;
}

void SetAppClock(Clock* clock) {
    g_clock = clock;
}
