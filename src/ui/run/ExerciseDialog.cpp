#include "ui/run/ExerciseDialog.h"
#include "ui_ExerciseDialog.h"

#include "core/Messages.h"
#include "core/Random.h"
#include "core/TextFormat.h"
#include "platform/Prompts.h"
#include "platform/WindowPlacement.h"
#include "ui/run/ItemNotice.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kExercises = 5;
const QString kUnanswered = QStringLiteral("?");
} // namespace

const QColor& ExerciseDialog::UnsolvedColor() {
    static const QColor c(255, 0, 0);
    return c;
}

const QColor& ExerciseDialog::SolvedColor() {
    static const QColor c(0, 128, 0);
    return c;
}

ExerciseDialog::ExerciseDialog(QWidget* owner)
    : RunDialog(owner), ui(new Ui::ExerciseDialog), m_notice(new ItemNotice(this)) {
    ui->setupUi(this);
    OpenCentredOnScreen(this);
    setFixedSize(size());
    for (int k = 1; k <= kExercises; ++k) {
        QLineEdit* edit = Edit(k);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { Edit1Change(edit); });
    }
    connect(ui->OKButton, &QPushButton::clicked, this, &ExerciseDialog::OKButtonClick);
    connect(ui->CancelButton, &QPushButton::clicked, this, &ExerciseDialog::CancelButtonClick);
}

ExerciseDialog::~ExerciseDialog() = default;

QLineEdit* ExerciseDialog::Edit(int k) const {
    return findChild<QLineEdit*>(QStringLiteral("Edit") + QString::number(k));
}

QLabel* ExerciseDialog::Label(int k) const {
    return findChild<QLabel*>(QStringLiteral("Label") + QString::number(k));
}

void ExerciseDialog::Setup() {
    for (int k = 1; k <= kExercises; ++k) {
        const int a = AppRandom().Next(50);
        const int b = AppRandom().Next(50);
        Label(k)->setText(Format(Messages::ExerciseLabel, {a, b}));
        m_sums.at(static_cast<std::size_t>(k - 1)) = a + b;
        // Setting the text runs the change rule, which colours the field red.
        Edit(k)->setText(kUnanswered);
        Edit1Change(Edit(k));
    }
    ui->Edit1->setFocus();
    Edit1Click(ui->Edit1);
}

int ExerciseDialog::Execute() {
    Setup();
    return exec();
}

bool ExerciseDialog::IsSolved(int k) const {
    return Edit(k)->palette().color(QPalette::Text) == SolvedColor();
}

void ExerciseDialog::setFieldColor(QLineEdit* edit, const QColor& color) {
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Text, color);
    edit->setPalette(pal);
}

bool ExerciseDialog::allSolved() const {
    for (int k = 1; k <= kExercises; ++k)
        if (Edit(k)->palette().color(QPalette::Text) == UnsolvedColor())
            return false;
    return true;
}

void ExerciseDialog::Edit1Change(QLineEdit* edit) {
    bool ok = false;
    const int k = edit->objectName().mid(4).toInt(&ok);
    if (!ok || k < 1 || k > kExercises)
        return;
    if (TrimControl(edit->text()) == QString::number(Sum(k))) {
        setFieldColor(edit, SolvedColor());
        focusNextChild();
        for (int next = 1; next <= kExercises; ++next)
            if (focusWidget() == Edit(next))
                m_notice->Announce(Label(next)->text());
        if (allSolved())
            ui->OKButton->click();
    } else {
        setFieldColor(edit, UnsolvedColor());
    }
}

void ExerciseDialog::Edit1Click(QLineEdit* edit) {
    if (edit->text() == kUnanswered)
        edit->clear();
}

void ExerciseDialog::OKButtonClick() {
    if (!allSolved()) {
        ShowWarning(this, Messages::NotAllSolved);
        return;
    }
    done(1);
}

void ExerciseDialog::CancelButtonClick() {
    if (ConfirmCancel())
        done(2);
}

void ExerciseDialog::CancelRequested() {
    ui->CancelButton->click();
}

bool ExerciseDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            Edit1Click(edit);
    }
    return QDialog::eventFilter(watched, event);
}
