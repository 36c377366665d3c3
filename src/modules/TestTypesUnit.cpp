#include "modules/TestTypesUnit.h"

#include "app/ResStrUnit.h"
#include "app/UtilsUnit.h"
#include "modules/CommaText.h"

#include <QCollator>
#include <algorithm>

namespace {
const QString kStandart = QStringLiteral("Standart");
const QString kName = QStringLiteral("Name");
const QString kData = QStringLiteral("Data");
} // namespace

TTestModule ReadTestModule(const TMyIniFile& ini, const QString& id) {
    TTestModule m;
    m.Id = id;
    m.Standart = ini.ReadBool(id, kStandart, false);
    m.Name = ini.ReadString(id, kName, kName);
    m.Data = ini.ReadString(id, kData, QString());
    return m;
}

TTestModuleArray LoadAllModules(const TMyIniFile& ini) {
    QStringList ids;
    ini.ReadSections(ids);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(ids.begin(), ids.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    TTestModuleArray out;
    out.reserve(static_cast<size_t>(ids.size()));
    for (const QString& id : ids)
        out.push_back(ReadTestModule(ini, id));
    return out;
}

void ReplaceAllModules(TMyIniFile& ini, const TTestModuleArray& modules) {
    QStringList ids;
    ini.ReadSections(ids);
    for (const QString& id : ids)
        ini.EraseSection(id);
    for (const TTestModule& m : modules) {
        ini.WriteString(m.Id, kStandart, m.Standart ? QStringLiteral("1") : QStringLiteral("0"));
        ini.WriteString(m.Id, kName, m.Name);
        ini.WriteString(m.Id, kData, m.Data);
    }
}

QString NewModuleId() {
    return NewGuidText();
}

QStringList LoadModuleIds(const TMyIniFile& ini) {
    QStringList ids;
    ini.ReadSections(ids);
    ids.append(PhoneNumsId);
    return ids;
}

QString ModuleDisplayName(const TMyIniFile& ini, const QString& id) {
    if (id == PhoneNumsId)
        return ResStr::PhoneNumsName;
    return ReadTestModule(ini, id).Name;
}

QStringList ModuleItems(const TTestModule& module) {
    return CommaText::Read(module.Data);
}
