#pragma once

#include "core/MyIniFile.h"

#include <QString>
#include <QStringList>

// What one launch hands to the test window, besides the items.
struct TLaunchParams {
    QString caption;  // the launching command's caption, "&" included
    QString dataName; // module id or "PhoneNums"
    int maxWrongPercent = 0;
    bool allowTips = false;
    bool enterAtEnd = false;
    bool meanTimeLimit = false;
    int timeLimit = 6000;
    bool infiniteTime = false;
    bool showCurrent = false;
    bool doCalc = false;
    int elementCount = 20;
    QString rangeKey; // settings key of the range table, or empty

    bool operator==(const TLaunchParams&) const = default;
};

// Bounds for values that only a hand-edited settings.ini can hold: a run of more items than the
// largest module, or longer per item than five minutes, is cut to these so that no launch can hang
// the program or exhaust memory.
inline constexpr int kMaxElementCount = 1000;
inline constexpr int kMaxTimeLimit = 300000;
inline constexpr int kInfiniteTimeLimit = 300000;

inline const QString TestActionCaption = QStringLiteral("&Вводное тестирование");
inline const QString TrainActionCaption = QStringLiteral("&Тренировка");
inline const QString ExamActionCaption = QStringLiteral("&Экзамен");

// The three test commands' values, read from the settings store at the moment of the call.
TLaunchParams IntroductoryTestParams();
TLaunchParams TrainParams(const TMyIniFile& settings, const QStringList& moduleIds);
TLaunchParams ExamParams(const TMyIniFile& settings);

// The caption without its first "&".
QString StripAmpersand(const QString& caption);

// Cuts a module's items to its stored range: the range table is the comma text of "<id>=<inner>"
// lines, the inner text holds Start and End. Both ends are found ignoring letter case, swapped when
// reversed; the cut applies only when the two texts differ and both are found.
QStringList CutToRange(const QStringList& items, const QString& rangeTableText,
                       const QString& moduleId);

// The memorisation coefficient of an exam: (count + right - seconds / 6) / 5 x factor, the factor
// 1.5 for three-digit numbers and 1.0 otherwise.
double ExamCoefficient(int elementCount, int completedRightCount, double presentationSeconds,
                       const QString& dataName);
