#pragma once

#include <QDialog>

// The blink test: flashes a random number for a set time and asks for it, turn after turn.
class TMigTestForm : public QDialog {
    Q_OBJECT
public:
    explicit TMigTestForm(QWidget* owner = nullptr);
    ~TMigTestForm() override;
    void SetDigitCount(int count);
    void SetDisplayTime(int ms);
};
