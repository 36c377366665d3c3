#pragma once

#include <QStringList>

class QWidget;
class SettingsDialog;

// The Settings command: fills a fresh settings dialog from settings.ini, runs it, and on OK writes
// every value back in order. Returns true when the dialog was closed with OK.
bool SettingsActionExecute(QWidget* owner, const QStringList& moduleIds);

// Shows the values of settings.ini in the dialog and parses TestRange into rangeTable. Writes
// nothing.
void SettingsTransferIn(SettingsDialog& form, const QStringList& moduleIds,
                        QStringList& rangeTable);

// Writes the dialog's values and the range table to settings.ini in the order the command writes
// them, each write saving the file. Throws SaveError at the first failed save; what was written
// before stays.
void SettingsTransferOut(const SettingsDialog& form, const QStringList& rangeTable);
