#pragma once

#include <QDialog>
#include <QString>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace Ui {
class BlinkTestWindow;
}

// The longest number the window shows. A hand-edited count beyond it is cut to it: twice the
// largest count the settings dialog offers, still readable in the window.
inline constexpr int kMaxBlinkDigits = 60;

// The digit count and display time the window uses for the values read from the settings. A count
// or time below 1 cannot be meant (no number, or one never seen), so it falls back to the default.
int BlinkDigitCount(int count);
int BlinkDisplayTime(int ms);

// The blink test: flashes a random number for a set time and asks for it, turn after turn.
class BlinkTestWindow : public QDialog {
    Q_OBJECT
public:
    explicit BlinkTestWindow(QWidget* owner = nullptr);
    ~BlinkTestWindow() override;
    void SetDigitCount(int count);
    void SetDisplayTime(int ms);

    void StartTestButtonClick();
    // Starts a turn: a new number on screen and the timer running.
    void ShowNextNumber();
    // Ends a turn: hides the number, asks for it, says whether it was right, starts the next.
    void TimerTimer();

    int DigitCount() const { return m_digitCount; }
    int DisplayTime() const { return m_displayTime; }
    QString CurrentNumber() const { return m_currentNumber; }
    QLabel* Label1() const;
    QPushButton* StartTestButton() const;
    QTimer* Timer() const { return m_timer; }

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::BlinkTestWindow> ui;
    QTimer* m_timer = nullptr;
    int m_digitCount;
    int m_displayTime;
    QString m_currentNumber;
    bool m_turnRunning = false;
    bool m_closed = false;
};
