#include "dialogs/AboutFormUnit.h"

// Placeholder until the about dialog lands.
TAboutForm::TAboutForm(QWidget* owner) : QDialog(owner) {}
TAboutForm::~TAboutForm() = default;
QString TAboutForm::FileVersion() const {
    return QString();
}
void TAboutForm::SetVersionCaption(const QString&) {}
