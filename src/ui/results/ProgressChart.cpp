#include "ui/results/ProgressChart.h"

#include "core/History.h"
#include "core/Messages.h"
#include "core/StoredExam.h"
#include "ui/results/PictureFile.h"
#include "ui/run/ItemNotice.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// How near a point the pointer must be to pick it, in pixels.
constexpr int kReach = 8;

// The chart is a chart to a screen reader too, not a blank panel.
QAccessibleInterface* accessibleChart(const QString& key, QObject* object) {
    if (key == QLatin1String("ProgressChart") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent), m_notice(new ItemNotice(this)) {
    static const bool accessible = (QAccessible::installFactory(accessibleChart), true);
    Q_UNUSED(accessible);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("График коэффициента"));
    setAccessibleDescription(QStringLiteral(
        "Стрелки влево и вправо — соседний экзамен, Home и End — первый и последний, Enter — "
        "подробные результаты экзамена."));
}

std::span<const ProgressSeries::Point> ProgressChart::Points() const {
    return m_series ? m_series->PointsOf(m_range) : std::span<const ProgressSeries::Point>();
}

void ProgressChart::SetData(const ProgressSeries* series, const ProgressSeries::Range& range,
                            const HistoryStats& stats) {
    m_series = series;
    m_range = range;
    m_stats = stats;
    m_scale = ProgressSeries::ScaleOf(Points());
    m_cursor = -1;
    SetCursor(static_cast<int>(Points().size()) - 1);
    update();
}

void ProgressChart::SetCursor(int index) {
    const int n = static_cast<int>(Points().size());
    index = n == 0 ? -1 : std::clamp(index, 0, n - 1);
    if (index == m_cursor)
        return;
    m_cursor = index;
    // A screen reader says the focused control's new name: the exam the cursor came to.
    setAccessibleName(index < 0 ? QStringLiteral("График коэффициента") : ExamText(index));
    update();
}

QString ProgressChart::ExamText(int index) const {
    const ProgressSeries::Point& p = Points()[static_cast<size_t>(index)];
    return HistoryDateText(p.date) + QStringLiteral(" — ") +
           HistoryResultText(p.coefficient).trimmed();
}

void ProgressChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Paint(p, size(), true);
}

void ProgressChart::Render(QPainter& painter) const {
    Paint(painter, size(), false);
}

QPoint ProgressChart::PositionOf(int index) const {
    const Frame f = FrameOf(size());
    const ProgressSeries::Point& pt = Points()[static_cast<size_t>(index)];
    return QPoint(static_cast<int>(std::lround(f.xOf(pt.timeKey))),
                  static_cast<int>(std::lround(f.yOf(pt.coefficient))));
}

int ProgressChart::ExamAt(const QPoint& pos) const {
    const std::span<const ProgressSeries::Point> points = Points();
    const Frame f = FrameOf(size());
    if (points.empty() || !f.plot.adjusted(-kReach, -kReach, kReach, kReach).contains(pos))
        return -1;
    // Only the exams of the columns within reach need looking at.
    const double perPixel = static_cast<double>(f.to - f.from) / std::max(1, f.plot.width());
    const auto keyAt = [&](int x) {
        return f.from + static_cast<qint64>((x - f.plot.left()) * perPixel);
    };
    auto it = std::lower_bound(
        points.begin(), points.end(), keyAt(pos.x() - kReach - 1),
        [](const ProgressSeries::Point& p, qint64 key) { return p.timeKey < key; });
    const qint64 end = keyAt(pos.x() + kReach + 1);
    int found = -1;
    double nearest = kReach * kReach + 1;
    for (; it != points.end() && it->timeKey <= end; ++it) {
        const double dx = f.xOf(it->timeKey) - pos.x();
        const double dy = f.yOf(it->coefficient) - pos.y();
        if (dx * dx + dy * dy < nearest) {
            nearest = dx * dx + dy * dy;
            found = static_cast<int>(it - points.begin());
        }
    }
    return found;
}

void ProgressChart::keyPressEvent(QKeyEvent* event) {
    const int last = static_cast<int>(Points().size()) - 1;
    const int before = m_cursor;
    switch (event->key()) {
    case Qt::Key_Left:
        SetCursor(m_cursor - 1);
        break;
    case Qt::Key_Right:
        SetCursor(m_cursor + 1);
        break;
    case Qt::Key_Home:
        SetCursor(0);
        break;
    case Qt::Key_End:
        SetCursor(last);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_cursor >= 0)
            Q_EMIT ExamActivated(Points()[static_cast<size_t>(m_cursor)].entry);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // Screen readers here say nothing of a change of the focused chart's name, so the exam the
    // cursor came to is also given as a notice, which they read as it appears.
    if (m_cursor != before && m_cursor >= 0)
        m_notice->Announce(ExamText(m_cursor));
    event->accept();
}

void ProgressChart::mousePressEvent(QMouseEvent* event) {
    const int index = event->button() == Qt::LeftButton ? ExamAt(event->position().toPoint()) : -1;
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    SetCursor(index);
    Q_EMIT ExamActivated(Points()[static_cast<size_t>(index)].entry);
}

bool ProgressChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int index = ExamAt(help->pos());
        if (index < 0) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(
                help->globalPos(), ExamText(index), this,
                QRect(PositionOf(index) - QPoint(kReach, kReach), QSize(2 * kReach, 2 * kReach)));
        }
        return true;
    }
    return QWidget::event(event);
}

bool ProgressChart::SaveImage(const QString& path, QString* reason) const {
    return PictureFile::Write(
        path, size(), devicePixelRatioF(), QStringLiteral("Прогресс"),
        [this](QPainter& p) { Render(p); }, reason);
}
