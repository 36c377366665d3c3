#include "ui/run/AnswerEntryDialog.h"
#include "ui_AnswerEntryDialog.h"

#include "core/Messages.h"
#include "platform/CodePageInput.h"
#include "platform/Prompts.h"
#include "platform/WindowPlacement.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {
const QString kUntouched = QStringLiteral("???");
}

AnswerEntryDialog::AnswerEntryDialog(QWidget* owner)
    : RunDialog(owner), ui(new Ui::AnswerEntryDialog) {
    ui->setupUi(this);
    OpenCentredOnScreen(this);
    setFixedSize(size());
    // The dialog sees every key before the control with the focus does, buttons included.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(this);
    for (int k = 1; k <= kFieldCount; ++k)
        KeepToCodePage(Edit(k));
    connect(ui->OKButton, &QPushButton::clicked, this, [this] { done(1); });
    connect(ui->CancelButton, &QPushButton::clicked, this, &AnswerEntryDialog::CancelButtonClick);
    // OK is not the default button: Enter in a field moves on instead of closing.
    ui->OKButton->setAutoDefault(false);
    ui->CancelButton->setAutoDefault(false);
    ui->Edit1->setFocus();
}

AnswerEntryDialog::~AnswerEntryDialog() = default;

QLineEdit* AnswerEntryDialog::Edit(int k) const {
    return findChild<QLineEdit*>(QStringLiteral("Edit") + QString::number(k));
}

QStringList AnswerEntryDialog::Answers() const {
    QStringList out;
    for (int k = 1; k <= kFieldCount; ++k)
        out.append(Edit(k)->text());
    return out;
}

void AnswerEntryDialog::Edit1Click(QLineEdit* edit) {
    if (edit->text() == kUntouched)
        edit->clear();
}

bool AnswerEntryDialog::FormKeyPress(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
        return false;
    // Posted, as the focus move of a dialog is: the key is finished with before the focus moves.
    QTimer::singleShot(0, this, [this] { focusNextChild(); });
    return true;
}

void AnswerEntryDialog::CancelButtonClick() {
    if (ConfirmCancel())
        done(2);
}

void AnswerEntryDialog::CancelRequested() {
    ui->CancelButton->click();
}

bool AnswerEntryDialog::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            Edit1Click(edit);
        break;
    case QEvent::KeyPress:
        if (FormKeyPress(static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::KeyRelease: {
        // A button acts on the release of Space; with its press taken, the release is too.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void AnswerEntryDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui->Edit1->setFocus();
    Edit1Click(ui->Edit1);
}
