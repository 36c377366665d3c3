#pragma once

#include "ui/results/ReadOnlyList.h"
#include "ui/results/ResultsWindowFrame.h"

#include <memory>

namespace Ui {
class TrainingNormsWindow;
}

// The training norms window: how many numbers a person memorises at a given pace and error rate.
class TrainingNormsWindow : public ResultsWindowFrame {
    Q_OBJECT
public:
    explicit TrainingNormsWindow(QWidget* owner = nullptr);
    ~TrainingNormsWindow() override;

    // The look of one cell of the table.
    CellLook NormVirtualDrawTreeDrawNode(const QModelIndex& index, bool focusedRow) const;

private:
    void FormCreate();

    std::unique_ptr<Ui::TrainingNormsWindow> ui;
};
