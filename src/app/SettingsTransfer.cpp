#include "app/SettingsTransfer.h"

// Placeholder until the settings dialog lands.
bool SettingsActionExecute(QWidget*, const QStringList&) {
    return false;
}
