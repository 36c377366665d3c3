#include "ui/main/SettingsTransfer.h"

#include "core/CommaText.h"
#include "core/FontText.h"
#include "core/Stores.h"
#include "core/TestTypesUnit.h"
#include "core/ZorvikSettings.h"
#include "platform/Prompts.h"
#include "ui/dialogs/MySpeenEditUnit.h"
#include "ui/dialogs/SettingsFromUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

void SettingsTransferIn(TSettingsForm& form, const QStringList& moduleIds,
                        QStringList& rangeTable) {
    const TMyIniFile& ini = SettingsIni();
    form.SetBackgroundColor(Settings::BackgroundColor(ini));
    form.PhoneFormat = Settings::PhoneFormat(ini);
    form.TestFontText = ReadFontText(ini);
    form.TestElMySpeenEdit()->SetValue(Settings::TestElValue(ini));

    QComboBox* data = form.TestDataComboBox();
    {
        // The module list is handed over by Execute; until then a selection means nothing.
        const QSignalBlocker blocker(data);
        data->clear();
        for (const QString& id : moduleIds)
            data->addItem(ModuleDisplayName(ModulesIni(), id));
        int index = static_cast<int>(moduleIds.indexOf(StandardModule2Digits));
        const QString stored = Settings::TestDataName(ini);
        for (int i = 0; i < moduleIds.size(); ++i) {
            if (moduleIds[i].compare(stored, Qt::CaseInsensitive) == 0) {
                index = i;
                break;
            }
        }
        // Neither the stored module nor the standard one: nothing is selected.
        data->setCurrentIndex(index);
    }

    form.TestTimeLimitMySpeenEdit()->SetValue(Settings::TestTimeLimit(ini));
    form.DoCalcCheckBox()->setChecked(Settings::DoCalc(ini));
    form.InfiniteTimeCheckBox()->setChecked(Settings::InfiniteTime(ini));
    form.ShowCurrentCheckBox()->setChecked(Settings::ShowCurrent(ini));
    form.ExamElMySpeenEdit()->SetValue(Settings::ExamElValue(ini));
    form.SetExamTypeItemIndex(Settings::ExamDataType(ini) == 0 ? 0 : 1);
    rangeTable = CommaText::Read(Settings::TestRange(ini));
    // Training treats every non-zero type as the mean-time rule, so the dialog shows it as such.
    form.SetTimeLimitItemIndex(Settings::TestTimeLimitType(ini) == 0 ? 0 : 1);
    form.MigDigWidthSpeenEdit()->SetValue(
        Settings::MigDigWidth(ini, form.MigDigWidthSpeenEdit()->Value()));
    form.MigTimeLimitSpeenEdit()->SetValue(
        Settings::MigTimeLimit(ini, form.MigTimeLimitSpeenEdit()->Value()));
}

void SettingsTransferOut(const TSettingsForm& form, const QStringList& moduleIds,
                         const QStringList& rangeTable) {
    namespace Key = Settings::Key;
    TMyIniFile& ini = SettingsIni();
    const QString& section = Settings::Section;
    ini.WriteInteger(section, Key::BackgroundColor, form.BackgroundColor());
    ini.WriteString(section, Key::PhoneFormat, form.PhoneFormat);
    ini.WriteInteger(section, Key::TestTimeLimitType, std::max(0, form.TimeLimitItemIndex()));
    WriteFontText(ini, form.TestFontText);
    ini.WriteInteger(section, Key::TestElValue, form.TestElMySpeenEdit()->Value());
    // With no valid module chosen the stored name is kept as it was.
    const int index = form.TestDataComboBox()->currentIndex();
    const QString dataName =
        index >= 0 && index < moduleIds.size() ? moduleIds[index] : Settings::TestDataName(ini);
    ini.WriteString(section, Key::TestDataName, dataName);
    ini.WriteInteger(section, Key::TestTimeLimit, form.TestTimeLimitMySpeenEdit()->Value());
    ini.WriteBool(section, Key::DoCalc, form.DoCalcCheckBox()->isChecked());
    ini.WriteBool(section, Key::InfiniteTime, form.InfiniteTimeCheckBox()->isChecked());
    ini.WriteBool(section, Key::ShowCurrent, form.ShowCurrentCheckBox()->isChecked());
    ini.WriteInteger(section, Key::ExamElValue, form.ExamElMySpeenEdit()->Value());
    ini.WriteInteger(section, Key::ExamDataType, form.ExamTypeItemIndex() == 0 ? 0 : 1);
    ini.WriteString(section, Key::TestRange, CommaText::Write(rangeTable));
    ini.WriteInteger(section, Key::MigDigWidth, form.MigDigWidthSpeenEdit()->Value());
    ini.WriteInteger(section, Key::MigTimeLimit, form.MigTimeLimitSpeenEdit()->Value());
}

bool SettingsActionExecute(QWidget* owner, const QStringList& moduleIds) {
    TSettingsForm form(owner);
    // Created for this one use: the dialog edits it in place, and it reaches the file only on OK.
    QStringList rangeTable;
    SettingsTransferIn(form, moduleIds, rangeTable);
    if (!form.Execute(moduleIds, rangeTable))
        return false;
    RunGuarded(owner, [&] { SettingsTransferOut(form, moduleIds, rangeTable); });
    return true;
}
