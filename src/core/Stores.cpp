#include "core/Stores.h"

#include <QCoreApplication>
#include <QDir>
#include <memory>

namespace {
struct StoreSet {
    QString dir;
    std::unique_ptr<TMyIniFile> modules, settings, results;
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
    s.modules = std::make_unique<TMyIniFile>(s.dir + QStringLiteral("/Data/modules.ini"));
    s.settings = std::make_unique<TMyIniFile>(s.dir + QStringLiteral("/settings.ini"));
    s.results = std::make_unique<TMyIniFile>(s.dir + QStringLiteral("/result.ini"));
}

void CloseStores() {
    StoreSet& s = stores();
    s.modules.reset();
    s.settings.reset();
    s.results.reset();
    s.dir.clear();
}

TMyIniFile& ModulesIni() {
    ensureOpen();
    return *stores().modules;
}

TMyIniFile& SettingsIni() {
    ensureOpen();
    return *stores().settings;
}

TMyIniFile& ResultIni() {
    ensureOpen();
    return *stores().results;
}

QString HelpFilePath() {
    return ProgramDir() + QStringLiteral("/Help/index.htm");
}
