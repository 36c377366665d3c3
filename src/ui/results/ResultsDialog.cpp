#include "ui/results/ResultsDialog.h"

#include "ui/results/DrawTreeUnit.h"

TResultsDialog::TResultsDialog(QWidget* owner) : QDialog(owner) {
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
}

void TResultsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CenterOnScreen(this);
}
