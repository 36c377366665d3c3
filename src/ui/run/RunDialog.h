#pragma once

#include <QDialog>

// A modal window of a test run. Closing it without result 1 (Escape, the title bar) goes through
// its cancel action, which asks "Вы действительно хотите прервать тестирование?"; Yes detaches
// the close check so the close goes through, No keeps the window open.
class RunDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

public Q_SLOTS:
    void reject() override;

protected:
    // What the window's cancel button does.
    virtual void CancelRequested() = 0;
    // Asks the cancel question; Yes detaches the close check. True on Yes.
    bool ConfirmCancel();

    // While attached, a close asks first.
    bool m_closeQueryAttached = true;
};
