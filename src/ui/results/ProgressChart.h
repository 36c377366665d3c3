#pragma once

#include "core/HistoryStats.h"
#include "core/ProgressSeries.h"

#include <QWidget>

class ItemNotice;
class QPainter;

// The progress chart: the coefficient of the exams of a period over calendar time, one point per
// exam, the mean of the last ten at each exam, the least-squares trend, the personal best marked,
// and behind them the bands of the "Профи" norms. Many exams are drawn as what each pixel column
// can show (their lowest and highest), so a lifetime of exams costs a pass over its points.
//
// It takes the keyboard focus: Left, Right, Home and End move a cursor from exam to exam, and the
// chart's accessible name is the cursor's exam, so that a screen reader says each one; Enter, like
// a click on a point, asks for that exam's details.
class ProgressChart : public QWidget {
    Q_OBJECT
public:
    explicit ProgressChart(QWidget* parent = nullptr);

    // Draws the exams of a range of the series, whose figures are stats; the cursor goes to the
    // last exam. The series must outlive the chart or the next call.
    void SetData(const ProgressSeries* series, const ProgressSeries::Range& range,
                 const HistoryStats& stats);

    // The cursor's exam as an index into the range; -1 when the range has none.
    int Cursor() const { return m_cursor; }
    void SetCursor(int index);
    // What the chart says of an exam of the range: "15.03.2007 14:30:00 (четверг) — 0,80".
    QString ExamText(int index) const;
    // The exam of the range drawn nearest to a point of the chart, within a few pixels; -1 none.
    int ExamAt(const QPoint& pos) const;
    // Where an exam of the range is drawn (at the edge when it lies beyond the value axis).
    QPoint PositionOf(int index) const;

    // Paints the chart as shown, without the keyboard cursor, on a device of the chart's size.
    void Render(QPainter& painter) const;
    // Writes that picture to a file: SVG when its name ends in ".svg", PNG when in ".png".
    // False, with the reason, when the file could not be written.
    bool SaveImage(const QString& path, QString* reason) const;

    QSize sizeHint() const override { return {900, 420}; }
    QSize minimumSizeHint() const override { return {320, 200}; }

Q_SIGNALS:
    // A click or Enter on an exam; entry is its record's index in the history.
    void ExamActivated(int entry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Where things go on a chart of a given size.
    struct Frame {
        QRect plot;
        qint64 from = 0; // the time at the plot's left edge
        qint64 to = 1;   // and at its right edge
        ProgressSeries::Scale scale;
        double xOf(qint64 timeKey) const;
        double yOf(double value) const;
    };
    Frame FrameOf(const QSize& size) const;
    void Paint(QPainter& p, const QSize& size, bool withCursor) const;
    void PaintBackdrop(QPainter& p, const Frame& f) const;
    void PaintExams(QPainter& p, const Frame& f) const;
    void PaintBest(QPainter& p, const Frame& f) const;
    std::span<const ProgressSeries::Point> Points() const;

    const ProgressSeries* m_series = nullptr;
    ProgressSeries::Range m_range;
    HistoryStats m_stats;
    ProgressSeries::Scale m_scale;
    int m_cursor = -1;
    ItemNotice* m_notice;
};
