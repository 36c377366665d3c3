#include "core/SettingsValues.h"

#include "core/CommaText.h"
#include "core/FontText.h"

SettingsValues ReadSettingsValues(const IniFile& ini, int migDigWidthDefault,
                                  int migTimeLimitDefault) {
    SettingsValues v;
    v.BackgroundColor = Settings::BackgroundColor(ini);
    v.PhoneFormat = Settings::PhoneFormat(ini);
    v.TestFontText = ReadFontText(ini);
    v.TestElValue = Settings::TestElValue(ini);
    v.TestDataName = Settings::TestDataName(ini);
    v.TestTimeLimit = Settings::TestTimeLimit(ini);
    v.DoCalc = Settings::DoCalc(ini);
    v.InfiniteTime = Settings::InfiniteTime(ini);
    v.ShowCurrent = Settings::ShowCurrent(ini);
    v.ExamElValue = Settings::ExamElValue(ini);
    v.ExamDataType = Settings::ExamDataType(ini) == 0 ? 0 : 1;
    v.RangeTable = CommaText::Read(Settings::TestRange(ini));
    // Training treats every non-zero type as the mean-time rule, so the dialog shows it as such.
    v.TestTimeLimitType = Settings::TestTimeLimitType(ini) == 0 ? 0 : 1;
    v.MigDigWidth = Settings::MigDigWidth(ini, migDigWidthDefault);
    v.MigTimeLimit = Settings::MigTimeLimit(ini, migTimeLimitDefault);
    v.SpeakItems = Settings::SpeakItems(ini);
    v.SpeakVoice = Settings::SpeakVoice(ini);
    v.SpeakDigits = Settings::SpeakDigits(ini);
    return v;
}

void WriteSettingsValues(IniFile& ini, const SettingsValues& v) {
    namespace Key = Settings::Key;
    const QString& section = Settings::Section;
    ini.WriteInteger(section, Key::BackgroundColor, v.BackgroundColor);
    ini.WriteString(section, Key::PhoneFormat, v.PhoneFormat);
    ini.WriteInteger(section, Key::TestTimeLimitType, v.TestTimeLimitType);
    WriteFontText(ini, v.TestFontText);
    ini.WriteInteger(section, Key::TestElValue, v.TestElValue);
    ini.WriteString(section, Key::TestDataName,
                    v.TestDataName.isNull() ? Settings::TestDataName(ini) : v.TestDataName);
    ini.WriteInteger(section, Key::TestTimeLimit, v.TestTimeLimit);
    ini.WriteBool(section, Key::DoCalc, v.DoCalc);
    ini.WriteBool(section, Key::InfiniteTime, v.InfiniteTime);
    ini.WriteBool(section, Key::ShowCurrent, v.ShowCurrent);
    ini.WriteInteger(section, Key::ExamElValue, v.ExamElValue);
    ini.WriteInteger(section, Key::ExamDataType, v.ExamDataType);
    ini.WriteString(section, Key::TestRange, CommaText::Write(v.RangeTable));
    ini.WriteInteger(section, Key::MigDigWidth, v.MigDigWidth);
    ini.WriteInteger(section, Key::MigTimeLimit, v.MigTimeLimit);
    // Keys added after the first release go last, so that every older key keeps its place.
    ini.WriteBool(section, Key::SpeakItems, v.SpeakItems);
    ini.WriteString(section, Key::SpeakVoice, v.SpeakVoice);
    ini.WriteInteger(section, Key::SpeakDigits, v.SpeakDigits == 0 ? 0 : 1);
}
