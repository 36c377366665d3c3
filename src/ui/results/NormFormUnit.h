#pragma once

#include "ui/results/DrawTreeUnit.h"
#include "ui/results/ResultsDialog.h"

#include <memory>

namespace Ui {
class TNormForm;
}

// The norms window: grades of exam results for beginners and for experts.
class TNormForm : public TResultsDialog {
    Q_OBJECT
public:
    explicit TNormForm(QWidget* owner = nullptr);
    ~TNormForm() override;

    // The look of one cell of either table.
    TCellLook Norm1VirtualDrawTreeDrawNode(const QModelIndex& index, bool focusedRow) const;

private:
    void FormCreate();

    std::unique_ptr<Ui::TNormForm> ui;
};
