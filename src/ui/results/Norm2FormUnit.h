#pragma once

#include "ui/results/DrawTreeUnit.h"
#include "ui/results/ResultsDialog.h"

#include <memory>

namespace Ui {
class TNorm2Form;
}

// The training norms window: how many numbers a person memorises at a given pace and error rate.
class TNorm2Form : public TResultsDialog {
    Q_OBJECT
public:
    explicit TNorm2Form(QWidget* owner = nullptr);
    ~TNorm2Form() override;

    // The look of one cell of the table.
    TCellLook NormVirtualDrawTreeDrawNode(const QModelIndex& index, bool focusedRow) const;

private:
    void FormCreate();

    std::unique_ptr<Ui::TNorm2Form> ui;
};
