#pragma once

#include "core/ModuleStore.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ModuleEditor;
}

// The module editor: adds, deletes and edits test modules on a working copy; OK rewrites the store.
class ModuleEditor : public QDialog {
    Q_OBJECT
public:
    explicit ModuleEditor(QWidget* owner = nullptr);
    ~ModuleEditor() override;
    // Shows the editor modally; true when it was closed with OK and modules.ini was rewritten.
    bool Execute();

    // Fills the working copy from the store and shows its first module: what Execute does before
    // the editor appears.
    void LoadWorkingCopy();
    const ModuleList& Modules() const { return m_modules; }

    // Working-copy index of the module chosen in the list, or -1 when there is none.
    int SelectedModule() const;
    // Refills the list from the working copy, selects entry k and shows that module's items.
    void ShowModules(int k);

    // The memo as lines joined by "\n", every character as typed (no-break spaces included).
    QString MemoText() const;

    void ModuleComboBoxChange();
    void NumsMemoChange();
    void AddSpeedButtonClick();
    void DeleteSpeedButtonClick();
    void LoadButtonClick();
    void SaveButtonClick();
    void OKButtonClick();

private:
    void updateControls();

    std::unique_ptr<Ui::ModuleEditor> ui;
    ModuleList m_modules;
    bool m_saved = false;
};
