#include "ui/dialogs/PhonePatternDialog.h"

#include "core/Generators.h"
#include "platform/CodePageInput.h"
#include "platform/WindowPlacement.h"
#include "ui_PhonePatternDialog.h"

PhonePatternDialog::PhonePatternDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::PhonePatternDialog>()) {
    ui->setupUi(this);
    OpenCentredOnScreen(this);
    // A dialog border: the size is the layout's, not the user's.
    setFixedSize(size().expandedTo(sizeHint()));
    KeepToCodePage(ui->PhoneEdit);
    connect(ui->PhoneEdit, &QLineEdit::textChanged, this, [this] { PhoneEditChange(); });
    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // A sample for the initial text, before the opener puts the stored pattern in.
    PhoneEditChange();
}

PhonePatternDialog::~PhonePatternDialog() = default;

QLineEdit* PhonePatternDialog::PhoneEdit() const {
    return ui->PhoneEdit;
}

QLabel* PhonePatternDialog::PhoneLabel() const {
    return ui->PhoneLabel;
}

void PhonePatternDialog::PhoneEditChange() {
    ui->PhoneLabel->setText(GeneratePhoneNumber(ui->PhoneEdit->text()));
}
