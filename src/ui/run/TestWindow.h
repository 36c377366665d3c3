#pragma once

#include "core/DateTimeText.h"
#include "core/TestRunEngine.h"
#include "ui/run/ItemAnnouncer.h"
#include "ui/run/RunDialog.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <memory>
#include <optional>

class QTimer;

namespace Ui {
class TestWindow;
}

// The test window: presents items one at a time, then collects their recall. The rules live in
// TestRunEngine; the window forwards its timer ticks and the user's actions to it and shows what
// it answers.
class TestWindow : public RunDialog {
    Q_OBJECT
public:
    explicit TestWindow(QWidget* owner = nullptr);
    ~TestWindow() override;

    // Shows the window modally and runs one test; 1 when it completed, 2 otherwise. Without items
    // nothing is shown and the answer is 2.
    int RunTest(const TestRunEngine::Config& run);
    // The same with the run's nine values one by one.
    int RunTest(const QStringList& Items, int ElementCount, int TimeLimit, bool MeanTimeLimit,
                bool DoCalc, bool ShowCurrent, bool EnterAtEnd, bool AllowTips,
                int MaxWrongPercent);
    // The setup half of RunTest (shows the start page); false when there are no items.
    bool StartRun(const TestRunEngine::Config& run);
    bool StartRun(const QStringList& Items, int ElementCount, int TimeLimit, bool MeanTimeLimit,
                  bool DoCalc, bool ShowCurrent, bool EnterAtEnd, bool AllowTips,
                  int MaxWrongPercent);

    // The item panel's background (a stored colour number) and the stored font text over the
    // panel's own design font; a text colour the user never chose stays readable on the
    // background.
    void ApplyItemLook(int backgroundColor, const QString& fontText);

    // Set by the launcher before RunTest.
    void SetItemPanelColor(const QColor& color);
    void SetItemFont(const QFont& font);
    void SetNormalTextColor(const QColor& color);
    void SetShowNextButtonVisible(bool visible);
    // The launcher's result record (name=value lines), filled at the successful end of a run.
    void SetResultRecord(QStringList* record);

    // Read by the launcher after RunTest, whatever the result.
    TestRunEngine::Outcome RunOutcome;

    const TestRunEngine& Engine() const { return m_engine; }
    // Speaks each item and hands it to screen readers; the launcher sets the user's choice.
    ItemAnnouncer& Announcer() { return *m_announcer; }
    Ui::TestWindow* Controls() const { return ui.get(); }
    bool ShowNextArmed() const { return m_showNextArmed; }
    bool Step1TimerActive() const;
    bool BlinkTimerActive() const;
    bool ShowNextButTimerActive() const;

    // What the start button, the timers, the show-next, confirm, tip and cancel buttons and the
    // answer box do; public so that tests can run them as the user and the clock would.
    void StartTestButtonClick();
    void Step1TimerTimer();
    void BlinkTimerTimer();
    void ShowNextButtonClick();
    void ShowNextButTimerTimer();
    void NextElemButtonClick();
    void TipButtonClick();
    void CancelButtonClick();
    // Enter confirms the answer; true when the key was taken.
    bool AnswerEditKeyPress(int key);
    void CheckAnswers();

Q_SIGNALS:
    // The item panel changed to a new item, or emptied after the last one; for timing probes.
    void PresentationStep();

protected:
    void CancelRequested() override;
    void customEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // The dialogs of the end phase, one call each, so that a test can stand in for them.
    // 1 when all exercises were solved.
    virtual int RunExercises();
    // The twenty answers, or nothing when the data entry was cancelled.
    virtual std::optional<QStringList> RunDataEntry();
    virtual void ShowDetails(const QStringList& answers, const QStringList& presented,
                             double meanTime);

private:
    void startPresentation();
    void presentationDone();
    void beginOneByOneRecall();
    void updateRecallCounter();
    void applyFrame(const TestRunEngine::Frame& frame);
    void endRun(int result);

    std::unique_ptr<Ui::TestWindow> ui;
    TestRunEngine m_engine;
    QTimer* m_step1Timer;
    // One-shot tick aimed at the end of the item on screen.
    QTimer* m_endTimer;
    QTimer* m_blinkTimer;
    QTimer* m_showNextButTimer;
    QColor m_normalTextColor = Qt::black;
    QStringList* m_resultRecord = nullptr;
    bool m_showNextArmed = true;
    // The cancellation question is open; a start or an end of the presentation posted just
    // before it waits for the answer.
    bool m_asking = false;
    bool m_startDeferred = false;
    bool m_doneDeferred = false;
    // Made with the window, before its controls, and fed by PresentationStep alone.
    ItemAnnouncer* m_announcer = new ItemAnnouncer(this);
};
