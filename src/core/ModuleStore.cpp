#include "core/ModuleStore.h"

#include "core/CommaText.h"
#include "core/Messages.h"
#include "core/TextFormat.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace {
const QString kStandart = QStringLiteral("Standart");
const QString kName = QStringLiteral("Name");
const QString kData = QStringLiteral("Data");

} // namespace

Module ReadTestModule(const IniFile& ini, const QString& id) {
    Module m;
    m.Id = id;
    m.Standart = ini.ReadBool(id, kStandart, false);
    m.Name = ini.ReadString(id, kName, kName);
    m.Data = ini.ReadString(id, kData, QString());
    return m;
}

ModuleList LoadAllModules(const IniFile& ini) {
    QStringList ids;
    ini.ReadSections(ids);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(ids.begin(), ids.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    ModuleList out;
    out.reserve(static_cast<size_t>(ids.size()));
    for (const QString& id : ids)
        out.push_back(ReadTestModule(ini, id));
    return out;
}

void ReplaceAllModules(IniFile& ini, const ModuleList& modules) {
    // Ids are section names, which the store compares without regard to case: records whose ids
    // differ only in case write into one section, at the place of the first, with the values of
    // the last, as writing them one after the other would.
    struct Section {
        QString id;
        const Module* values;
    };
    std::vector<Section> sections;
    QHash<QString, std::size_t> byId;
    for (const Module& m : modules) {
        const QString key = m.Id.toCaseFolded();
        if (const auto found = byId.constFind(key); found != byId.constEnd()) {
            sections[*found].values = &m;
        } else {
            byId.insert(key, sections.size());
            sections.push_back({m.Id, &m});
        }
    }

    // The new file is built whole and saved once. Erasing and writing key by key would save after
    // every step, and a save failing halfway would leave some modules gone from the disk.
    const QLatin1String crlf("\r\n");
    QString text;
    for (const auto& [id, values] : sections) {
        const Module& m = *values;
        text += QLatin1Char('[') + id + QLatin1Char(']') + crlf;
        text += kStandart + QLatin1Char('=') + (m.Standart ? QLatin1Char('1') : QLatin1Char('0')) +
                crlf;
        text += kName + QLatin1Char('=') + OneLine(m.Name) + crlf;
        text += kData + QLatin1Char('=') + OneLine(m.Data) + crlf;
        text += crlf;
    }
    // The Data folder may be missing, as the file may; the first save of modules then makes it.
    QDir().mkpath(QFileInfo(ini.FileName()).absolutePath());
    const QString before = ini.ToText();
    ini.SetText(text);
    try {
        ini.UpdateFile();
    } catch (const SaveError& e) {
        // The store must match the file: with the old file still on disk nothing of this attempt
        // may show up elsewhere in the program; with the new one in place the change stays.
        if (e.replaced())
            throw;
        ini.SetText(before);
        throw e.dropped();
    }
    // Reading the text back trimmed the blanks around each name; the name stays as entered. The
    // file already holds every module, and a load trims those blanks again, so a write of them
    // that fails loses nothing a later start could read.
    for (const auto& [id, values] : sections) {
        const QString name = OneLine(values->Name);
        if (ini.ReadString(id, kName, name) == name)
            continue;
        try {
            ini.WriteValues(id, {{kName, name}});
        } catch (const SaveError&) {
        }
    }
}

QString NewModuleId() {
    return NewGuidText();
}

QStringList LoadModuleIds(const IniFile& ini) {
    QStringList ids;
    ini.ReadSections(ids);
    ids.append(PhoneNumsId);
    return ids;
}

QString ModuleDisplayName(const IniFile& ini, const QString& id) {
    if (id == PhoneNumsId)
        return Messages::PhoneNumsName;
    return ReadTestModule(ini, id).Name;
}

QStringList ModuleItems(const Module& module) {
    return CommaText::Read(module.Data);
}
