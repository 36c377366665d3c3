#pragma once

#include "ui/results/ReadOnlyList.h"
#include "ui/results/ResultsWindowFrame.h"

#include <memory>

namespace Ui {
class ExamNormsWindow;
}

// The norms window: grades of exam results for beginners and for experts.
class ExamNormsWindow : public ResultsWindowFrame {
    Q_OBJECT
public:
    explicit ExamNormsWindow(QWidget* owner = nullptr);
    ~ExamNormsWindow() override;

    // The look of one cell of either table.
    CellLook Norm1VirtualDrawTreeDrawNode(const QModelIndex& index, bool focusedRow) const;

private:
    void FormCreate();

    std::unique_ptr<Ui::ExamNormsWindow> ui;
};
