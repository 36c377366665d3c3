#include "core/Stores.h"

#include "core/StoredExam.h"

#include <QCoreApplication>
#include <QDir>
#include <memory>

namespace {
struct StoreSet {
    QString dir;
    std::unique_ptr<IniFile> modules, settings, results;
};
StoreSet& stores() {
    static StoreSet s;
    return s;
}
void ensureOpen() {
    if (!stores().settings)
        OpenStores(ProgramDir());
}
} // namespace

QString ProgramDir() {
    if (!stores().dir.isEmpty())
        return stores().dir;
    return QCoreApplication::applicationDirPath();
}

void OpenStores(const QString& programDir) {
    StoreSet& s = stores();
    s.dir = QDir::cleanPath(programDir);
    s.modules = std::make_unique<IniFile>(s.dir + QStringLiteral("/Data/modules.ini"));
    s.settings = std::make_unique<IniFile>(s.dir + QStringLiteral("/settings.ini"));
    // The history is read a few values per exam at every start: the load notes where they stand.
    s.results = std::make_unique<IniFile>(s.dir + QStringLiteral("/result.ini"),
                                          StoredExam::NumberKeyNames());
}

void CloseStores() {
    StoreSet& s = stores();
    s.modules.reset();
    s.settings.reset();
    s.results.reset();
    s.dir.clear();
}

IniFile& ModulesIni() {
    ensureOpen();
    return *stores().modules;
}

IniFile& SettingsIni() {
    ensureOpen();
    return *stores().settings;
}

IniFile& ResultIni() {
    ensureOpen();
    return *stores().results;
}

QString HelpFilePath() {
    return ProgramDir() + QStringLiteral("/Help/index.htm");
}
