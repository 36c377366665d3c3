#include "core/ZorvikSettings.h"

namespace Settings {

int BackgroundColor(const TMyIniFile& ini) {
    return ini.ReadInteger(Section, Key::BackgroundColor, Default::BackgroundColor);
}
QString PhoneFormat(const TMyIniFile& ini) {
    return ini.ReadString(Section, Key::PhoneFormat, Default::PhoneFormat);
}
int TestElValue(const TMyIniFile& ini) {
    return ini.ReadInteger(Section, Key::TestElValue, Default::TestElValue);
}
QString TestDataName(const TMyIniFile& ini) {
    return ini.ReadString(Section, Key::TestDataName, Default::TestDataName);
}
int TestTimeLimit(const TMyIniFile& ini) {
    return ini.ReadInteger(Section, Key::TestTimeLimit, Default::TestTimeLimit);
}
int TestTimeLimitType(const TMyIniFile& ini) {
    return ini.ReadInteger(Section, Key::TestTimeLimitType, Default::TestTimeLimitType);
}
bool InfiniteTime(const TMyIniFile& ini) {
    return ini.ReadBool(Section, Key::InfiniteTime, Default::InfiniteTime);
}
bool DoCalc(const TMyIniFile& ini) {
    return ini.ReadBool(Section, Key::DoCalc, Default::DoCalc);
}
bool ShowCurrent(const TMyIniFile& ini) {
    return ini.ReadBool(Section, Key::ShowCurrent, Default::ShowCurrent);
}
QString TestRange(const TMyIniFile& ini) {
    return ini.ReadString(Section, Key::TestRange, Default::TestRange);
}
int ExamElValue(const TMyIniFile& ini) {
    return ini.ReadInteger(Section, Key::ExamElValue, Default::ExamElValue);
}
int ExamDataType(const TMyIniFile& ini) {
    return ini.ReadInteger(Section, Key::ExamDataType, Default::ExamDataType);
}
int MigDigWidth(const TMyIniFile& ini, int def) {
    return ini.ReadInteger(Section, Key::MigDigWidth, def);
}
int MigTimeLimit(const TMyIniFile& ini, int def) {
    return ini.ReadInteger(Section, Key::MigTimeLimit, def);
}
bool FirstStart(const TMyIniFile& ini) {
    return ini.ReadBool(Section, Key::FirstStart, Default::FirstStart);
}

} // namespace Settings
