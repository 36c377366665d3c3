#include "ui/run/TestWindow.h"
#include "ui_TestWindow.h"

#include "core/Clock.h"
#include "core/Messages.h"
#include "platform/CodePageInput.h"
#include "platform/Colors.h"
#include "platform/ItemLook.h"
#include "platform/Prompts.h"
#include "platform/WindowMessages.h"
#include "platform/WindowPlacement.h"
#include "ui/results/ResultDetailsWindow.h"
#include "ui/run/AnswerEntryDialog.h"
#include "ui/run/ExerciseDialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>

namespace {
const QString kPlaceholder = QStringLiteral("???");

QFont largeFont(const QFont& base) {
    QFont f = base;
    f.setPixelSize(32);
    return f;
}

} // namespace

TestWindow::TestWindow(QWidget* owner)
    : RunDialog(owner), ui(new Ui::TestWindow), m_step1Timer(new QTimer(this)),
      m_endTimer(new QTimer(this)), m_blinkTimer(new QTimer(this)),
      m_showNextButTimer(new QTimer(this)) {
    ui->setupUi(this);
    OpenCentredOnScreen(this);
    setFixedSize(size());
    ui->PageControl->setCurrentWidget(ui->StartPage);
    ui->StartLabel->setFont(largeFont(ui->StartLabel->font()));
    ui->StartTestButton->setFont(largeFont(ui->StartTestButton->font()));
    ui->AnswerEdit->setFont(largeFont(ui->AnswerEdit->font()));
    ui->DataPanel->SetBevelWidth(3);
    ui->DataPanel->SetBevelOuter(BevelCut::Raised);
    // Until the opener sets the item colour, items take the palette's text colour, so that they
    // stay readable in a dark palette too.
    m_normalTextColor = ui->DataPanel->palette().color(QPalette::WindowText);
    ui->DataPanel->SetFontColor(m_normalTextColor);

    // The tick only forwards the clock to the engine; a late tick never lengthens an item.
    m_step1Timer->setTimerType(Qt::PreciseTimer);
    m_step1Timer->setInterval(10);
    m_blinkTimer->setInterval(1000);
    m_showNextButTimer->setInterval(500);
    connect(m_step1Timer, &QTimer::timeout, this, &TestWindow::Step1TimerTimer);
    m_endTimer->setTimerType(Qt::PreciseTimer);
    m_endTimer->setSingleShot(true);
    connect(m_endTimer, &QTimer::timeout, this, [this] {
        if (m_step1Timer->isActive())
            Step1TimerTimer();
    });
    connect(m_blinkTimer, &QTimer::timeout, this, &TestWindow::BlinkTimerTimer);
    connect(m_showNextButTimer, &QTimer::timeout, this, &TestWindow::ShowNextButTimerTimer);
    m_blinkTimer->start();

    connect(ui->StartTestButton, &QPushButton::clicked, this, &TestWindow::StartTestButtonClick);
    connect(ui->ShowNextButton, &QPushButton::clicked, this, &TestWindow::ShowNextButtonClick);
    connect(ui->NextElemButton, &QPushButton::clicked, this, &TestWindow::NextElemButtonClick);
    connect(ui->TipButton, &QPushButton::clicked, this, &TestWindow::TipButtonClick);
    connect(ui->CancelButton, &QPushButton::clicked, this, &TestWindow::CancelButtonClick);
    for (QObject* o :
         {static_cast<QObject*>(ui->AnswerEdit), static_cast<QObject*>(ui->ShowNextButton),
          static_cast<QObject*>(ui->NextElemButton)})
        o->installEventFilter(this);
    KeepToCodePage(ui->AnswerEdit);
}

TestWindow::~TestWindow() = default;

bool TestWindow::Step1TimerActive() const {
    return m_step1Timer->isActive();
}

bool TestWindow::BlinkTimerActive() const {
    return m_blinkTimer->isActive();
}

bool TestWindow::ShowNextButTimerActive() const {
    return m_showNextButTimer->isActive();
}

void TestWindow::ApplyItemLook(int backgroundColor, const QString& fontText) {
    const ItemLook look =
        ItemLookFor(backgroundColor, fontText, ui->DataPanel->font(), ui->DataPanel->FontColor());
    SetItemPanelColor(look.background);
    if (look.font)
        SetItemFont(*look.font);
    SetNormalTextColor(look.text);
}

void TestWindow::SetItemPanelColor(const QColor& color) {
    ui->DataPanel->SetColor(color);
}

void TestWindow::SetItemFont(const QFont& font) {
    ui->DataPanel->setFont(font);
}

void TestWindow::SetNormalTextColor(const QColor& color) {
    m_normalTextColor = color;
    ui->DataPanel->SetFontColor(color);
}

void TestWindow::SetShowNextButtonVisible(bool visible) {
    ui->ShowNextButton->setVisible(visible);
}

void TestWindow::SetResultRecord(QStringList* record) {
    m_resultRecord = record;
}

bool TestWindow::StartRun(const TestRunEngine::Config& run) {
    RunOutcome = {};
    ui->PageControl->setCurrentWidget(ui->StartPage);
    const bool ok = m_engine.Setup(run);
    if (!ok)
        endRun(2);
    return ok;
}

bool TestWindow::StartRun(const QStringList& Items, int ElementCount, int TimeLimit,
                          bool MeanTimeLimit, bool DoCalc, bool ShowCurrent, bool EnterAtEnd,
                          bool AllowTips, int MaxWrongPercent) {
    return StartRun({Items, ElementCount, TimeLimit, MeanTimeLimit, DoCalc, ShowCurrent, EnterAtEnd,
                     AllowTips, MaxWrongPercent});
}

int TestWindow::RunTest(const TestRunEngine::Config& run) {
    if (!StartRun(run))
        return 2;
    return exec();
}

int TestWindow::RunTest(const QStringList& Items, int ElementCount, int TimeLimit,
                        bool MeanTimeLimit, bool DoCalc, bool ShowCurrent, bool EnterAtEnd,
                        bool AllowTips, int MaxWrongPercent) {
    return RunTest({Items, ElementCount, TimeLimit, MeanTimeLimit, DoCalc, ShowCurrent, EnterAtEnd,
                    AllowTips, MaxWrongPercent});
}

void TestWindow::StartTestButtonClick() {
    // A second click before the page switch is handled must not start a second presentation.
    if (m_engine.CurrentPhase() != TestRunEngine::Phase::Start ||
        ui->PageControl->currentWidget() == ui->TestPage)
        return;
    ui->PageControl->setCurrentWidget(ui->TestPage);
    QCoreApplication::postEvent(this, new QEvent(WM_START_PRESENTATION));
}

void TestWindow::customEvent(QEvent* event) {
    if (event->type() == WM_START_PRESENTATION)
        startPresentation();
    else if (event->type() == WM_PRESENTATION_DONE)
        presentationDone();
    else
        QDialog::customEvent(event);
}

void TestWindow::startPresentation() {
    if (m_engine.CurrentPhase() != TestRunEngine::Phase::Start)
        return;
    if (m_asking) {
        // No item may be shown or timed while the user decides whether to cancel.
        m_startDeferred = true;
        return;
    }
    // Space or Enter presses the show-next button. Without it the focus rests on the item panel,
    // where no key ends the run (it would otherwise fall to the cancel button).
    if (!ui->ShowNextButton->isHidden())
        ui->ShowNextButton->setFocus();
    else
        ui->DataPanel->setFocus();
    m_engine.StartPresentation(AppClock().MonotonicMSecs());
    Step1TimerTimer();
    if (m_engine.CurrentPhase() == TestRunEngine::Phase::Presenting)
        m_step1Timer->start();
    ui->NumNoLabel->setVisible(m_engine.Configuration().ShowCurrent);
}

void TestWindow::Step1TimerTimer() {
    applyFrame(m_engine.Tick(AppClock().MonotonicMSecs()));
    // The 10 ms tick runs in step with the item's start, so on its own it would replace every
    // item almost a whole tick late. One extra tick aimed at the item's end keeps it exact.
    const auto left = m_engine.MSecsUntilItemEnds(AppClock().MonotonicMSecs());
    if (left && *left < m_step1Timer->interval() && m_step1Timer->isActive())
        m_endTimer->start(static_cast<int>(*left));
}

void TestWindow::applyFrame(const TestRunEngine::Frame& frame) {
    using Kind = TestRunEngine::Frame::Kind;
    switch (frame.kind) {
    case Kind::Unchanged:
        if (m_engine.CurrentPhase() == TestRunEngine::Phase::Presenting)
            ui->DataPanel->SetFontColor(
                frame.red ? QColor(255, 0, 0) : LightenColor(m_normalTextColor, frame.fadePercent));
        break;
    case Kind::NewItem:
        ui->DataPanel->SetFontColor(m_normalTextColor);
        ui->DataPanel->SetCaption(m_engine.CurrentItem());
        ui->NumNoLabel->setText(m_engine.ShownCounterText());
        if (frame.rearm) {
            // A click aimed at the item that just ran out must not skip the new one.
            m_showNextArmed = false;
            m_showNextButTimer->start();
        }
        Q_EMIT PresentationStep();
        break;
    case Kind::Done:
        m_step1Timer->stop();
        ui->DataPanel->SetCaption(QString());
        ui->NumNoLabel->setText(QString());
        QCoreApplication::postEvent(this, new QEvent(WM_PRESENTATION_DONE));
        Q_EMIT PresentationStep();
        break;
    case Kind::PaceBroken:
        m_closeQueryAttached = false;
        m_step1Timer->stop();
        ShowWarning(this, frame.message);
        endRun(2);
        break;
    }
}

void TestWindow::BlinkTimerTimer() {
    if (ui->DataPanel->BevelInner() == BevelCut::Flat) {
        ui->DataPanel->SetBevelInner(BevelCut::Lowered);
        ui->DataPanel->SetBevelOuter(BevelCut::Flat);
    } else {
        ui->DataPanel->SetBevelInner(BevelCut::Flat);
        ui->DataPanel->SetBevelOuter(BevelCut::Raised);
    }
}

void TestWindow::ShowNextButtonClick() {
    if (m_showNextArmed)
        m_engine.ShowNext();
}

void TestWindow::ShowNextButTimerTimer() {
    m_showNextButTimer->stop();
    m_showNextArmed = true;
}

void TestWindow::presentationDone() {
    if (m_engine.CurrentPhase() != TestRunEngine::Phase::PresentationDone)
        return;
    if (m_asking) {
        // The end phase opens its dialogs only once the user has answered the question.
        m_doneDeferred = true;
        return;
    }
    m_blinkTimer->stop();
    ui->DataPanel->SetBevelInner(BevelCut::Flat);
    ui->DataPanel->SetBevelOuter(BevelCut::Flat);
    const TestRunEngine::Config& config = m_engine.Configuration();
    if (config.DoCalc && RunExercises() != 1) {
        endRun(2);
        return;
    }
    if (config.EnterAtEnd) {
        const std::optional<QStringList> answers = RunDataEntry();
        if (!answers) {
            endRun(2);
            return;
        }
        m_engine.BeginRecall();
        // The dialog always gives twenty; a run of fewer items takes the first ones, and a run of
        // more asks the rest one at a time.
        for (const QString& a : *answers)
            m_engine.AddAnswer(a);
        CheckAnswers();
        if (m_engine.CurrentPhase() != TestRunEngine::Phase::Recalling)
            return;
    }
    beginOneByOneRecall();
}

void TestWindow::beginOneByOneRecall() {
    m_engine.BeginRecall();
    ui->ShowNextButton->hide();
    for (QWidget* w : {static_cast<QWidget*>(ui->AnswerEdit), static_cast<QWidget*>(ui->RichEdit),
                       static_cast<QWidget*>(ui->NextElemButton)})
        w->show();
    for (const QString& a : m_engine.Answers())
        ui->RichEdit->appendPlainText(a);
    ui->AnswerEdit->setFocus();
    ui->AnswerEdit->selectAll();
    ui->NumNoLabel->setVisible(m_engine.Configuration().ShowCurrent);
    ui->TipButton->setVisible(m_engine.Configuration().AllowTips);
    updateRecallCounter();
}

void TestWindow::updateRecallCounter() {
    if (m_engine.AllAnswered())
        ui->NumNoLabel->hide();
    else
        ui->NumNoLabel->setText(m_engine.RecallCounterText());
}

void TestWindow::NextElemButtonClick() {
    const QString answer = ui->AnswerEdit->text();
    if (!m_engine.AddAnswer(answer))
        return;
    ui->RichEdit->appendPlainText(answer);
    ui->RichEdit->moveCursor(QTextCursor::End);
    ui->RichEdit->ensureCursorVisible();
    updateRecallCounter();
    ui->AnswerEdit->setText(kPlaceholder);
    ui->AnswerEdit->setFocus();
    ui->AnswerEdit->selectAll();
    CheckAnswers();
}

bool TestWindow::AnswerEditKeyPress(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    ui->NextElemButton->setFocus();
    ui->NextElemButton->click();
    return true;
}

void TestWindow::TipButtonClick() {
    if (m_engine.CurrentPhase() == TestRunEngine::Phase::Recalling)
        ui->AnswerEdit->setText(m_engine.Tip());
}

void TestWindow::CheckAnswers() {
    if (m_engine.CurrentPhase() != TestRunEngine::Phase::Recalling)
        return;
    const TestRunEngine::Check check = m_engine.CheckAnswers();
    RunOutcome = m_engine.Result;
    switch (check.outcome) {
    case TestRunEngine::Check::Outcome::Continue:
        return;
    case TestRunEngine::Check::Outcome::Failed:
        ShowWarning(this, check.message);
        ShowDetails(m_engine.Answers(), m_engine.Presented(), check.meanTime);
        endRun(2);
        return;
    case TestRunEngine::Check::Outcome::Completed:
        if (m_resultRecord)
            *m_resultRecord = m_engine.ResultRecord();
        endRun(1);
        return;
    }
}

void TestWindow::CancelButtonClick() {
    if (!m_closeQueryAttached)
        return;
    const bool wasRunning = m_step1Timer->isActive();
    m_step1Timer->stop();
    m_asking = true;
    const bool yes = ConfirmCancel();
    m_asking = false;
    if (yes) {
        endRun(2);
        return;
    }
    if (m_startDeferred) {
        m_startDeferred = false;
        startPresentation();
        return;
    }
    if (m_doneDeferred) {
        m_doneDeferred = false;
        presentationDone();
        return;
    }
    m_showNextButTimer->stop();
    m_showNextArmed = true;
    ui->DataPanel->SetFontColor(m_normalTextColor);
    // The time spent on the question is not the item's: it gets a new full display time.
    m_engine.RestartItem(AppClock().MonotonicMSecs());
    if (wasRunning)
        m_step1Timer->start();
}

void TestWindow::CancelRequested() {
    CancelButtonClick();
}

void TestWindow::keyPressEvent(QKeyEvent* event) {
    // Escape cancels only a run that has begun; on the start page it does nothing.
    if (event->matches(QKeySequence::Cancel) && ui->PageControl->currentWidget() == ui->StartPage) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TestWindow::endRun(int result) {
    m_closeQueryAttached = false;
    m_step1Timer->stop();
    m_blinkTimer->stop();
    m_showNextButTimer->stop();
    m_engine.Finish();
    done(result);
}

bool TestWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // One press, one action: a held key must not confirm or skip a run of items.
        if (key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                                    key->key() == Qt::Key_Space))
            return true;
        if (watched == ui->AnswerEdit && AnswerEditKeyPress(key->key()))
            return true;
    } else if (event->type() == QEvent::FocusIn && watched == ui->AnswerEdit) {
        // The first key typed replaces the placeholder. Coming back to the window (from another
        // one, or from the cancel question) keeps what was typed and where the caret was.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            ui->AnswerEdit->selectAll();
    }
    return QDialog::eventFilter(watched, event);
}

int TestWindow::RunExercises() {
    ExerciseDialog dialog(this);
    return dialog.Execute();
}

std::optional<QStringList> TestWindow::RunDataEntry() {
    AnswerEntryDialog dialog(this);
    if (dialog.exec() != 1)
        return std::nullopt;
    return dialog.Answers();
}

void TestWindow::ShowDetails(const QStringList& answers, const QStringList& presented,
                             double meanTime) {
    ResultDetailsWindow dialog(this);
    dialog.ShowResult(answers, presented, false, 0.0, meanTime, RunOutcome.WrongCount,
                      RunOutcome.RightCount, m_engine.Configuration().ElementCount,
                      RunOutcome.PresentationTime);
}
