#pragma once

#include "core/IniFile.h"

#include <QString>

// The folder of the program's executable; every data path is built from it, never from the
// working directory.
QString ProgramDir();

// Creates the three process-wide stores on their paths below the given folder, loading each file
// that exists. Called once at start-up, and by tests with a folder of their own.
void OpenStores(const QString& programDir);
void CloseStores();

IniFile& ModulesIni();  // Data/modules.ini
IniFile& SettingsIni(); // settings.ini
IniFile& ResultIni();   // result.ini

QString HelpFilePath(); // Help/index.htm
