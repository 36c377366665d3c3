#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class HistoryModel;

// The exam chart: one bar per exam in saving order, each in its own palette colour, labelled by its
// date, negative results below the axis. No title, legend or value marks.
class HistoryChart : public QWidget {
    Q_OBJECT
public:
    explicit HistoryChart(QWidget* parent = nullptr);

    // The bars are the model's records in saving order, redrawn whenever the model is reset; a
    // label is made only for a bar that has room to carry one.
    void SetModel(const HistoryModel* model);
    int BarCount() const;
    double BarValue(int index) const;
    QString BarLabel(int index) const;
    // The colour of the bar at a position: the palette repeats.
    static QColor BarColor(int index);

    QSize sizeHint() const override { return {400, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<const HistoryModel> m_model;
};
