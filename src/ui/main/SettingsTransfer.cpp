#include "ui/main/SettingsTransfer.h"

#include "core/SettingsValues.h"
#include "core/Stores.h"
#include "platform/Prompts.h"
#include "ui/dialogs/SettingsDialog.h"

void SettingsTransferIn(SettingsDialog& form, const QStringList& moduleIds,
                        QStringList& rangeTable) {
    // The blink test's values keep the dialog's own when the file has none.
    const SettingsValues shown = form.Values();
    const SettingsValues values =
        ReadSettingsValues(SettingsIni(), shown.MigDigWidth, shown.MigTimeLimit);
    form.SetValues(values, moduleIds);
    rangeTable = values.RangeTable;
}

void SettingsTransferOut(const SettingsDialog& form, const QStringList& rangeTable) {
    SettingsValues values = form.Values();
    values.RangeTable = rangeTable;
    WriteSettingsValues(SettingsIni(), values);
}

bool SettingsActionExecute(QWidget* owner, const QStringList& moduleIds) {
    SettingsDialog form(owner);
    // Created for this one use: the dialog edits it in place, and it reaches the file only on OK.
    QStringList rangeTable;
    SettingsTransferIn(form, moduleIds, rangeTable);
    if (!form.Execute(moduleIds, rangeTable))
        return false;
    RunGuarded(owner, [&] { SettingsTransferOut(form, rangeTable); });
    return true;
}
