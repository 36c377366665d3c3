#include "ui/run/RunDialog.h"

#include "core/Messages.h"
#include "platform/Prompts.h"

void RunDialog::reject() {
    if (m_closeQueryAttached)
        CancelRequested();
    else
        QDialog::done(2);
}

bool RunDialog::ConfirmCancel() {
    if (!AskYesNo(this, Messages::CancelTestQuestion))
        return false;
    m_closeQueryAttached = false;
    return true;
}
