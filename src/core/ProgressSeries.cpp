#include "core/ProgressSeries.h"

#include "core/NormBand.h"
#include "core/StoredExam.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 kMsPerDay = 86400000;
constexpr int kRecent = 10;
// Results beyond this are not drawn to scale whatever else happens: the axis would need labels
// no one can read, and the arithmetic of the drawing would leave the finite numbers.
constexpr double kFarthest = 1e300;

qint64 startOf(const QDate& day) {
    return QDate(1899, 12, 30).daysTo(day) * kMsPerDay;
}

// The highest bound of the "Профи" norms (57: the "Мастер" grade).
double topNorm() {
    double top = 0.0;
    for (const NormBand& band : NormBand::FromRows(Messages::ExpertNorms))
        top = std::max({top, band.from, band.to.value_or(0.0)});
    return top;
}

} // namespace

ProgressSeries::ProgressSeries(const std::vector<HistoryEntry>& entries) {
    m_points.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const HistoryEntry& e = entries[i];
        // A second copy of a section is the same exam again, not one left out.
        if (e.fault == StoredExam::Fault::Repeated)
            continue;
        const std::optional<qint64> key = StoredExam::TimeKeyOf(e.date);
        if (e.fault != StoredExam::Fault::None || !key) {
            ++m_leftOut;
            continue;
        }
        m_points.push_back({*key, e.date, e.result, 0.0, static_cast<int>(i)});
    }
    const auto earlier = [](const Point& a, const Point& b) { return a.timeKey < b.timeKey; };
    if (!std::is_sorted(m_points.begin(), m_points.end(), earlier))
        std::stable_sort(m_points.begin(), m_points.end(), earlier);
    // Each mean is summed afresh: a running sum would lose the small results to a huge one that
    // passed through the window.
    for (size_t i = 0; i < m_points.size(); ++i) {
        const size_t from = i + 1 >= kRecent ? i + 1 - kRecent : 0;
        double mean = 0.0;
        for (size_t j = from; j <= i; ++j)
            mean += (m_points[j].coefficient - mean) / static_cast<double>(j - from + 1);
        m_points[i].recentMean = mean;
    }
}

std::span<const ProgressSeries::Point> ProgressSeries::PointsOf(const Range& range) const {
    return std::span<const Point>(m_points).subspan(range.first, range.size());
}

ProgressSeries::Range ProgressSeries::RangeOf(Period period) const {
    Range range;
    if (m_points.empty())
        return range;
    range.to = StoredExam::DayOf(m_points.back().timeKey);
    switch (period) {
    case Period::All:
        range.from = StoredExam::DayOf(m_points.front().timeKey);
        break;
    case Period::Year:
        range.from = range.to.addYears(-1).addDays(1);
        break;
    case Period::ThreeMonths:
        range.from = range.to.addMonths(-3).addDays(1);
        break;
    case Period::Month:
        range.from = range.to.addMonths(-1).addDays(1);
        break;
    }
    const qint64 start = startOf(range.from);
    range.first = static_cast<size_t>(
        std::lower_bound(m_points.begin(), m_points.end(), start,
                         [](const Point& p, qint64 key) { return p.timeKey < key; }) -
        m_points.begin());
    range.last = m_points.size();
    return range;
}

std::vector<HistoryStats::Exam> ProgressSeries::StatsExams(const Range& range) const {
    std::vector<HistoryStats::Exam> exams;
    exams.reserve(range.size());
    for (const Point& p : PointsOf(range))
        exams.push_back({p.date, p.timeKey, p.coefficient});
    return exams;
}

std::vector<ProgressSeries::Column> ProgressSeries::ColumnsOf(const Range& range, qint64 from,
                                                              qint64 to, int width) const {
    std::vector<Column> columns;
    const double perMs =
        to > from ? static_cast<double>(width) / static_cast<double>(to - from) : 0.0;
    for (const Point& p : PointsOf(range)) {
        const int x = static_cast<int>(std::lround(static_cast<double>(p.timeKey - from) * perMs));
        if (columns.empty() || columns.back().x != x) {
            columns.push_back({x, p.coefficient, p.coefficient, p.recentMean, p.recentMean,
                               p.recentMean, p.recentMean});
            continue;
        }
        Column& c = columns.back();
        c.low = std::min(c.low, p.coefficient);
        c.high = std::max(c.high, p.coefficient);
        c.meanLow = std::min(c.meanLow, p.recentMean);
        c.meanHigh = std::max(c.meanHigh, p.recentMean);
        c.meanLast = p.recentMean;
    }
    return columns;
}

double ProgressSeries::RoundStep(double span) {
    if (!std::isfinite(span) || span <= 0.0)
        return 1.0;
    const double raw = span / 5.0;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 2.5, 5.0})
        if (raw <= m * mag)
            return m * mag;
    return 10.0 * mag;
}

ProgressSeries::Scale ProgressSeries::ScaleOf(std::span<const Point> points) {
    std::vector<double> values;
    values.reserve(points.size());
    for (const Point& p : points)
        values.push_back(std::clamp(p.coefficient, -kFarthest, kFarthest));
    std::sort(values.begin(), values.end());
    double top = values.empty() ? 0.0 : values.back();
    double bottom = values.empty() ? 0.0 : std::min(0.0, values.front());
    if (!values.empty()) {
        const double n = static_cast<double>(values.size() - 1);
        const double p99 = values[static_cast<size_t>(std::floor(0.99 * n))];
        const double p1 = values[static_cast<size_t>(std::ceil(0.01 * n))];
        const double far = 2.0 * topNorm();
        if (top > std::max(10.0 * std::fabs(p99), far))
            top = p99;
        if (-bottom > std::max(10.0 * std::fabs(p1), far))
            bottom = std::min(0.0, p1);
    }
    top = std::max(top, 0.0);
    // An empty or flat history still gets an axis that shows the lowest grades.
    if (top - bottom < 5.0)
        top = bottom + 5.0;
    Scale scale;
    scale.step = RoundStep(top - bottom);
    // A round number above the best, with room for the best's label.
    scale.high = std::ceil(top / scale.step) * scale.step;
    if (scale.high - top < 0.2 * scale.step)
        scale.high += scale.step;
    scale.low = std::floor(bottom / scale.step) * scale.step;
    if (bottom < 0.0 && bottom - scale.low < 0.2 * scale.step)
        scale.low -= scale.step;
    return scale;
}
