#pragma once

#include "core/IniFile.h"
#include "core/SettingsKeys.h"

#include <QString>
#include <QStringList>

// Everything the settings dialog edits, as one value: read from settings.ini when the dialog
// opens and written back on OK.
struct SettingsValues {
    int BackgroundColor = Settings::Default::BackgroundColor;
    QString PhoneFormat = Settings::Default::PhoneFormat;
    QString TestFontText; // section TestFont as font text
    int TestElValue = Settings::Default::TestElValue;
    // Null when the dialog has no valid module chosen: the stored name is then kept.
    QString TestDataName = Settings::Default::TestDataName;
    int TestTimeLimit = Settings::Default::TestTimeLimit;
    int TestTimeLimitType = 0; // 0 a time per item, 1 a mean time
    bool DoCalc = Settings::Default::DoCalc;
    bool InfiniteTime = Settings::Default::InfiniteTime;
    bool ShowCurrent = Settings::Default::ShowCurrent;
    int ExamElValue = Settings::Default::ExamElValue;
    int ExamDataType = 0; // 0 two-digit, 1 three-digit numbers
    // TestRange as its lines "<module id>=<comma text of Start and End>".
    QStringList RangeTable;
    int MigDigWidth = Settings::Default::MigDigWidth;
    int MigTimeLimit = Settings::Default::MigTimeLimit;
    bool SpeakItems = Settings::Default::SpeakItems;
    QString SpeakVoice = Settings::Default::SpeakVoice; // empty: the engine's default
    int SpeakDigits = Settings::Default::SpeakDigits;   // 0 numbers, 1 digit by digit

    bool operator==(const SettingsValues&) const = default;
};

// Every value with its default; the two choices as the dialog shows them (any stored type other
// than 0 is 1). The blink test's two values fall back to the given defaults.
SettingsValues ReadSettingsValues(const IniFile& ini,
                                  int migDigWidthDefault = Settings::Default::MigDigWidth,
                                  int migTimeLimitDefault = Settings::Default::MigTimeLimit);

// Writes every value in the order the settings command always has, each write saving the file; a
// null TestDataName keeps the stored one. Throws SaveError at the first failed save; what was
// written before stays.
void WriteSettingsValues(IniFile& ini, const SettingsValues& values);
