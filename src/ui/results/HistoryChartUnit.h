#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

// The exam chart: one bar per exam in saving order, each in its own palette colour, labelled by its
// date, negative results below the axis. No title, legend or value marks.
class THistoryChart : public QWidget {
    Q_OBJECT
public:
    struct Bar {
        double value = 0.0;
        QString label;
    };

    explicit THistoryChart(QWidget* parent = nullptr);

    void Clear();
    void AddBar(double value, const QString& label);
    const QVector<Bar>& Bars() const { return m_bars; }
    // The colour of the bar at a position: the palette repeats.
    static QColor BarColor(int index);

    QSize sizeHint() const override { return {400, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVector<Bar> m_bars;
};
