#include "cli/HistoryStats.h"

#include "core/History.h"

#include <QLocale>
#include <cmath>

namespace {

constexpr int kRecent = 10;

QString number(double v) {
    // Rounding may leave a "-0,00" that says nothing but a sign.
    const double r = std::round(v * 100.0) / 100.0;
    return QLocale().toString(r == 0.0 ? 0.0 : r, 'f', 2);
}

} // namespace

HistoryStats ComputeStats(const std::vector<ExamRow>& exams) {
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

    for (const ExamRow& e : exams) {
        if (s.months.empty() || s.months.back().year != e.day.year() ||
            s.months.back().month != e.day.month())
            s.months.push_back({e.day.year(), e.day.month(), 0, 0.0});
        HistoryStats::Month& m = s.months.back();
        // A running mean keeps its precision over any number of exams.
        ++m.count;
        m.mean += (e.coefficient - m.mean) / m.count;
    }

    // Times in days around their mean, so that the sums do not lose the small differences
    // between exams to the large day count.
    if (exams.size() >= 2) {
        const double n = static_cast<double>(exams.size());
        double mx = 0.0, my = 0.0;
        for (const ExamRow& e : exams) {
            mx += static_cast<double>(e.timeKey()) / kMSecsPerDay / n;
            my += e.coefficient / n;
        }
        double sxy = 0.0, sxx = 0.0;
        for (const ExamRow& e : exams) {
            const double dx = static_cast<double>(e.timeKey()) / kMSecsPerDay - mx;
            sxy += dx * (e.coefficient - my);
            sxx += dx * dx;
        }
        if (sxx > 0.0)
            s.trendPer30Days = sxy / sxx * 30.0;
    }
    return s;
}

QString StatsText(const HistoryStats& s, const std::vector<ExamRow>& exams) {
    QString out = QStringLiteral("Экзаменов: %1\n").arg(s.count);
    if (s.count == 0)
        return out;
    const ExamRow& best = exams[*s.best];
    out += QStringLiteral("Лучший коэффициент: %1 — %2\n")
               .arg(number(best.coefficient), HistoryDateText(best.date));
    out += QStringLiteral("Среднее за последние %1: %2\n").arg(s.lastCount).arg(number(s.lastMean));
    out += QStringLiteral("Среднее по месяцам:\n");
    const QLocale locale;
    for (const HistoryStats::Month& m : s.months)
        out += QStringLiteral("  %1 %2: %3 (экзаменов: %4)\n")
                   .arg(locale.standaloneMonthName(m.month))
                   .arg(m.year)
                   .arg(number(m.mean))
                   .arg(m.count);
    if (s.trendPer30Days) {
        const QString sign = *s.trendPer30Days > 0.0 && number(*s.trendPer30Days) != number(0.0)
                                 ? QStringLiteral("+")
                                 : QString();
        out += QStringLiteral("Тренд: %1%2 за 30 дней (по экзаменам: %3)\n")
                   .arg(sign, number(*s.trendPer30Days))
                   .arg(s.count);
    } else {
        out += QStringLiteral("Тренд: недостаточно данных (по экзаменам: %1)\n").arg(s.count);
    }
    return out;
}
