#pragma once

#include <QStringList>

class QWidget;

// The Settings command: fills a fresh settings dialog from settings.ini, runs it, and on OK writes
// every value back in order. Returns true when the dialog was closed with OK.
bool SettingsActionExecute(QWidget* owner, const QStringList& moduleIds);
