#include "core/DateTimeText.h"

#include <QLocale>
#include <cmath>

namespace {
const QDateTime& epoch() {
    static const QDateTime e(QDate(1899, 12, 30), QTime(0, 0));
    return e;
}
} // namespace

QString TimeSeparator() {
    // The locale keeps no separate separator; take the first non-letter after the hours.
    const QString fmt = QLocale().timeFormat(QLocale::LongFormat);
    const qsizetype h = fmt.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (h >= 0) {
        for (qsizetype i = h; i < fmt.size(); ++i) {
            const QChar c = fmt[i];
            if (!c.isLetter() && c != QLatin1Char('\''))
                return QString(c);
        }
    }
    return QStringLiteral(":");
}

qint64 DurationToMSecs(DateTime days) {
    if (!std::isfinite(days))
        return 0;
    const double ms = days * kMSecsPerDay;
    if (ms > 9.0e18 || ms < -9.0e18)
        return 0;
    return std::llround(ms);
}

namespace {
// Milliseconds of the time-of-day part, as the day-count form splits a value: the whole value is
// rounded to milliseconds first, so 0.99999999999 days becomes the next day's midnight.
qint64 timeOfDayMSecs(DateTime value) {
    const qint64 total = DurationToMSecs(std::fabs(value));
    return total % 86400000;
}
} // namespace

QString FormatDuration(DateTime value) {
    const qint64 ms = timeOfDayMSecs(value);
    const qint64 s = ms / 1000;
    const QString sep = TimeSeparator();
    const auto two = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return two(s / 3600) + sep + two((s / 60) % 60) + sep + two(s % 60);
}

double TimeOfDaySeconds(DateTime value) {
    return static_cast<double>(timeOfDayMSecs(value)) / 1000.0;
}

DateTime DateTimeFromQDateTime(const QDateTime& dt) {
    // Local wall-clock fields, not UTC: the stored value is local time with no zone.
    const QDateTime local = dt.toLocalTime();
    const qint64 days = epoch().date().daysTo(local.date());
    const double frac = local.time().msecsSinceStartOfDay() / kMSecsPerDay;
    return days >= 0 ? days + frac : days - frac;
}

QDateTime QDateTimeFromDateTime(DateTime value) {
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6)
        return QDateTime(epoch());
    const double whole = std::trunc(value);
    const qint64 ms = std::llround(std::fabs(value - whole) * kMSecsPerDay);
    QDate date = epoch().date().addDays(static_cast<qint64>(whole));
    qint64 tod = ms;
    if (tod >= 86400000) {
        date = date.addDays(1);
        tod -= 86400000;
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(tod)));
}
