#include "results/ResultFormUnit.h"

// Placeholder until the details window lands.
TResultForm::TResultForm(QWidget* owner) : QDialog(owner) {}
TResultForm::~TResultForm() = default;
void TResultForm::ShowResult(const QStringList&, const QStringList&, bool, double, double, int, int,
                             int, TDateTime) {}
