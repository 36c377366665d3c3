#include "ui/results/ResultsWindowFrame.h"

#include "platform/WindowPlacement.h"

ResultsWindowFrame::ResultsWindowFrame(QWidget* owner) : QDialog(owner) {
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    OpenCentredOnScreen(this);
}
