#include "test/TestFormUnit.h"

// Placeholder until the test window lands.
TTestForm::TTestForm(QWidget* owner) : QDialog(owner) {}
TTestForm::~TTestForm() = default;
int TTestForm::RunTest(const QStringList&, int, int, bool, bool, bool, bool, bool, int) {
    return 2;
}
void TTestForm::SetItemPanelColor(const QColor&) {}
void TTestForm::SetItemFont(const QFont&) {}
void TTestForm::SetNormalTextColor(const QColor&) {}
void TTestForm::SetShowNextButtonVisible(bool) {}
void TTestForm::SetResultRecord(QStringList*) {}
