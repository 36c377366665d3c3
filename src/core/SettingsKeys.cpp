#include "core/SettingsKeys.h"

namespace Settings {

int BackgroundColor(const IniFile& ini) {
    return ini.ReadInteger(Section, Key::BackgroundColor, Default::BackgroundColor);
}
QString PhoneFormat(const IniFile& ini) {
    return ini.ReadString(Section, Key::PhoneFormat, Default::PhoneFormat);
}
int TestElValue(const IniFile& ini) {
    return ini.ReadInteger(Section, Key::TestElValue, Default::TestElValue);
}
QString TestDataName(const IniFile& ini) {
    return ini.ReadString(Section, Key::TestDataName, Default::TestDataName);
}
int TestTimeLimit(const IniFile& ini) {
    return ini.ReadInteger(Section, Key::TestTimeLimit, Default::TestTimeLimit);
}
int TestTimeLimitType(const IniFile& ini) {
    return ini.ReadInteger(Section, Key::TestTimeLimitType, Default::TestTimeLimitType);
}
bool InfiniteTime(const IniFile& ini) {
    return ini.ReadBool(Section, Key::InfiniteTime, Default::InfiniteTime);
}
bool DoCalc(const IniFile& ini) {
    return ini.ReadBool(Section, Key::DoCalc, Default::DoCalc);
}
bool ShowCurrent(const IniFile& ini) {
    return ini.ReadBool(Section, Key::ShowCurrent, Default::ShowCurrent);
}
QString TestRange(const IniFile& ini) {
    return ini.ReadString(Section, Key::TestRange, Default::TestRange);
}
int ExamElValue(const IniFile& ini) {
    return ini.ReadInteger(Section, Key::ExamElValue, Default::ExamElValue);
}
int ExamDataType(const IniFile& ini) {
    return ini.ReadInteger(Section, Key::ExamDataType, Default::ExamDataType);
}
int MigDigWidth(const IniFile& ini, int def) {
    return ini.ReadInteger(Section, Key::MigDigWidth, def);
}
int MigTimeLimit(const IniFile& ini, int def) {
    return ini.ReadInteger(Section, Key::MigTimeLimit, def);
}
bool FirstStart(const IniFile& ini) {
    return ini.ReadBool(Section, Key::FirstStart, Default::FirstStart);
}

bool SpeakItems(const IniFile& ini) {
    return ini.ReadBool(Section, Key::SpeakItems, Default::SpeakItems);
}
QString SpeakVoice(const IniFile& ini) {
    const QString voice = ini.ReadString(Section, Key::SpeakVoice, Default::SpeakVoice);
    return voice.size() > kMaxVoiceNameLength ? Default::SpeakVoice : voice;
}
int SpeakDigits(const IniFile& ini) {
    return ini.ReadInteger(Section, Key::SpeakDigits, Default::SpeakDigits) == 0 ? 0 : 1;
}

} // namespace Settings
