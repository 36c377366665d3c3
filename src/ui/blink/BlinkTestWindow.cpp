#include "ui/blink/BlinkTestWindow.h"

#include "core/Generators.h"
#include "core/Messages.h"
#include "core/SettingsKeys.h"
#include "core/TextFormat.h"
#include "platform/Prompts.h"
#include "platform/WindowPlacement.h"
#include "ui_BlinkTestWindow.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

static_assert(kMaxBlinkDigits <= kMaxGeneratedDigits);

int BlinkDigitCount(int count) {
    if (count < 1)
        return Settings::Default::MigDigWidth;
    return std::min(count, kMaxBlinkDigits);
}

int BlinkDisplayTime(int ms) {
    return ms < 1 ? Settings::Default::MigTimeLimit : ms;
}

namespace {
// A long number would run past the window's edges, since a label wraps only between words; a
// zero-width space between the digits lets it wrap anywhere without changing what is seen.
QString Breakable(const QString& digits) {
    QString out;
    out.reserve(digits.size() * 2);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0)
            out += QChar(0x200B);
        out += digits[i];
    }
    return out;
}
} // namespace

BlinkTestWindow::BlinkTestWindow(QWidget* owner)
    : QDialog(owner), ui(std::make_unique<Ui::BlinkTestWindow>()),
      m_digitCount(Settings::Default::MigDigWidth), m_displayTime(Settings::Default::MigTimeLimit) {
    ui->setupUi(this);
    OpenCentredOnScreen(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(size());

    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPixelSize(32);
    ui->Label1->setFont(labelFont);
    QFont buttonFont = ui->StartTestButton->font();
    buttonFont.setPixelSize(32);
    ui->StartTestButton->setFont(buttonFont);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setSingleShot(true);
    // A coarse timer may end the display up to 5 % early or late; the display time is the test.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &BlinkTestWindow::TimerTimer);
    connect(ui->StartTestButton, &QPushButton::clicked, this,
            &BlinkTestWindow::StartTestButtonClick);
}

BlinkTestWindow::~BlinkTestWindow() = default;

void BlinkTestWindow::SetDigitCount(int count) {
    m_digitCount = BlinkDigitCount(count);
}

void BlinkTestWindow::SetDisplayTime(int ms) {
    m_displayTime = BlinkDisplayTime(ms);
}

QLabel* BlinkTestWindow::Label1() const {
    return ui->Label1;
}

QPushButton* BlinkTestWindow::StartTestButton() const {
    return ui->StartTestButton;
}

void BlinkTestWindow::StartTestButtonClick() {
    ui->StartTestButton->hide();
    ShowNextNumber();
}

void BlinkTestWindow::ShowNextNumber() {
    m_currentNumber = GenerateDigits(m_digitCount);
    ui->Label1->setText(QStringLiteral("\n") + Breakable(m_currentNumber));
    QFont f = ui->Label1->font();
    f.setPointSize(48);
    ui->Label1->setFont(f);
    m_turnRunning = true;
    m_timer->start(m_displayTime);
}

void BlinkTestWindow::TimerTimer() {
    m_timer->stop();
    if (!m_turnRunning)
        return;
    m_turnRunning = false;
    ui->Label1->clear();
    const QString answer =
        TrimControl(AppPrompts()
                        .InputBox(this, Messages::BlinkInputCaption, QString(), QString())
                        .value_or(QString()));
    if (answer == m_currentNumber)
        ShowInformation(this, Messages::BlinkRight);
    else
        ShowWarning(this, Format(Messages::BlinkWrong, {m_currentNumber}));
    // A window closed meanwhile (the program ending under the boxes) starts no new turn.
    if (!m_closed)
        ShowNextNumber();
}

void BlinkTestWindow::keyPressEvent(QKeyEvent* event) {
    // Only the title bar's close ends the test; Escape does not.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void BlinkTestWindow::hideEvent(QHideEvent* event) {
    // Closing ends the test: no number may come back after the window is gone. A minimised window
    // (a spontaneous hide) goes on.
    if (!event->spontaneous()) {
        m_timer->stop();
        m_turnRunning = false;
        m_closed = true;
    }
    QDialog::hideEvent(event);
}
