#pragma once

#include "core/History.h"
#include "core/HistoryStats.h"

#include <QDate>
#include <span>
#include <vector>

// The exams the progress window draws and counts, taken from the records the main window's history
// holds: those the history command counts too, in the command's order (by time, exams of one
// moment in saving order), each with the mean of the last ten exams at it.
class ProgressSeries {
public:
    // The periods the window offers, each ending at the last exam.
    enum class Period { All, Year, ThreeMonths, Month };

    struct Point {
        qint64 timeKey = 0;       // StoredExam::TimeKey
        DateTime date = 0.0;      // as stored, for the texts
        double coefficient = 0.0; //
        double recentMean = 0.0;  // the mean of this exam and the nine before it (or as many)
        int entry = 0;            // the record's index in the history
    };
    // The exams of a period: points [first, last), whose days run from `from` to `to`.
    struct Range {
        size_t first = 0;
        size_t last = 0;
        QDate from;
        QDate to;
        bool empty() const { return first == last; }
        size_t size() const { return last - first; }
    };
    // The exams of a pixel column of a chart: their lowest and highest result, and the first,
    // lowest, highest and last of their recent means.
    struct Column {
        int x = 0;
        double low = 0.0, high = 0.0;
        double meanFirst = 0.0, meanLow = 0.0, meanHigh = 0.0, meanLast = 0.0;
    };
    // A value axis: from low to high in steps of step.
    struct Scale {
        double low = 0.0;
        double high = 10.0;
        double step = 2.0;
    };

    ProgressSeries() = default;
    explicit ProgressSeries(const std::vector<HistoryEntry>& entries);

    const std::vector<Point>& Points() const { return m_points; }
    std::span<const Point> PointsOf(const Range& range) const;
    // Records the figures leave out: those the history command skips with a warning.
    int LeftOut() const { return m_leftOut; }

    // The period ending on the last exam's day, as `zorvik-history --from --to` would give it:
    // "Год" from the same day a year before, exclusive, and so on; "Все" from the first exam.
    Range RangeOf(Period period) const;
    // The exams of a range as the figures take them.
    std::vector<HistoryStats::Exam> StatsExams(const Range& range) const;

    // The exams of a range as a chart can show them in `width` pixel columns from time `from` to
    // `to`: one entry per column that holds exams, so a lifetime of exams costs no more to draw
    // than a few thousand.
    std::vector<Column> ColumnsOf(const Range& range, qint64 from, qint64 to, int width) const;

    // The value axis of some points: from 0 (or a round number below the lowest result, when one
    // is negative) to a round number above the best. A result far beyond the rest (more than ten
    // times the 99th percentile and beyond twice the highest norm), such as a hand-edited 1e300,
    // does not set the axis: it then ends above the 99th percentile and such points lie beyond it.
    static Scale ScaleOf(std::span<const Point> points);
    // A round step for about five ticks over a span.
    static double RoundStep(double span);

private:
    std::vector<Point> m_points;
    int m_leftOut = 0;
};
