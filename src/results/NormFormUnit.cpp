#include "results/NormFormUnit.h"

// Placeholder until the norms windows land.
TNormForm::TNormForm(QWidget* owner) : QDialog(owner) {}
TNormForm::~TNormForm() = default;
