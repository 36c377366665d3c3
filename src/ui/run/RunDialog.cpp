#include "ui/run/RunDialog.h"

#include "core/ResStrUnit.h"
#include "platform/Prompts.h"

void TRunDialog::reject() {
    if (m_closeQueryAttached)
        CancelRequested();
    else
        QDialog::done(2);
}

bool TRunDialog::ConfirmCancel() {
    if (!AskYesNo(this, ResStr::CancelTestQuestion))
        return false;
    m_closeQueryAttached = false;
    return true;
}
