#pragma once

#include "core/IniFile.h"

#include <QString>

// Every key of settings.ini with its default, in one place. Settings are read from the store at the
// moment of use through these functions; nothing caches them.
namespace Settings {

inline const QString Section = QStringLiteral("ZorvikSettings");
inline const QString FontSection = QStringLiteral("TestFont");

namespace Key {
inline const QString BackgroundColor = QStringLiteral("BackgroundColor");
inline const QString PhoneFormat = QStringLiteral("PhoneFormat");
inline const QString TestElValue = QStringLiteral("TestElValue");
inline const QString TestDataName = QStringLiteral("TestDataName");
inline const QString TestTimeLimit = QStringLiteral("TestTimeLimit");
inline const QString TestTimeLimitType = QStringLiteral("TestTimeLimitType");
inline const QString InfiniteTime = QStringLiteral("InfiniteTime");
inline const QString DoCalc = QStringLiteral("DoCalc");
inline const QString ShowCurrent = QStringLiteral("ShowCurrent");
inline const QString TestRange = QStringLiteral("TestRange");
inline const QString ExamElValue = QStringLiteral("ExamElValue");
inline const QString ExamDataType = QStringLiteral("ExamDataType");
inline const QString MigDigWidth = QStringLiteral("MigDigWidth");
inline const QString MigTimeLimit = QStringLiteral("MigTimeLimit");
inline const QString FirstStart = QStringLiteral("FirstStart");
inline const QString SpeakItems = QStringLiteral("SpeakItems");
inline const QString SpeakVoice = QStringLiteral("SpeakVoice");
inline const QString SpeakDigits = QStringLiteral("SpeakDigits");
} // namespace Key

namespace Default {
inline constexpr int BackgroundColor = static_cast<int>(0xFF00000Fu); // system colour: button face
inline const QString PhoneFormat = QStringLiteral("000-00-00");
inline constexpr int TestElValue = 20;
inline const QString TestDataName = QStringLiteral("TestNumsData1");
inline constexpr int TestTimeLimit = 6000;
inline constexpr int TestTimeLimitType = 0;
inline constexpr bool InfiniteTime = false;
inline constexpr bool DoCalc = false;
inline constexpr bool ShowCurrent = false;
inline const QString TestRange = QString();
inline constexpr int ExamElValue = 50;
inline constexpr int ExamDataType = 0;
inline constexpr int MigDigWidth = 5;
inline constexpr int MigTimeLimit = 3000;
inline constexpr bool FirstStart = true;
inline constexpr bool SpeakItems = false;
inline const QString SpeakVoice = QString(); // the engine's own choice
inline constexpr int SpeakDigits = 0;        // numbers as numbers, not digit by digit
} // namespace Default

// A voice name longer than this is no engine's; a hand-edited one falls back to the default.
inline constexpr int kMaxVoiceNameLength = 200;

// Readers: the stored value, or the default when the key is missing or does not parse.
int BackgroundColor(const IniFile& ini);
QString PhoneFormat(const IniFile& ini);
int TestElValue(const IniFile& ini);
QString TestDataName(const IniFile& ini);
int TestTimeLimit(const IniFile& ini);
int TestTimeLimitType(const IniFile& ini);
bool InfiniteTime(const IniFile& ini);
bool DoCalc(const IniFile& ini);
bool ShowCurrent(const IniFile& ini);
QString TestRange(const IniFile& ini);
int ExamElValue(const IniFile& ini);
int ExamDataType(const IniFile& ini);
int MigDigWidth(const IniFile& ini, int def = Default::MigDigWidth);
int MigTimeLimit(const IniFile& ini, int def = Default::MigTimeLimit);
bool FirstStart(const IniFile& ini);
bool SpeakItems(const IniFile& ini);
QString SpeakVoice(const IniFile& ini);
// 0 or 1: any other stored number reads as 1, digit by digit.
int SpeakDigits(const IniFile& ini);

} // namespace Settings
