#include "ui/results/HistoryChart.h"

#include "core/HistoryModel.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

HistoryChart::HistoryChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Диаграмма результатов экзаменов"));
    setMinimumSize(200, 150);
}

void HistoryChart::SetModel(const HistoryModel* model) {
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (model)
        connect(model, &QAbstractItemModel::modelReset, this, [this] { update(); });
    update();
}

int HistoryChart::BarCount() const {
    return m_model ? static_cast<int>(m_model->Entries().size()) : 0;
}

double HistoryChart::BarValue(int index) const {
    const double v = m_model->Entries()[static_cast<size_t>(index)].result;
    return std::isfinite(v) ? v : 0.0;
}

QString HistoryChart::BarLabel(int index) const {
    return HistoryChartLabel(m_model->Entries()[static_cast<size_t>(index)].date);
}

QColor HistoryChart::BarColor(int index) {
    static const std::array<QColor, 12> palette = {
        QColor(0xE6, 0x4A, 0x3C), QColor(0x3C, 0x8D, 0xE6), QColor(0x4C, 0xB0, 0x50),
        QColor(0xF2, 0xA6, 0x1C), QColor(0x8E, 0x5C, 0xC7), QColor(0x1F, 0xB5, 0xAD),
        QColor(0xD8, 0x5C, 0x9E), QColor(0x7A, 0x8B, 0x99), QColor(0xC9, 0xB2, 0x1E),
        QColor(0x5A, 0x6F, 0xD8), QColor(0xA8, 0x6B, 0x3C), QColor(0x2E, 0x9E, 0x6B)};
    return palette[static_cast<size_t>(index) % palette.size()];
}

namespace {
// A round step for the value axis, about five ticks over the span.
double niceStep(double span) {
    if (span <= 0)
        return 1.0;
    const double raw = span / 5.0;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (raw <= m * mag)
            return m * mag;
    return 10.0 * mag;
}
} // namespace

void HistoryChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const QFontMetrics fm(font());
    const QLocale locale;

    const int n = BarCount();
    double lo = 0.0, hi = 0.0;
    for (int i = 0; i < n; ++i) {
        lo = std::min(lo, BarValue(i));
        hi = std::max(hi, BarValue(i));
    }
    if (hi - lo < 1e-9)
        hi = lo + 10.0;
    const double step = niceStep(hi - lo);
    lo = std::floor(lo / step) * step;
    hi = std::ceil(hi / step) * step;

    const int left = fm.horizontalAdvance(QStringLiteral("-0000,0")) + 12;
    const int top = fm.height();
    const int bottom = height() - fm.height() * 2 - 8;
    const int right = width() - 10;
    if (right - left < 10 || bottom - top < 10)
        return;
    const auto yOf = [&](double v) {
        return bottom - static_cast<int>(std::lround((v - lo) / (hi - lo) * (bottom - top)));
    };

    // Grid and value axis.
    p.setPen(palette().color(QPalette::Mid));
    for (double v = lo; v <= hi + step / 2; v += step) {
        const int y = yOf(v);
        p.drawLine(left, y, right, y);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(0, y - fm.height() / 2, left - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, locale.toString(v, 'f', step < 1 ? 1 : 0));
        p.setPen(palette().color(QPalette::Mid));
    }
    const int zero = yOf(0.0);
    p.setPen(palette().color(QPalette::Text));
    p.drawLine(left, zero, right, zero);

    if (n == 0)
        return;
    const double slot = static_cast<double>(right - left) / n;
    const int barWidth = std::max(1, static_cast<int>(slot * 0.7));
    // Bars are gathered by colour and painted in one call per colour: a long history has thousands.
    // Where bars are narrower than a pixel, many stand at the same x; the bars of one colour there
    // all touch the axis, so their union is one span from the highest top to the lowest bottom,
    // and that one rectangle paints the same pixels as all of them.
    constexpr int kColors = 12;
    std::array<QVector<QRect>, kColors> rects;
    struct Span {
        int top = INT_MAX;
        int bottom = INT_MIN;
    };
    std::array<Span, kColors> spans;
    int spanX = INT_MIN;
    const auto flush = [&] {
        for (size_t c = 0; c < spans.size(); ++c) {
            if (spans[c].top < spans[c].bottom)
                rects[c].append(
                    QRect(spanX, spans[c].top, barWidth, spans[c].bottom - spans[c].top));
            spans[c] = Span{};
        }
    };
    for (int i = 0; i < n; ++i) {
        const int x = left + static_cast<int>(slot * i + (slot - barWidth) / 2);
        const int y = yOf(BarValue(i));
        if (x != spanX) {
            flush();
            spanX = x;
        }
        if (y == zero)
            continue; // an empty bar paints nothing
        Span& span = spans[static_cast<size_t>(i % kColors)];
        span.top = std::min(span.top, std::min(y, zero));
        span.bottom = std::max(span.bottom, std::max(y, zero));
    }
    flush();
    p.setPen(Qt::NoPen);
    for (int c = 0; c < kColors; ++c) {
        if (rects[static_cast<size_t>(c)].isEmpty())
            continue;
        p.setBrush(BarColor(c));
        p.drawRects(rects[static_cast<size_t>(c)]);
    }
    p.setPen(palette().color(QPalette::Text));

    // Labels are drawn only where they do not run into the previous one. Dates all have about the
    // same width, so one measured label tells which bars cannot carry one without measuring them.
    const int typicalHalf = fm.horizontalAdvance(BarLabel(0)) / 2;
    int lastLabelEnd = -1000000;
    for (int i = 0; i < n; ++i) {
        const int x = left + static_cast<int>(slot * i + (slot - barWidth) / 2);
        const int cx = x + barWidth / 2;
        if (cx - typicalHalf / 2 <= lastLabelEnd + 6)
            continue;
        const QString label = BarLabel(i);
        const int lw = fm.horizontalAdvance(label);
        if (cx - lw / 2 > lastLabelEnd + 6) {
            p.drawText(QRect(cx - lw / 2 - 2, bottom + 4, lw + 4, fm.height()), Qt::AlignCenter,
                       label);
            lastLabelEnd = cx + lw / 2;
        }
    }
}
