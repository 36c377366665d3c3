#pragma once

#include <QDialog>

// The module editor: adds, deletes and edits test modules on a working copy; OK rewrites the store.
class TModuleEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TModuleEditForm(QWidget* owner = nullptr);
    ~TModuleEditForm() override;
    // Shows the editor modally; true when it was closed with OK and modules.ini was rewritten.
    bool Execute();
};
