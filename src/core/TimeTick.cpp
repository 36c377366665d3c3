#include "core/TimeTick.h"

#include "core/StoredExam.h"

#include <QDate>
#include <QLocale>
#include <algorithm>

namespace {

constexpr qint64 kMsPerDay = 86400000;

qint64 keyOf(const QDate& day) {
    return QDate(1899, 12, 30).daysTo(day) * kMsPerDay;
}

enum class Unit { Day, Month, Year };

// The first tick at or after the start, on a whole step of its unit.
QDate firstTick(const QDate& start, Unit unit, int step) {
    switch (unit) {
    case Unit::Day:
        return start;
    case Unit::Month: {
        QDate d(start.year(), start.month(), 1);
        if (d < start)
            d = d.addMonths(1);
        while ((d.month() - 1) % step != 0)
            d = d.addMonths(1);
        return d;
    }
    case Unit::Year: {
        int year = start.year() + (QDate(start.year(), 1, 1) < start ? 1 : 0);
        while (year % step != 0)
            ++year;
        return QDate(year, 1, 1);
    }
    }
    return start;
}

QDate next(const QDate& d, Unit unit, int step) {
    return unit == Unit::Day     ? d.addDays(step)
           : unit == Unit::Month ? d.addMonths(step)
                                 : d.addYears(step);
}

} // namespace

std::vector<TimeTick> TimeTick::Between(qint64 from, qint64 to, int maxTicks) {
    maxTicks = std::max(maxTicks, 1);
    const QDate first = StoredExam::DayOf(from);
    const QDate last = StoredExam::DayOf(to);
    const qint64 days = first.daysTo(last) + 1;
    struct Choice {
        Unit unit;
        int step;
        qint64 days; // about how long a step is
    };
    static const Choice choices[] = {
        {Unit::Day, 1, 1},        {Unit::Day, 2, 2},         {Unit::Day, 7, 7},
        {Unit::Day, 14, 14},      {Unit::Month, 1, 30},      {Unit::Month, 2, 61},
        {Unit::Month, 3, 91},     {Unit::Month, 6, 182},     {Unit::Year, 1, 365},
        {Unit::Year, 2, 730},     {Unit::Year, 5, 1826},     {Unit::Year, 10, 3652},
        {Unit::Year, 20, 7305},   {Unit::Year, 50, 18262},   {Unit::Year, 100, 36525},
        {Unit::Year, 200, 73050}, {Unit::Year, 500, 182621}, {Unit::Year, 1000, 365242}};
    Choice choice = choices[std::size(choices) - 1];
    for (const Choice& c : choices) {
        if (days / c.days + 1 <= maxTicks) {
            choice = c;
            break;
        }
    }
    const QLocale locale;
    // A month is named with its year where the year is not plain from the ticks before it.
    std::vector<TimeTick> ticks;
    int lastYear = 0;
    for (QDate d = firstTick(first, choice.unit, choice.step);
         d.isValid() && d <= last && static_cast<int>(ticks.size()) < maxTicks;
         d = next(d, choice.unit, choice.step)) {
        QString label;
        if (choice.unit == Unit::Day)
            label = locale.toString(d, QStringLiteral("d MMM"));
        else if (choice.unit == Unit::Month)
            label =
                locale.standaloneMonthName(d.month(), QLocale::ShortFormat) +
                (d.year() != lastYear ? QLatin1Char(' ') + QString::number(d.year()) : QString());
        else
            label = QString::number(d.year());
        lastYear = d.year();
        ticks.push_back({keyOf(d), label});
    }
    return ticks;
}
