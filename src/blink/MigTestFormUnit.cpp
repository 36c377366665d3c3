#include "blink/MigTestFormUnit.h"

// Placeholder until the blink test lands.
TMigTestForm::TMigTestForm(QWidget* owner) : QDialog(owner) {}
TMigTestForm::~TMigTestForm() = default;
void TMigTestForm::SetDigitCount(int) {}
void TMigTestForm::SetDisplayTime(int) {}
