#pragma once

#include "ui/run/RunDialog.h"

#include <QStringList>
#include <memory>

class QLineEdit;

namespace Ui {
class AnswerEntryDialog;
}

// Twenty numbered fields that take the recall of a whole run at once. It checks nothing: the test
// window reads the fields after OK.
class AnswerEntryDialog : public RunDialog {
    Q_OBJECT
public:
    static constexpr int kFieldCount = 20;

    explicit AnswerEntryDialog(QWidget* owner = nullptr);
    ~AnswerEntryDialog() override;

    QLineEdit* Edit(int k) const;
    // The texts of Edit1 .. Edit20, in order and exactly as they stand.
    QStringList Answers() const;

    // Empties a field still holding "???" when it is clicked or gets the focus.
    void Edit1Click(QLineEdit* edit);
    // Seen before the focused control: true when the key was taken (Enter and Space move to the
    // next control instead, on the buttons too).
    bool FormKeyPress(QKeyEvent* event);
    // Asks the cancel question; Yes closes with result 2.
    void CancelButtonClick();

protected:
    void CancelRequested() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::AnswerEntryDialog> ui;
};
