#pragma once

#include "core/IniFile.h"
#include "core/Module.h"

#include <QString>
#include <QStringList>
#include <vector>

// The reserved id of the phone number generator; never a section of the file.
inline const QString PhoneNumsId = QStringLiteral("PhoneNums");
inline const QString StandardModule2Digits = QStringLiteral("TestNumsData1");
inline const QString StandardModule3Digits = QStringLiteral("TestNumsData2");

// Reads a module by id; a missing section gives Standart false, Name "Name", empty Data.
Module ReadTestModule(const IniFile& ini, const QString& id);

// All modules, sorted by id ascending with a locale comparison that ignores letter case.
ModuleList LoadAllModules(const IniFile& ini);

// Makes the store hold exactly the given modules in array order, each with Standart, Name and Data
// in that order, and saves it in one go; names stay exactly as given, and ids that differ only in
// letter case make one section (the first's place and spelling, the last's values). Throws
// SaveError when the file cannot be written; the store and the file are then left as they were.
void ReplaceAllModules(IniFile& ini, const ModuleList& modules);

// A fresh GUID in registry form, the id of a module the user adds.
QString NewModuleId();

// Section names in file order followed by "PhoneNums", which is therefore always last.
QStringList LoadModuleIds(const IniFile& ini);

// The module's Name, or "Телефонные номера" for "PhoneNums".
QString ModuleDisplayName(const IniFile& ini, const QString& id);

// The items of a module: its Data read as comma text, in order.
QStringList ModuleItems(const Module& module);
