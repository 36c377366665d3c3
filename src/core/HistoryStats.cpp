#include "core/HistoryStats.h"

#include "core/History.h"
#include "core/StoredExam.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kRecent = 10;
constexpr qint64 kMsPerDay = 86400000;

} // namespace

QString StatsNumber(double v) {
    // A hand-edited history can hold any number: beyond a trillion the digits say nothing a
    // reader could take in, and would push every other figure out of sight.
    if (std::fabs(v) >= 1e12)
        return QLocale().toString(v, 'e', 2);
    // Rounding may leave a "-0,00" that says nothing but a sign.
    const double r = std::round(v * 100.0) / 100.0;
    return QLocale().toString(r == 0.0 ? 0.0 : r, 'f', 2);
}

HistoryStats ComputeStats(std::span<const HistoryStats::Exam> exams) {
    HistoryStats s;
    s.count = static_cast<int>(exams.size());
    if (exams.empty())
        return s;
    for (size_t i = 0; i < exams.size(); ++i)
        if (!s.best || exams[i].coefficient > exams[*s.best].coefficient)
            s.best = i;

    s.lastCount = std::min(s.count, kRecent);
    double sum = 0.0;
    for (size_t i = exams.size() - static_cast<size_t>(s.lastCount); i < exams.size(); ++i)
        sum += exams[i].coefficient;
    s.lastMean = sum / s.lastCount;

    // Exams of one day are neighbours, so a day's month is worked out once.
    qint64 dayStart = 1;
    qint64 dayEnd = 0;
    for (const HistoryStats::Exam& e : exams) {
        if (e.timeKey < dayStart || e.timeKey >= dayEnd) {
            const QDate day = StoredExam::DayOf(e.timeKey);
            dayStart = QDate(1899, 12, 30).daysTo(day) * kMsPerDay;
            dayEnd = dayStart + kMsPerDay;
            if (s.months.empty() || s.months.back().year != day.year() ||
                s.months.back().month != day.month())
                s.months.push_back({day.year(), day.month(), 0, 0.0, e.coefficient});
        }
        HistoryStats::Month& m = s.months.back();
        // A running mean keeps its precision over any number of exams.
        ++m.count;
        m.mean += (e.coefficient - m.mean) / m.count;
        m.best = std::max(m.best, e.coefficient);
    }

    // Times in days around their mean, so that the sums do not lose the small differences
    // between exams to the large day count.
    if (exams.size() >= 2) {
        const double n = static_cast<double>(exams.size());
        double mx = 0.0, my = 0.0;
        for (const HistoryStats::Exam& e : exams) {
            mx += static_cast<double>(e.timeKey) / kMSecsPerDay / n;
            my += e.coefficient / n;
        }
        double sxy = 0.0, sxx = 0.0;
        for (const HistoryStats::Exam& e : exams) {
            const double dx = static_cast<double>(e.timeKey) / kMSecsPerDay - mx;
            sxy += dx * (e.coefficient - my);
            sxx += dx * dx;
        }
        if (sxx > 0.0 && std::isfinite(sxy / sxx))
            s.trend = HistoryStats::Trend{sxy / sxx * 30.0, mx, my};
    }
    return s;
}

HistoryStats::Texts StatsTexts(const HistoryStats& s, std::span<const HistoryStats::Exam> exams) {
    HistoryStats::Texts t;
    t.count = QStringLiteral("Экзаменов: %1").arg(s.count);
    if (s.count == 0)
        return t;
    const HistoryStats::Exam& best = exams[*s.best];
    t.best = QStringLiteral("Лучший коэффициент: %1 — %2")
                 .arg(StatsNumber(best.coefficient), HistoryDateText(best.date));
    t.recent =
        QStringLiteral("Среднее за последние %1: %2").arg(s.lastCount).arg(StatsNumber(s.lastMean));
    const QLocale locale;
    for (const HistoryStats::Month& m : s.months)
        t.months.push_back(
            {QStringLiteral("%1 %2").arg(locale.standaloneMonthName(m.month)).arg(m.year),
             QString::number(m.count), StatsNumber(m.mean), StatsNumber(m.best)});
    if (s.trend) {
        const double per30 = s.trend->per30Days;
        const QString sign =
            per30 > 0.0 && StatsNumber(per30) != StatsNumber(0.0) ? QStringLiteral("+") : QString();
        t.trend = QStringLiteral("Тренд: %1%2 за 30 дней (по экзаменам: %3)")
                      .arg(sign, StatsNumber(per30))
                      .arg(s.count);
    } else {
        t.trend = QStringLiteral("Тренд: недостаточно данных (по экзаменам: %1)").arg(s.count);
    }
    return t;
}

QString StatsText(const HistoryStats& stats, std::span<const HistoryStats::Exam> exams) {
    const HistoryStats::Texts t = StatsTexts(stats, exams);
    QString out = t.count + QLatin1Char('\n');
    if (stats.count == 0)
        return out;
    out += t.best + QLatin1Char('\n') + t.recent + QLatin1Char('\n');
    out += QStringLiteral("Среднее по месяцам:\n");
    for (const HistoryStats::Texts::Month& m : t.months)
        out += QStringLiteral("  %1: %2 (экзаменов: %3, лучший: %4)\n")
                   .arg(m.name, m.mean, m.count, m.best);
    return out + t.trend + QLatin1Char('\n');
}
