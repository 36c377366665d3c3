#include "ui/results/ResultsDialog.h"

#include "platform/WindowPlacement.h"

TResultsDialog::TResultsDialog(QWidget* owner) : QDialog(owner) {
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    OpenCentredOnScreen(this);
}
