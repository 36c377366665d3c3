#pragma once

#include "core/IniFile.h"
#include "core/TestRunEngine.h"

#include <QString>
#include <QStringList>

// One launch: where its items come from, the window's caption, and the run itself, handed whole
// to the test window. The run's items are filled by BuildTestItems at the moment of launching; its
// time limit already stands for "no limit" when the settings ask for that.
struct LaunchParams {
    QString caption;  // the launching command's caption, "&" included
    QString dataName; // module id or "PhoneNums"
    QString rangeKey; // settings key of the range table, or empty
    TestRunEngine::Config run;

    bool operator==(const LaunchParams&) const = default;
};

// A bound for a value that only a hand-edited settings.ini can hold: longer per item than five
// minutes is cut to this so that no launch can hang the program. (The item count is bounded by
// TestRunEngine::kMaxElementCount.)
inline constexpr int kMaxTimeLimit = 300000;
inline constexpr int kInfiniteTimeLimit = 300000;

inline const QString TestActionCaption = QStringLiteral("&Вводное тестирование");
inline const QString TrainActionCaption = QStringLiteral("&Тренировка");
inline const QString ExamActionCaption = QStringLiteral("&Экзамен");

// The three test commands' values, read from the settings store at the moment of the call.
LaunchParams IntroductoryTestParams();
LaunchParams TrainParams(const IniFile& settings, const QStringList& moduleIds);
LaunchParams ExamParams(const IniFile& settings);

// The items of a launch: fresh phone numbers made from the stored pattern, or the module's items
// cut to its stored range. Empty when the module has none; *moduleName then names it.
QStringList BuildTestItems(const LaunchParams& params, const IniFile& settings,
                           const IniFile& modules, QString* moduleName);

// The caption without its first "&".
QString StripAmpersand(const QString& caption);

// A module's stored range: the texts of its first and last item, as the range table keeps them
// (the comma text of "Start=" and "End=" lines under the module's id).
struct ModuleRange {
    QString start;
    QString end;
};
// The range stored for a module; empty texts when there is none. Ids and names ignore letter case.
ModuleRange RangeOf(const QStringList& rangeTable, const QString& moduleId);
// Stores a module's range, replacing the one it had.
void SetRangeOf(QStringList& rangeTable, const QString& moduleId, const ModuleRange& range);

// Cuts a module's items to its stored range: the range table is the comma text of "<id>=<inner>"
// lines, the inner text holds Start and End. Both ends are found ignoring letter case, swapped when
// reversed; the cut applies only when the two texts differ and both are found.
QStringList CutToRange(const QStringList& items, const QString& rangeTableText,
                       const QString& moduleId);

// The memorisation coefficient of an exam: (count + right - seconds / 6) / 5 x factor, the factor
// 1.5 for three-digit numbers and 1.0 otherwise.
double ExamCoefficient(int elementCount, int completedRightCount, double presentationSeconds,
                       const QString& dataName);
