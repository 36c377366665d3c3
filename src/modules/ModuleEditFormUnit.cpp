#include "modules/ModuleEditFormUnit.h"

// Placeholder until the module editor lands.
TModuleEditForm::TModuleEditForm(QWidget* owner) : QDialog(owner) {}
TModuleEditForm::~TModuleEditForm() = default;
bool TModuleEditForm::Execute() {
    return false;
}
