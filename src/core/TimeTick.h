#pragma once

#include <QString>
#include <vector>

// A labelled tick of a calendar time axis, at the start of a day, a month or a year.
struct TimeTick {
    qint64 timeKey = 0; // StoredExam::TimeKey of the tick
    // In the user's locale: "15 мар."; "март 2007", or "апр." after a tick of the same year;
    // "2007".
    QString label;

    // Ticks from one time key to another, at most maxTicks of them: days, months or years,
    // whichever unit and round step (1, 2, 7 or 14 days; 1, 2, 3 or 6 months; 1, 2, 5, 10 ...
    // years) keeps within the count. A span of no length gets its day.
    static std::vector<TimeTick> Between(qint64 from, qint64 to, int maxTicks);
};
