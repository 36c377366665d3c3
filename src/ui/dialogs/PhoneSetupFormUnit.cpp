#include "ui/dialogs/PhoneSetupFormUnit.h"

#include "core/GeneratorsUnit.h"
#include "platform/CodePageInput.h"
#include "platform/WindowPlacement.h"
#include "ui_PhoneSetupFormUnit.h"

TPhoneSetupForm::TPhoneSetupForm(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TPhoneSetupForm>()) {
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

TPhoneSetupForm::~TPhoneSetupForm() = default;

QLineEdit* TPhoneSetupForm::PhoneEdit() const {
    return ui->PhoneEdit;
}

QLabel* TPhoneSetupForm::PhoneLabel() const {
    return ui->PhoneLabel;
}

void TPhoneSetupForm::PhoneEditChange() {
    ui->PhoneLabel->setText(GeneratePhoneNumber(ui->PhoneEdit->text()));
}
