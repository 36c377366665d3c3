#pragma once

#include "core/History.h"
#include "core/ProgressSeries.h"

#include <QDialog>
#include <memory>
#include <vector>

namespace Ui {
class ProgressWindow;
}
class ProgressChart;

// The progress window: the exams of a period on a chart over calendar time, with the figures the
// history command prints for the same period (`zorvik-history --stats --from --to`), and a picture
// of the chart to keep. It draws from the main window's history records; nothing is read again.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // The records must outlive the window.
    explicit ProgressWindow(const std::vector<HistoryEntry>& history, QWidget* owner = nullptr);
    ~ProgressWindow() override;

    ProgressSeries::Period CurrentPeriod() const;
    void SetPeriod(ProgressSeries::Period period);
    ProgressChart* Chart() const;

    // Asks for a file and writes the chart there, as PNG or SVG by the name's extension.
    void SaveImageButtonClick();

Q_SIGNALS:
    // A click or Enter on an exam of the chart: the section of the exam whose details to show.
    void ExamChosen(const QString& section);

private:
    // Fills the chart and the figures for the chosen period.
    void ShowPeriod();

    std::unique_ptr<Ui::ProgressWindow> ui;
    const std::vector<HistoryEntry>& m_history;
    ProgressSeries m_series;
};
