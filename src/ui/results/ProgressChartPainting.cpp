#include "ui/results/ProgressChart.h"

#include "core/Messages.h"
#include "core/NormBand.h"
#include "core/StoredExam.h"
#include "core/TimeTick.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

// How the chart is drawn: where things go on a chart of a given size, and each layer of it.

namespace {

constexpr qint64 kMsPerDay = 86400000;

const QColor kPointColor(0x3C, 0x8D, 0xE6);
const QColor kMeanColor(0xE0, 0x7A, 0x10);
const QColor kTrendColor(0xC0, 0x30, 0x30);
const QColor kBestColor(0xE6, 0xB0, 0x00);

const std::vector<NormBand>& expertBands() {
    static const std::vector<NormBand> bands = NormBand::FromRows(Messages::ExpertNorms);
    return bands;
}

QString valueText(double v, double step) {
    if (std::fabs(v) >= 1e6)
        return QLocale().toString(v, 'g', 3);
    return QLocale().toString(v, 'f', step >= 1.0 ? 0 : step >= 0.1 ? 1 : 2);
}

// A five-pointed star around a centre, for the personal best.
QPolygonF star(QPointF c, double r) {
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double rr = i % 2 ? r * 0.45 : r;
        poly << QPointF(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    }
    return poly;
}

// A small triangle at an edge of the plot, pointing out of it: a result beyond the value axis.
QPolygonF beyondMark(double x, double y, bool up) {
    const double d = up ? -6.0 : 6.0;
    return QPolygonF({QPointF(x - 4, y), QPointF(x + 4, y), QPointF(x, y + d)});
}

} // namespace

double ProgressChart::Frame::xOf(qint64 timeKey) const {
    return plot.left() +
           static_cast<double>(timeKey - from) / static_cast<double>(to - from) * plot.width();
}

double ProgressChart::Frame::yOf(double value) const {
    const double v = std::isnan(value) ? scale.low : std::clamp(value, scale.low, scale.high);
    return plot.bottom() - (v - scale.low) / (scale.high - scale.low) * plot.height();
}

ProgressChart::Frame ProgressChart::FrameOf(const QSize& size) const {
    const QFontMetrics fm(font());
    Frame f;
    f.scale = m_scale;
    int valueWidth = 0;
    for (double v = f.scale.low; v <= f.scale.high + f.scale.step / 2; v += f.scale.step)
        valueWidth = std::max(valueWidth, fm.horizontalAdvance(valueText(v, f.scale.step)));
    int gradeWidth = 0;
    for (const NormBand& band : expertBands())
        gradeWidth = std::max(gradeWidth, fm.horizontalAdvance(band.grade));
    const int top = 2 * fm.height() + 4; // the legend, and room above the highest point
    f.plot = QRect(valueWidth + 12, top, size.width() - valueWidth - gradeWidth - 26,
                   size.height() - top - fm.height() - 10);
    const std::span<const ProgressSeries::Point> points = Points();
    if (!points.empty()) {
        // The period's first day, or the first exam of all; a span of no length (one exam, or
        // all at one moment) gets the day it lies in.
        f.from =
            std::min(points.front().timeKey, QDate(1899, 12, 30).daysTo(m_range.from) * kMsPerDay);
        f.to = points.back().timeKey;
        if (f.to <= f.from) {
            f.from = QDate(1899, 12, 30).daysTo(StoredExam::DayOf(f.from)) * kMsPerDay;
            f.to = f.from + kMsPerDay;
        }
        // A little room after the last exam, so that its point is not cut by the edge.
        f.to += std::max<qint64>((f.to - f.from) / 50, 1);
    }
    return f;
}

void ProgressChart::Paint(QPainter& p, const QSize& size, bool withCursor) const {
    p.fillRect(QRect(QPoint(0, 0), size), palette().color(QPalette::Base));
    const Frame f = FrameOf(size);
    if (f.plot.width() < 10 || f.plot.height() < 10)
        return;
    PaintBackdrop(p, f);
    PaintExams(p, f);
    PaintBest(p, f);
    if (withCursor && hasFocus() && m_cursor >= 0) {
        const QPoint at = PositionOf(m_cursor);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        p.drawLine(at.x(), f.plot.top(), at.x(), f.plot.bottom());
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(at), 7, 7);
    }
}

void ProgressChart::PaintBackdrop(QPainter& p, const Frame& f) const {
    const QFontMetrics fm(font());
    const QColor text = palette().color(QPalette::Text);
    // The grades, lightly tinted in turn and named at the right.
    QColor tint = palette().color(QPalette::Highlight);
    int i = 0;
    for (const NormBand& band : expertBands()) {
        const double top = band.to ? f.yOf(*band.to) : f.plot.top();
        const double bottom = f.yOf(band.from);
        tint.setAlpha(i++ % 2 ? 42 : 20);
        if (bottom - top < 1)
            continue;
        p.fillRect(QRectF(f.plot.left(), top, f.plot.width(), bottom - top), tint);
        if (bottom - top >= fm.height() * 0.8) {
            p.setPen(text);
            p.drawText(QRectF(f.plot.right() + 6, top, 200, bottom - top),
                       Qt::AlignLeft | Qt::AlignVCenter, band.grade);
        }
    }
    // The value axis with its grid.
    QColor grid = palette().color(QPalette::Mid);
    grid.setAlpha(110);
    for (double v = f.scale.low; v <= f.scale.high + f.scale.step / 2; v += f.scale.step) {
        const int y = static_cast<int>(std::lround(f.yOf(v)));
        p.setPen(grid);
        p.drawLine(f.plot.left(), y, f.plot.right(), y);
        p.setPen(text);
        p.drawText(QRect(0, y - fm.height() / 2, f.plot.left() - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, valueText(v, f.scale.step));
    }
    // Calendar time, labelled where the labels do not run into each other.
    const int labelWidth = fm.horizontalAdvance(QStringLiteral("нояб. 2007")) + 16;
    int lastEnd = -1000000;
    for (const TimeTick& tick :
         TimeTick::Between(f.from, f.to, std::max(1, f.plot.width() / labelWidth))) {
        const double x = f.xOf(tick.timeKey);
        if (x < f.plot.left() || x > f.plot.right())
            continue;
        p.setPen(grid);
        p.drawLine(QPointF(x, f.plot.top()), QPointF(x, f.plot.bottom()));
        const int w = fm.horizontalAdvance(tick.label);
        const int left = std::clamp(static_cast<int>(x) - w / 2, 0, width() - w);
        if (left <= lastEnd + 8)
            continue;
        p.setPen(text);
        p.drawText(QRect(left, f.plot.bottom() + 4, w, fm.height()), Qt::AlignCenter, tick.label);
        lastEnd = left + w;
    }
    p.setPen(text);
    p.drawLine(f.plot.bottomLeft(), f.plot.bottomRight());
    p.drawLine(f.plot.bottomLeft(), f.plot.topLeft());
    // The legend, above the plot.
    p.setRenderHint(QPainter::Antialiasing, true);
    int x = f.plot.left();
    const int y = fm.height() / 2 + 2;
    const auto entry = [&](const QString& name, const std::function<void(int)>& sample) {
        sample(x);
        p.setPen(text);
        p.drawText(QPoint(x + 22, y + fm.ascent() / 2 - 1), name);
        x += 22 + fm.horizontalAdvance(name) + 18;
    };
    entry(QStringLiteral("экзамен"), [&](int at) {
        p.setPen(Qt::NoPen);
        p.setBrush(kPointColor);
        p.drawEllipse(QPointF(at + 9, y), 3.5, 3.5);
    });
    entry(QStringLiteral("среднее за 10 экзаменов"), [&](int at) {
        p.setPen(QPen(kMeanColor, 2));
        p.drawLine(at, y, at + 18, y);
    });
    entry(QStringLiteral("тренд"), [&](int at) {
        p.setPen(QPen(kTrendColor, 2, Qt::DashLine));
        p.drawLine(at, y, at + 18, y);
    });
    entry(QStringLiteral("лучший результат"), [&](int at) {
        p.setPen(QPen(text, 1));
        p.setBrush(kBestColor);
        p.drawPolygon(star(QPointF(at + 9, y), 7));
    });
    p.setRenderHint(QPainter::Antialiasing, false);
}

void ProgressChart::PaintExams(QPainter& p, const Frame& f) const {
    const std::span<const ProgressSeries::Point> points = Points();
    if (points.empty())
        return;
    p.save();
    p.setClipRect(f.plot.adjusted(-8, -8, 8, 8));
    p.setRenderHint(QPainter::Antialiasing, true);
    // Each pixel column shows its exams' lowest and highest; the mean line runs from column to
    // column and spans what the mean did within one. It is drawn as separate segments: joining
    // a thousand of them into one wide line costs the stroker ten times as much. A result beyond
    // the axis is marked at the edge. The lines go over the points, which may fill the plot.
    const bool dots = static_cast<int>(points.size()) <= f.plot.width() / 4;
    QVector<QLineF> mean;
    std::optional<QPointF> meanAt;
    const auto meanTo = [&](QPointF to) {
        if (meanAt)
            mean.append(QLineF(*meanAt, to));
        meanAt = to;
    };
    QVector<QRectF> spans, meanSpans;
    QVector<QPolygonF> beyond;
    for (const ProgressSeries::Column& c :
         m_series->ColumnsOf(m_range, f.from, f.to, f.plot.width())) {
        const double x = f.plot.left() + c.x;
        meanTo(QPointF(x, f.yOf(c.meanFirst)));
        if (c.meanLast != c.meanFirst)
            meanTo(QPointF(x, f.yOf(c.meanLast)));
        if (c.meanLow != c.meanHigh)
            meanSpans.append(
                QRectF(x - 1, f.yOf(c.meanHigh), 2, f.yOf(c.meanLow) - f.yOf(c.meanHigh)));
        spans.append(QRectF(x - 1, f.yOf(c.high) - 1, 3, f.yOf(c.low) - f.yOf(c.high) + 2));
        if (c.high > f.scale.high)
            beyond.append(beyondMark(x, f.plot.top(), true));
        if (c.low < f.scale.low)
            beyond.append(beyondMark(x, f.plot.bottom(), false));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kPointColor);
    if (dots) {
        for (const ProgressSeries::Point& pt : points)
            p.drawEllipse(QPointF(f.xOf(pt.timeKey), f.yOf(pt.coefficient)), 3.5, 3.5);
    } else {
        p.drawRects(spans);
    }
    p.setBrush(kMeanColor);
    p.drawRects(meanSpans);
    p.setPen(QPen(kMeanColor, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLines(mean);
    // The trend over the period, where there is one.
    if (const std::optional<HistoryStats::Trend> trend = m_stats.trend) {
        const auto at = [&](qint64 key) {
            const double v =
                trend->meanCoefficient +
                trend->per30Days / 30.0 * (static_cast<double>(key) / kMsPerDay - trend->meanDay);
            const double span = f.scale.high - f.scale.low;
            return QPointF(f.xOf(key),
                           f.plot.bottom() -
                               std::clamp((v - f.scale.low) / span, -50.0, 50.0) * f.plot.height());
        };
        p.setPen(QPen(kTrendColor, 2, Qt::DashLine));
        p.drawLine(at(points.front().timeKey), at(points.back().timeKey));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kTrendColor);
    for (const QPolygonF& mark : beyond)
        p.drawPolygon(mark);
    p.restore();
}

void ProgressChart::PaintBest(QPainter& p, const Frame& f) const {
    if (!m_stats.best)
        return;
    const ProgressSeries::Point& best = Points()[*m_stats.best];
    const QPointF at(f.xOf(best.timeKey), f.yOf(best.coefficient));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(palette().color(QPalette::Text), 1));
    p.setBrush(kBestColor);
    p.drawPolygon(star(at, 8));
    const QString label = QStringLiteral("%1 — %2").arg(
        StatsNumber(best.coefficient),
        QLocale().toString(StoredExam::DayOf(best.timeKey), QLocale::ShortFormat));
    const QFontMetrics fm(font());
    const int w = fm.horizontalAdvance(label) + 6;
    // Beside the star, on whichever side has room, and never out of the chart.
    QRectF box(at.x() + 10, at.y() - fm.height() - 4, w, fm.height());
    if (box.right() > f.plot.right())
        box.moveRight(at.x() - 10);
    if (box.top() < 0)
        box.moveTop(at.y() + 6);
    QColor back = palette().color(QPalette::Base);
    back.setAlpha(200);
    p.fillRect(box, back);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(box, Qt::AlignCenter, label);
    p.setRenderHint(QPainter::Antialiasing, false);
}
