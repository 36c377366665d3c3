#pragma once

#include <QDialog>

// The frame of the results windows (the details and the two norms tables): a fixed-size dialog
// that opens in the middle of the screen it is on rather than over its owner.
class ResultsWindowFrame : public QDialog {
    Q_OBJECT
public:
    explicit ResultsWindowFrame(QWidget* owner = nullptr);
};
