#pragma once

#include "ui/run/RunDialog.h"

#include <QStringList>
#include <memory>

class QLineEdit;

namespace Ui {
class TInputTestDataForm;
}

// Twenty numbered fields that take the recall of a whole run at once. It checks nothing: the test
// window reads the fields after OK.
class TInputTestDataForm : public TRunDialog {
    Q_OBJECT
public:
    static constexpr int kFieldCount = 20;

    explicit TInputTestDataForm(QWidget* owner = nullptr);
    ~TInputTestDataForm() override;

    QLineEdit* Edit(int k) const;
    // The texts of Edit1 .. Edit20, in order and exactly as they stand.
    QStringList Answers() const;

    // Handlers under the names the design gives them.
    void Edit1Click(QLineEdit* edit);
    // True when the key was taken (Enter and Space move to the next control instead).
    bool FormKeyPress(QKeyEvent* event);
    void CancelButtonClick();

protected:
    void CancelRequested() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TInputTestDataForm> ui;
};
