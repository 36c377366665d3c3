#pragma once

#include "core/IniFile.h"

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QString>
#include <optional>

class QWidget;

// Message boxes, the input box, file dialogs and the font dialog go through this one interface. The
// real one shows Qt dialogs; tests install a scripted one that answers without a modal loop.
class Prompts {
public:
    virtual ~Prompts() = default;
    // Shows a message box and returns the button pressed.
    virtual QMessageBox::StandardButton Message(QWidget* owner, const QString& caption,
                                                const QString& text, QMessageBox::Icon icon,
                                                QMessageBox::StandardButtons buttons) = 0;
    // A single-line input box; empty when cancelled.
    virtual std::optional<QString> InputBox(QWidget* owner, const QString& caption,
                                            const QString& prompt, const QString& initial) = 0;
    // File dialogs; an empty path when cancelled.
    virtual QString OpenFileName(QWidget* owner, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    virtual QString SaveFileName(QWidget* owner, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // The font dialog with a colour, in the files' form (0x00BBGGRR, or 0xFF0000nn for a system
    // colour, which comes back unchanged unless the user picks another); false when cancelled
    // (font and colour then stay).
    virtual bool ChooseFont(QWidget* owner, QFont& font, int& color) = 0;
};

Prompts& AppPrompts();
void SetAppPrompts(Prompts* prompts); // nullptr puts the real one back

// The program's message conventions.
void ShowWarning(QWidget* owner, const QString& text); // "Предупреждение", warning icon, OK
void ShowInformation(QWidget* owner, const QString& text); // "Информация", information icon, OK
void ShowError(QWidget* owner, const QString& text);       // "Ошибка", critical icon, OK
bool AskYesNo(QWidget* owner, const QString& text); // "Подтверждение", question, Yes/No

// Runs an action that may save a store; a failed save is shown with the file's path and the rest of
// the action is abandoned. Returns false when it failed.
template <typename F> bool RunGuarded(QWidget* owner, F&& action);

template <typename F> bool RunGuarded(QWidget* owner, F&& action) {
    try {
        action();
        return true;
    } catch (const SaveError& e) {
        ShowError(owner, e.userMessage());
        return false;
    }
}
