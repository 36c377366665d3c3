#include "core/LaunchUnit.h"

#include "core/CommaText.h"
#include "core/NameValue.h"
#include "core/TestTypesUnit.h"
#include "core/ZorvikSettings.h"

#include <algorithm>

TLaunchParams IntroductoryTestParams() {
    TLaunchParams p;
    p.caption = TestActionCaption;
    p.dataName = StandardModule2Digits;
    p.elementCount = 20;
    p.timeLimit = 6000;
    p.meanTimeLimit = false;
    p.infiniteTime = false;
    p.doCalc = true;
    p.showCurrent = true;
    p.enterAtEnd = true;
    p.allowTips = false;
    p.maxWrongPercent = 0;
    return p;
}

TLaunchParams TrainParams(const TMyIniFile& settings, const QStringList& moduleIds) {
    TLaunchParams p;
    p.caption = TrainActionCaption;
    const QString name = Settings::TestDataName(settings);
    const bool known = std::any_of(moduleIds.cbegin(), moduleIds.cend(), [&](const QString& id) {
        return id.compare(name, Qt::CaseInsensitive) == 0;
    });
    p.dataName = known ? name : StandardModule2Digits;
    p.elementCount = std::clamp(Settings::TestElValue(settings), 1, kMaxElementCount);
    p.timeLimit = std::clamp(Settings::TestTimeLimit(settings), 1, kMaxTimeLimit);
    p.meanTimeLimit = Settings::TestTimeLimitType(settings) != 0;
    p.infiniteTime = Settings::InfiniteTime(settings);
    p.doCalc = Settings::DoCalc(settings);
    p.showCurrent = Settings::ShowCurrent(settings);
    p.enterAtEnd = false;
    p.allowTips = false;
    p.maxWrongPercent = 0;
    p.rangeKey = Settings::Key::TestRange;
    return p;
}

TLaunchParams ExamParams(const TMyIniFile& settings) {
    TLaunchParams p;
    p.caption = ExamActionCaption;
    p.dataName =
        Settings::ExamDataType(settings) == 0 ? StandardModule2Digits : StandardModule3Digits;
    p.elementCount = std::clamp(Settings::ExamElValue(settings), 1, kMaxElementCount);
    p.timeLimit = 11400;
    p.meanTimeLimit = true;
    p.infiniteTime = false;
    p.doCalc = true;
    p.showCurrent = false;
    p.enterAtEnd = false;
    p.allowTips = false;
    p.maxWrongPercent = 10;
    return p;
}

QString StripAmpersand(const QString& caption) {
    QString out = caption;
    const qsizetype i = out.indexOf(QLatin1Char('&'));
    if (i >= 0)
        out.remove(i, 1);
    return out;
}

QStringList CutToRange(const QStringList& items, const QString& rangeTableText,
                       const QString& moduleId) {
    const QStringList table = CommaText::Read(rangeTableText);
    const QStringList range = CommaText::Read(NameValue::Value(table, moduleId));
    const QString start = NameValue::Value(range, QStringLiteral("Start"));
    const QString end = NameValue::Value(range, QStringLiteral("End"));
    const auto find = [&](const QString& text) -> qsizetype {
        for (qsizetype k = 0; k < items.size(); ++k)
            if (items[k].compare(text, Qt::CaseInsensitive) == 0)
                return k;
        return -1;
    };
    qsizetype i = find(start);
    qsizetype j = find(end);
    if (i > j)
        std::swap(i, j);
    if (start == end || i < 0 || j < 0)
        return items;
    return items.mid(i, j - i + 1);
}

double ExamCoefficient(int elementCount, int completedRightCount, double presentationSeconds,
                       const QString& dataName) {
    const double factor = dataName == StandardModule3Digits ? 1.5 : 1.0;
    return (static_cast<double>(elementCount) + completedRightCount - presentationSeconds / 6.0) /
           5.0 * factor;
}
