#include "core/Launch.h"

#include "core/CommaText.h"
#include "core/Generators.h"
#include "core/ModuleStore.h"
#include "core/NameValue.h"
#include "core/SettingsKeys.h"

#include <algorithm>

LaunchParams IntroductoryTestParams() {
    LaunchParams p;
    p.caption = TestActionCaption;
    p.dataName = StandardModule2Digits;
    p.run.ElementCount = 20;
    p.run.TimeLimit = 6000;
    p.run.MeanTimeLimit = false;
    p.run.DoCalc = true;
    p.run.ShowCurrent = true;
    p.run.EnterAtEnd = true;
    p.run.AllowTips = false;
    p.run.MaxWrongPercent = 0;
    return p;
}

LaunchParams TrainParams(const IniFile& settings, const QStringList& moduleIds) {
    LaunchParams p;
    p.caption = TrainActionCaption;
    const QString name = Settings::TestDataName(settings);
    const auto known = std::find_if(moduleIds.cbegin(), moduleIds.cend(), [&](const QString& id) {
        return id.compare(name, Qt::CaseInsensitive) == 0;
    });
    // The id as the module list spells it: a stored "phonenums" is the phone numbers, which are
    // told apart by their exact id.
    p.dataName = known != moduleIds.cend() ? *known : StandardModule2Digits;
    p.run.ElementCount =
        std::clamp(Settings::TestElValue(settings), 1, TestRunEngine::kMaxElementCount);
    p.run.TimeLimit = Settings::InfiniteTime(settings)
                          ? kInfiniteTimeLimit
                          : std::clamp(Settings::TestTimeLimit(settings), 1, kMaxTimeLimit);
    p.run.MeanTimeLimit = Settings::TestTimeLimitType(settings) != 0;
    p.run.DoCalc = Settings::DoCalc(settings);
    p.run.ShowCurrent = Settings::ShowCurrent(settings);
    p.run.EnterAtEnd = false;
    p.run.AllowTips = false;
    p.run.MaxWrongPercent = 0;
    p.rangeKey = Settings::Key::TestRange;
    return p;
}

LaunchParams ExamParams(const IniFile& settings) {
    LaunchParams p;
    p.caption = ExamActionCaption;
    p.dataName =
        Settings::ExamDataType(settings) == 0 ? StandardModule2Digits : StandardModule3Digits;
    p.run.ElementCount =
        std::clamp(Settings::ExamElValue(settings), 1, TestRunEngine::kMaxElementCount);
    p.run.TimeLimit = 11400;
    p.run.MeanTimeLimit = true;
    p.run.DoCalc = true;
    p.run.ShowCurrent = false;
    p.run.EnterAtEnd = false;
    p.run.AllowTips = false;
    p.run.MaxWrongPercent = 10;
    return p;
}

QStringList BuildTestItems(const LaunchParams& params, const IniFile& settings,
                           const IniFile& modules, QString* moduleName) {
    QStringList items;
    if (params.dataName == PhoneNumsId) {
        const QString pattern = Settings::PhoneFormat(settings);
        for (int i = 0; i < params.run.ElementCount; ++i)
            items.append(GeneratePhoneNumber(pattern));
        return items;
    }
    const Module module = ReadTestModule(modules, params.dataName);
    items = ModuleItems(module);
    if (!params.rangeKey.isEmpty())
        items = CutToRange(items, settings.ReadString(Settings::Section, params.rangeKey, {}),
                           module.Id);
    if (items.isEmpty() && moduleName)
        *moduleName = module.Name;
    return items;
}

QString StripAmpersand(const QString& caption) {
    QString out = caption;
    const qsizetype i = out.indexOf(QLatin1Char('&'));
    if (i >= 0)
        out.remove(i, 1);
    return out;
}

namespace {
const QString kStart = QStringLiteral("Start");
const QString kEnd = QStringLiteral("End");
} // namespace

ModuleRange RangeOf(const QStringList& rangeTable, const QString& moduleId) {
    const QStringList range = CommaText::Read(NameValue::Value(rangeTable, moduleId));
    return {NameValue::Value(range, kStart), NameValue::Value(range, kEnd)};
}

void SetRangeOf(QStringList& rangeTable, const QString& moduleId, const ModuleRange& range) {
    QStringList lines;
    NameValue::SetValue(lines, kStart, range.start);
    NameValue::SetValue(lines, kEnd, range.end);
    NameValue::SetValue(rangeTable, moduleId, CommaText::Write(lines));
}

QStringList CutToRange(const QStringList& items, const QString& rangeTableText,
                       const QString& moduleId) {
    const auto [start, end] = RangeOf(CommaText::Read(rangeTableText), moduleId);
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
