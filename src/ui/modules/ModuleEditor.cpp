#include "ui/modules/ModuleEditor.h"

#include "core/CommaText.h"
#include "core/Cp1251.h"
#include "core/Messages.h"
#include "core/ModuleTextFile.h"
#include "core/Stores.h"
#include "core/TextFormat.h"
#include "platform/Prompts.h"
#include "platform/WindowPlacement.h"
#include "ui_ModuleEditor.h"

#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>

namespace {
const QString kTxt = QStringLiteral("txt");
} // namespace

ModuleEditor::ModuleEditor(QWidget* owner)
    : QDialog(owner), ui(std::make_unique<Ui::ModuleEditor>()) {
    ui->setupUi(this);
    OpenCentredOnScreen(this);
    connect(ui->ModuleComboBox, &QComboBox::currentIndexChanged, this,
            &ModuleEditor::ModuleComboBoxChange);
    connect(ui->NumsMemo, &QPlainTextEdit::textChanged, this, &ModuleEditor::NumsMemoChange);
    connect(ui->AddSpeedButton, &QToolButton::clicked, this, &ModuleEditor::AddSpeedButtonClick);
    connect(ui->DeleteSpeedButton, &QToolButton::clicked, this,
            &ModuleEditor::DeleteSpeedButtonClick);
    connect(ui->LoadButton, &QPushButton::clicked, this, &ModuleEditor::LoadButtonClick);
    connect(ui->SaveButton, &QPushButton::clicked, this, &ModuleEditor::SaveButtonClick);
    connect(ui->OKButton, &QPushButton::clicked, this, &ModuleEditor::OKButtonClick);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // The small buttons take no focus; these keys reach them from the keyboard.
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this, this,
                  &ModuleEditor::AddSpeedButtonClick);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this, this,
                  &ModuleEditor::DeleteSpeedButtonClick);
    updateControls();
}

ModuleEditor::~ModuleEditor() = default;

bool ModuleEditor::Execute() {
    LoadWorkingCopy();
    ui->NumsMemo->setFocus();
    return exec() == QDialog::Accepted && m_saved;
}

void ModuleEditor::LoadWorkingCopy() {
    m_modules = LoadAllModules(ModulesIni());
    ShowModules(0);
}

int ModuleEditor::SelectedModule() const {
    const int entry = ui->ModuleComboBox->currentIndex();
    if (entry < 0)
        return -1;
    const int index = ui->ModuleComboBox->itemData(entry).toInt();
    return index >= 0 && static_cast<size_t>(index) < m_modules.size() ? index : -1;
}

void ModuleEditor::ShowModules(int k) {
    {
        const QSignalBlocker block(ui->ModuleComboBox);
        ui->ModuleComboBox->clear();
        for (size_t i = 0; i < m_modules.size(); ++i)
            ui->ModuleComboBox->addItem(m_modules[i].Name, static_cast<int>(i));
        ui->ModuleComboBox->setCurrentIndex(
            k >= 0 && k < ui->ModuleComboBox->count() ? k : (m_modules.empty() ? -1 : 0));
    }
    updateControls();
    ModuleComboBoxChange();
}

void ModuleEditor::updateControls() {
    // With no module left there is nothing to edit, load into or save from; adding still works.
    const bool any = !m_modules.empty();
    ui->NumsMemo->setEnabled(any);
    ui->DeleteSpeedButton->setEnabled(any);
    ui->LoadButton->setEnabled(any);
    ui->SaveButton->setEnabled(any);
}

QString ModuleEditor::MemoText() const {
    // toPlainText would turn no-break spaces into blanks, which a save would then write.
    QString text = ui->NumsMemo->document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return text;
}

void ModuleEditor::ModuleComboBoxChange() {
    // Putting a module's items into the memo is not an edit of them.
    const QSignalBlocker block(ui->NumsMemo);
    const int i = SelectedModule();
    ui->NumsMemo->setPlainText(
        i < 0 ? QString() : ModuleItems(m_modules[static_cast<size_t>(i)]).join(QLatin1Char('\n')));
}

void ModuleEditor::NumsMemoChange() {
    const int i = SelectedModule();
    if (i < 0)
        return;
    Module& module = m_modules[static_cast<size_t>(i)];
    if (module.Standart) {
        ShowWarning(this, Messages::StandardModuleEdit);
        ModuleComboBoxChange();
        return;
    }
    QStringList items;
    const QString text = MemoText();
    // Runs on every keystroke, so blank lines are found without copying each line.
    const auto hasText = [](QStringView line) {
        return std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() > 32; });
    };
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n')))
        if (hasText(line))
            items.append(line.toString());
    module.Data = CommaText::Write(items);
}

void ModuleEditor::AddSpeedButtonClick() {
    const std::optional<QString> answer = AppPrompts().InputBox(
        this, Messages::NewModuleCaption, Messages::NewModulePrompt, Messages::NewModuleInitial);
    if (!answer)
        return;
    const QString name = OneLine(*answer);
    for (const Module& m : m_modules) {
        if (m.Name == name) {
            ShowWarning(this, Format(Messages::ModuleExists, {name}));
            return;
        }
    }
    m_modules.push_back(Module{NewModuleId(), false, name, QString()});
    ShowModules(static_cast<int>(m_modules.size()) - 1);
    ui->NumsMemo->setFocus();
}

void ModuleEditor::DeleteSpeedButtonClick() {
    const int i = SelectedModule();
    if (i < 0)
        return;
    const Module& module = m_modules[static_cast<size_t>(i)];
    if (module.Standart) {
        ShowWarning(this, Messages::StandardModuleDelete);
        return;
    }
    if (!AskYesNo(this, Format(Messages::DeleteModuleQuestion, {module.Name})))
        return;
    m_modules.erase(m_modules.begin() + i);
    ShowModules(0);
}

void ModuleEditor::LoadButtonClick() {
    if (SelectedModule() < 0)
        return;
    const QString path = AppPrompts().OpenFileName(this, Messages::TextFilesFilter, kTxt);
    if (path.isEmpty())
        return;
    QString text, reason;
    if (!ModuleTextFile::Read(path, &text, &reason)) {
        ShowError(this, Messages::FileReadFailed.arg(path, reason));
        return;
    }
    if (text == MemoText())
        return;
    // A change like any other: the memo's change handler takes it or, for a standard module,
    // refuses it.
    ui->NumsMemo->setPlainText(text);
}

void ModuleEditor::SaveButtonClick() {
    if (SelectedModule() < 0)
        return;
    const QString path = AppPrompts().SaveFileName(this, Messages::TextFilesFilter, kTxt);
    if (path.isEmpty())
        return;
    QString reason;
    if (!ModuleTextFile::Write(path, MemoText(), &reason))
        ShowError(this, Messages::FileWriteFailed.arg(path, reason));
}

void ModuleEditor::OKButtonClick() {
    // Caught here rather than by the save, so the message can say which module holds the character.
    for (size_t i = 0; i < m_modules.size(); ++i) {
        const Module& m = m_modules[i];
        QString bad;
        if (cp1251::canEncode(m.Name, &bad) && cp1251::canEncode(m.Data, &bad))
            continue;
        ShowError(this, Format(Messages::ModuleCharNotInCodePage, {m.Name, bad}));
        ShowModules(static_cast<int>(i));
        return;
    }
    // A failed save shows its error and keeps the editor open with the working copy intact; a file
    // that took the change although the disk did not confirm it holds the modules all the same.
    try {
        ReplaceAllModules(ModulesIni(), m_modules);
    } catch (const SaveError& e) {
        ShowError(this, e.userMessage());
        if (!e.replaced())
            return;
    }
    m_saved = true;
    accept();
}
