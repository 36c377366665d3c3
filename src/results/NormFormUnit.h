#pragma once

#include <QDialog>

// The norms window: grades of exam results for beginners and for experts.
class TNormForm : public QDialog {
    Q_OBJECT
public:
    explicit TNormForm(QWidget* owner = nullptr);
    ~TNormForm() override;
};
