#include "platform/Prompts.h"

#include "core/Messages.h"
#include "platform/CodePageInput.h"
#include "platform/FontColorDialog.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QRegularExpression>

namespace {
class QtPrompts final : public Prompts {
public:
    QMessageBox::StandardButton Message(QWidget* owner, const QString& caption, const QString& text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override {
        QMessageBox box(icon, caption, text, buttons, owner);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
    std::optional<QString> InputBox(QWidget* owner, const QString& caption, const QString& prompt,
                                    const QString& initial) override {
        QInputDialog box(owner);
        box.setWindowTitle(caption);
        box.setLabelText(prompt);
        box.setTextValue(initial);
        if (auto* edit = box.findChild<QLineEdit*>())
            KeepToCodePage(edit);
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        return box.textValue();
    }
    QString OpenFileName(QWidget* owner, const QString& filter,
                         const QString& defaultSuffix) override {
        // A name typed without its extension finds the ".txt" file of that name.
        QFileDialog dlg(owner, QString(), QString(), filter);
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
        dlg.setDefaultSuffix(defaultSuffix);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return QString();
        return dlg.selectedFiles().constFirst();
    }
    QString SaveFileName(QWidget* owner, const QString& filter,
                         const QString& defaultSuffix) override {
        QFileDialog dlg(owner, QString(), QString(), filter);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(defaultSuffix);
        // With several kinds of file on offer, the kind chosen gives a name typed without an
        // extension its extension, so that the filter picks the format.
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg](const QString& chosen) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(chosen);
            if (m.hasMatch())
                dlg.setDefaultSuffix(m.captured(1));
        });
        dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return QString();
        return dlg.selectedFiles().constFirst();
    }
    bool ChooseFont(QWidget* owner, QFont& font, int& color) override {
        FontColorDialog dialog(owner, font, color);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        font = dialog.SelectedFont();
        color = dialog.SelectedColor();
        return true;
    }
};
Prompts* g_prompts = nullptr;
} // namespace

Prompts& AppPrompts() {
    static QtPrompts real;
    return g_prompts ? *g_prompts : real;
}

void SetAppPrompts(Prompts* prompts) {
    g_prompts = prompts;
}

void ShowWarning(QWidget* owner, const QString& text) {
    AppPrompts().Message(owner, Messages::Warning, text, QMessageBox::Warning, QMessageBox::Ok);
}

void ShowInformation(QWidget* owner, const QString& text) {
    AppPrompts().Message(owner, Messages::Information, text, QMessageBox::Information,
                         QMessageBox::Ok);
}

void ShowError(QWidget* owner, const QString& text) {
    AppPrompts().Message(owner, Messages::Error, text, QMessageBox::Critical, QMessageBox::Ok);
}

bool AskYesNo(QWidget* owner, const QString& text) {
    return AppPrompts().Message(owner, Messages::Confirmation, text, QMessageBox::Question,
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
