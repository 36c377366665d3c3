#pragma once

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;

namespace Ui {
class PhonePatternDialog;
}

// The phone number pattern dialog: the pattern box and a sample number that is drawn anew at every
// change of the pattern. Its opener puts the pattern in and, after OK, takes the box's text as
// typed.
class PhonePatternDialog : public QDialog {
    Q_OBJECT
public:
    explicit PhonePatternDialog(QWidget* parent = nullptr);
    ~PhonePatternDialog() override;

    QLineEdit* PhoneEdit() const;
    QLabel* PhoneLabel() const;

private:
    void PhoneEditChange();

    std::unique_ptr<Ui::PhonePatternDialog> ui;
};
