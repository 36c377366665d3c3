#include "ModalDriver.h"
#include "ZorvikTest.h"

#include "platform/Colors.h"
#include "ui/run/AnswerEntryDialog.h"
#include "ui/run/ExerciseDialog.h"
#include "ui/run/TestWindow.h"
#include "ui_TestWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

namespace {

using Phase = TestRunEngine::Phase;

QStringList Numbers(int count, int first = 100) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(QString::number(first + i));
    return out;
}

// The test window with its end-phase dialogs answered by the test.
class ScriptedTestWindow : public TestWindow {
public:
    int exerciseResult = 1;
    int exerciseCalls = 0;
    std::optional<QStringList> dataEntry;
    int dataEntryCalls = 0;
    struct Details {
        QStringList answers;
        QStringList presented;
        double meanTime;
        int wrong;
        int right;
    };
    std::optional<Details> details;

protected:
    int RunExercises() override {
        ++exerciseCalls;
        return exerciseResult;
    }
    std::optional<QStringList> RunDataEntry() override {
        ++dataEntryCalls;
        return dataEntry;
    }
    void ShowDetails(const QStringList& answers, const QStringList& presented,
                     double meanTime) override {
        details =
            Details{answers, presented, meanTime, RunOutcome.WrongCount, RunOutcome.RightCount};
    }
};

class TestWindowTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        form = std::make_unique<ScriptedTestWindow>();
        form->SetNormalTextColor(QColor(0, 0, 128));
        form->SetResultRecord(&record);
    }
    Ui::TestWindow* ui() const { return form->Controls(); }
    Phase phase() const { return form->Engine().CurrentPhase(); }

    void Start() {
        form->StartTestButtonClick();
        QCoreApplication::sendPostedEvents(form.get());
    }
    void Tick(qint64 ms) {
        clock.Advance(ms);
        form->Step1TimerTimer();
    }
    // Fixed display times: ticks every 10 ms until the presentation is over.
    void TickToEnd() {
        while (phase() == Phase::Presenting)
            Tick(10);
        QCoreApplication::sendPostedEvents(form.get());
    }
    // Mean-time mode: each item is looked at for ms, then the user asks for the next one.
    void ClickThrough(qint64 ms) {
        while (phase() == Phase::Presenting) {
            Tick(ms);
            ui()->ShowNextButton->click();
            Tick(10);
        }
        QCoreApplication::sendPostedEvents(form.get());
    }
    void Answer(const QString& text) {
        ui()->AnswerEdit->setText(text);
        QTest::keyClick(ui()->AnswerEdit, Qt::Key_Return);
    }
    QString RecordValue(const QString& key) const {
        for (const QString& line : record)
            if (line.startsWith(key + QLatin1Char('=')))
                return line.mid(key.size() + 1);
        return QStringLiteral("<missing>");
    }

    std::unique_ptr<ScriptedTestWindow> form;
    QStringList record{QStringLiteral("Stale=1")};
};

TEST_F(TestWindowTest, ExamCompletesWithFiveWrongAnswers) {
    ASSERT_TRUE(form->StartRun(Numbers(100), 50, 11400, true, true, false, false, false, 10));
    EXPECT_EQ(ui()->PageControl->currentWidget(), ui()->StartPage);
    Start();
    EXPECT_EQ(ui()->PageControl->currentWidget(), ui()->TestPage);
    EXPECT_TRUE(form->Step1TimerActive());
    EXPECT_TRUE(ui()->NumNoLabel->isHidden());
    ClickThrough(2000);
    EXPECT_EQ(form->exerciseCalls, 1);
    EXPECT_FALSE(form->Step1TimerActive());
    EXPECT_FALSE(form->BlinkTimerActive());
    EXPECT_TRUE(ui()->ShowNextButton->isHidden());
    EXPECT_FALSE(ui()->AnswerEdit->isHidden());
    EXPECT_FALSE(ui()->RichEdit->isHidden());
    EXPECT_TRUE(ui()->TipButton->isHidden());

    const QStringList shown = form->Engine().Presented();
    ASSERT_EQ(shown.size(), 50);
    QStringList given;
    for (int i = 0; i < 50; ++i) {
        given.append(i % 10 == 3 ? QStringLiteral("0") : QStringLiteral(" ") + shown[i]);
        Answer(given.back());
    }
    EXPECT_EQ(form->result(), 1);
    EXPECT_EQ(form->RunOutcome.CompletedRightCount, 45);
    EXPECT_EQ(form->RunOutcome.WrongCount, 5);
    EXPECT_DOUBLE_EQ(form->RunOutcome.PresentationSeconds, 100.5);
    EXPECT_EQ(record.size(), 7);
    EXPECT_EQ(RecordValue(QStringLiteral("NumsCnt")), QStringLiteral("50"));
    EXPECT_EQ(RecordValue(QStringLiteral("OkAnswer")), QStringLiteral("45"));
    EXPECT_EQ(RecordValue(QStringLiteral("BadAnswer")), QStringLiteral("5"));
    EXPECT_EQ(ui()->RichEdit->toPlainText().split(QLatin1Char('\n')), given);
}

TEST_F(TestWindowTest, IntroductoryTestFadesCountsAndTakesTheDataEntry) {
    // Without a stored font the items take the window's plain design font.
    EXPECT_FALSE(ui()->DataPanel->font().bold());
    EXPECT_FALSE(ui()->DataPanel->font().italic());
    ASSERT_TRUE(form->StartRun(Numbers(30), 20, 6000, false, true, true, true, false, 0));
    form->SetShowNextButtonVisible(false);
    Start();
    EXPECT_EQ(ui()->NumNoLabel->text(), QStringLiteral("Отображается 1 элемент из 20."));
    EXPECT_FALSE(ui()->NumNoLabel->isHidden());
    const QColor normal(0, 0, 128);
    EXPECT_EQ(ui()->DataPanel->FontColor(), normal);
    Tick(3000);
    EXPECT_EQ(ui()->DataPanel->FontColor(), LightenColor(normal, 25));
    Tick(2300);
    EXPECT_EQ(ui()->DataPanel->FontColor(), LightenColor(normal, 44));
    Tick(10);
    EXPECT_EQ(ui()->DataPanel->FontColor(), QColor(255, 0, 0));
    Tick(700);
    EXPECT_EQ(ui()->NumNoLabel->text(), QStringLiteral("Отображается 2 элемент из 20."));
    EXPECT_EQ(ui()->DataPanel->FontColor(), normal);
    EXPECT_EQ(form->dataEntryCalls, 0);

    // The panel's frame flips between sunken and raised once a second.
    EXPECT_TRUE(form->BlinkTimerActive());
    const BevelCut inner = ui()->DataPanel->BevelInner();
    form->BlinkTimerTimer();
    EXPECT_NE(ui()->DataPanel->BevelInner(), inner);
    EXPECT_NE(ui()->DataPanel->BevelOuter(), ui()->DataPanel->BevelInner());
    form->BlinkTimerTimer();
    EXPECT_EQ(ui()->DataPanel->BevelInner(), inner);
}

TEST_F(TestWindowTest, NoKeyDuringThePresentationEndsTheRun) {
    for (const bool showNext : {false, true}) {
        SCOPED_TRACE(showNext);
        SetUp();
        ASSERT_TRUE(form->StartRun(Numbers(30), 20, 6000, false, true, true, !showNext, false, 0));
        form->SetShowNextButtonVisible(showNext);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        Start();
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_NE(QApplication::focusWidget(), ui()->CancelButton);
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_TRUE(prompts.Calls().empty());
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(phase(), Phase::Presenting);
    }
}

TEST_F(TestWindowTest, ComingBackToTheWindowKeepsTheTypedAnswer) {
    ASSERT_TRUE(form->StartRun(Numbers(5), 5, 1000, false, false, true, false, false, 0));
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Start();
    TickToEnd();
    ASSERT_EQ(QApplication::focusWidget(), ui()->AnswerEdit);
    QTest::keyClicks(ui()->AnswerEdit, QStringLiteral("12"));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(QApplication::focusWidget(), ui()->AnswerEdit);
    QTest::keyClicks(ui()->AnswerEdit, QStringLiteral("3"));
    EXPECT_EQ(ui()->AnswerEdit->text(), QStringLiteral("123"));
}

TEST_F(TestWindowTest, IntroductoryTestScoresTheTwentyFields) {
    ASSERT_TRUE(form->StartRun(Numbers(20), 20, 6000, false, true, true, true, false, 0));
    Start();
    // The panel is filled before the dialog: the dialog's answers are prepared after the
    // presentation from what was shown.
    while (phase() == Phase::Presenting)
        Tick(10);
    QStringList answers = form->Engine().Presented();
    answers[0] = QStringLiteral("???");
    answers[7] = QString();
    form->dataEntry = answers;
    QCoreApplication::sendPostedEvents(form.get());
    EXPECT_EQ(form->exerciseCalls, 1);
    EXPECT_EQ(form->dataEntryCalls, 1);
    EXPECT_EQ(form->result(), 1);
    EXPECT_EQ(form->RunOutcome.CompletedRightCount, 18);
    EXPECT_DOUBLE_EQ(form->RunOutcome.PresentationSeconds, 20 * 6.01);
}

TEST_F(TestWindowTest, DataEntryServesRunsOfOtherLengths) {
    struct Row {
        int count;
        int askedOneByOne;
    };
    for (const Row r : {Row{5, 0}, Row{23, 3}}) {
        SCOPED_TRACE(r.count);
        SetUp();
        ASSERT_TRUE(form->StartRun(Numbers(30), r.count, 100, false, false, true, true, false, 0));
        Start();
        while (phase() == Phase::Presenting)
            Tick(10);
        QStringList answers = form->Engine().Presented().mid(0, 20);
        while (answers.size() < 20)
            answers.append(QStringLiteral("???"));
        form->dataEntry = answers;
        QCoreApplication::sendPostedEvents(form.get());
        for (int i = 0; i < r.askedOneByOne; ++i) {
            EXPECT_FALSE(ui()->AnswerEdit->isHidden());
            ui()->TipButton->click(); // hidden, yet pressing it from the program still works
            form->NextElemButtonClick();
        }
        EXPECT_EQ(form->result(), 1);
        EXPECT_EQ(form->RunOutcome.CompletedRightCount, r.count);
    }
}

TEST_F(TestWindowTest, TrainingRecallCounterTipAndEnter) {
    ASSERT_TRUE(form->StartRun(Numbers(5), 5, 1000, false, false, true, false, true, 0));
    Start();
    TickToEnd();
    EXPECT_EQ(form->exerciseCalls, 0);
    EXPECT_EQ(ui()->NumNoLabel->text(), QStringLiteral("Введите 1 элемент из 5."));
    EXPECT_FALSE(ui()->TipButton->isHidden());
    EXPECT_EQ(ui()->AnswerEdit->text(), QStringLiteral("???"));
    form->TipButtonClick();
    EXPECT_EQ(ui()->AnswerEdit->text(), form->Engine().Presented().at(0));
    QTest::keyClick(ui()->AnswerEdit, Qt::Key_Return);
    EXPECT_EQ(form->RunOutcome.RightCount, 1);
    EXPECT_EQ(ui()->AnswerEdit->text(), QStringLiteral("???"));
    EXPECT_EQ(ui()->NumNoLabel->text(), QStringLiteral("Введите 2 элемент из 5."));
    // Enter held down: the repeats do not confirm further answers.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(ui()->AnswerEdit, &repeat);
    EXPECT_EQ(form->Engine().Answers().size(), 1);
    for (int i = 0; i < 3; ++i)
        form->NextElemButtonClick(); // "???" recorded as typed
    EXPECT_EQ(form->Engine().Answers().at(1), QStringLiteral("???"));
    form->NextElemButtonClick();
    EXPECT_TRUE(ui()->NumNoLabel->isHidden());
    EXPECT_EQ(form->result(), 1);
    EXPECT_EQ(form->RunOutcome.CompletedRightCount, 1);
    // Clicks after the end change nothing.
    form->NextElemButtonClick();
    EXPECT_EQ(form->Engine().Answers().size(), 5);
}

TEST_F(TestWindowTest, ShowNextIsLockedFor500MsAfterATimeout) {
    ASSERT_TRUE(form->StartRun(Numbers(10), 6, 1000, false, false, false, false, false, 0));
    Start();
    EXPECT_TRUE(form->ShowNextArmed());
    Tick(1001); // timed out: the new item locks the button
    ASSERT_EQ(form->Engine().ShownCount(), 2);
    EXPECT_FALSE(form->ShowNextArmed());
    EXPECT_TRUE(form->ShowNextButTimerActive());
    ui()->ShowNextButton->click();
    Tick(10);
    EXPECT_EQ(form->Engine().ShownCount(), 2) << "a click aimed at the old item";
    form->ShowNextButTimerTimer();
    EXPECT_TRUE(form->ShowNextArmed());
    EXPECT_FALSE(form->ShowNextButTimerActive());
    ui()->ShowNextButton->click();
    Tick(10);
    EXPECT_EQ(form->Engine().ShownCount(), 3);
    EXPECT_TRUE(form->ShowNextArmed()) << "replaced by a click: no lock";
    ui()->ShowNextButton->click();
    ui()->ShowNextButton->click(); // a double click still moves on once
    Tick(10);
    EXPECT_EQ(form->Engine().ShownCount(), 4);
}

TEST_F(TestWindowTest, PaceRuleEndsTheRunWithItsMessage) {
    ASSERT_TRUE(form->StartRun(Numbers(100), 50, 11400, true, true, false, false, false, 10));
    Start();
    prompts.ExpectMessage(QMessageBox::Ok);
    Tick(570000);
    EXPECT_EQ(phase(), Phase::Presenting);
    Tick(1);
    ASSERT_EQ(prompts.Calls().size(), 1u);
    EXPECT_EQ(prompts.Last().caption, QStringLiteral("Предупреждение"));
    EXPECT_EQ(prompts.Last().icon, QMessageBox::Warning);
    EXPECT_TRUE(prompts.Last().text.contains(QStringLiteral("(11,40). Всего элементов для "
                                                            "запоминания: 50. Прошло времени: "
                                                            "00:09:30.")));
    EXPECT_EQ(form->result(), 2);
    EXPECT_FALSE(form->Step1TimerActive());
    EXPECT_EQ(form->exerciseCalls, 0);
    EXPECT_EQ(record, QStringList{QStringLiteral("Stale=1")});
    EXPECT_EQ(form->RunOutcome.CompletedRightCount, 0);
}

TEST_F(TestWindowTest, ErrorRuleShowsDetailsAndLeavesTheRecord) {
    ASSERT_TRUE(form->StartRun(Numbers(20), 20, 500, false, false, false, false, false, 10));
    Start();
    TickToEnd();
    prompts.ExpectMessage(QMessageBox::Ok);
    Answer(QStringLiteral("x"));
    Answer(form->Engine().Tip());
    Answer(QStringLiteral("x"));
    EXPECT_EQ(form->result(), 0) << "two wrong of 20 pass";
    Answer(QStringLiteral("x"));
    EXPECT_EQ(form->result(), 2);
    EXPECT_EQ(prompts.Last().text,
              QStringLiteral("Тест не пройден. Слишком много ошибок. Превышен максимально "
                             "допустимый процент неправильных ответов (10%)."));
    ASSERT_TRUE(form->details);
    EXPECT_EQ(form->details->answers.size(), 20);
    EXPECT_EQ(form->details->answers.mid(4), QStringList(16, QString()));
    EXPECT_EQ(form->details->presented, form->Engine().Presented());
    EXPECT_EQ(form->details->wrong, 3);
    EXPECT_EQ(form->details->right, 1);
    EXPECT_DOUBLE_EQ(form->details->meanTime, form->RunOutcome.PresentationSeconds / 4);
    EXPECT_DOUBLE_EQ(form->RunOutcome.PresentationSeconds, 20 * 0.51);
    EXPECT_EQ(form->RunOutcome.CompletedRightCount, 0);
    EXPECT_EQ(record, QStringList{QStringLiteral("Stale=1")});
}

TEST_F(TestWindowTest, CancellationOnEveryPage) {
    enum class Where { StartPage, Presenting, Recalling };
    enum class How { Button, Escape, Close };
    for (const Where where : {Where::StartPage, Where::Presenting, Where::Recalling}) {
        for (const How how : {How::Button, How::Escape, How::Close}) {
            SCOPED_TRACE(testing::Message() << int(where) << "/" << int(how));
            SetUp();
            ASSERT_TRUE(form->StartRun(Numbers(10), 3, 1000, false, false, true, false, false, 0));
            form->show();
            if (where != Where::StartPage)
                Start();
            if (where == Where::Recalling)
                TickToEnd();
            const auto cancel = [&] {
                switch (how) {
                case How::Button:
                    ui()->CancelButton->click();
                    break;
                case How::Escape:
                    QTest::keyClick(form.get(), Qt::Key_Escape);
                    break;
                case How::Close:
                    form->close();
                    break;
                }
            };
            if (where == Where::Presenting)
                Tick(800);
            if (where == Where::StartPage && how == How::Escape) {
                // Only a run that has begun is cancelled by Escape.
                prompts.ClearCalls();
                cancel();
                EXPECT_TRUE(form->isVisible());
                EXPECT_TRUE(prompts.Calls().empty());
                form.reset();
                continue;
            }
            prompts.ExpectMessage(QMessageBox::No);
            cancel();
            EXPECT_EQ(prompts.Last().text,
                      QStringLiteral("Вы действительно хотите прервать тестирование?"));
            EXPECT_EQ(prompts.Last().caption, QStringLiteral("Подтверждение"));
            EXPECT_TRUE(form->isVisible());
            EXPECT_EQ(form->result(), 0);
            if (where == Where::Presenting) {
                // The item on screen got a new full display time.
                EXPECT_TRUE(form->Step1TimerActive());
                Tick(1000);
                EXPECT_EQ(form->Engine().ShownCount(), 1);
                Tick(10);
                EXPECT_EQ(form->Engine().ShownCount(), 2);
            }
            prompts.ExpectMessage(QMessageBox::Yes);
            cancel();
            EXPECT_FALSE(form->isVisible());
            EXPECT_EQ(form->result(), 2);
            EXPECT_FALSE(form->Step1TimerActive());
            EXPECT_EQ(record, QStringList{QStringLiteral("Stale=1")});
            prompts.Verify();
            form.reset();
        }
    }
}

// A start or an end of the presentation posted just before the question is handled inside the
// question's own event loop: it waits for the answer, goes on after "No" and is dropped after "Да".
TEST_F(TestWindowTest, StartOrEndPostedJustBeforeTheQuestionWaitsForTheAnswer) {
    for (const bool atEnd : {false, true}) {
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            SCOPED_TRACE(testing::Message() << (atEnd ? "end" : "start") << "/" << answer);
            SetUp();
            ASSERT_TRUE(form->StartRun(Numbers(10), 3, 1000, false, true, false, false, false, 0));
            form->StartTestButtonClick(); // the start is posted, not yet handled
            if (atEnd) {
                QCoreApplication::sendPostedEvents(form.get());
                while (phase() == Phase::Presenting)
                    Tick(10); // the last tick posts the end
            }
            prompts.ExpectMessage([&](const PromptCall&) {
                QCoreApplication::sendPostedEvents(form.get()); // the question's own event loop
                EXPECT_FALSE(form->Step1TimerActive());
                EXPECT_EQ(form->Engine().ShownCount(), atEnd ? 3 : 0);
                EXPECT_EQ(form->exerciseCalls, 0);
                return answer;
            });
            ui()->CancelButton->click();
            QCoreApplication::sendPostedEvents(form.get());
            const bool goesOn = answer == QMessageBox::No;
            EXPECT_EQ(form->Step1TimerActive(), goesOn && !atEnd);
            EXPECT_EQ(form->Engine().ShownCount(), atEnd ? 3 : goesOn ? 1 : 0);
            EXPECT_EQ(form->exerciseCalls, goesOn && atEnd ? 1 : 0);
        }
    }
}

TEST_F(TestWindowTest, CancelledExercisesOrDataEntryCancelTheRun) {
    for (const bool dataEntry : {false, true}) {
        SetUp();
        form->exerciseResult = dataEntry ? 1 : 2;
        ASSERT_TRUE(form->StartRun(Numbers(20), 20, 100, false, true, false, dataEntry, false, 0));
        Start();
        TickToEnd();
        EXPECT_EQ(form->result(), 2);
        EXPECT_EQ(form->dataEntryCalls, dataEntry ? 1 : 0);
        EXPECT_EQ(phase(), Phase::Finished);
        EXPECT_TRUE(ui()->AnswerEdit->isHidden());
    }
}

TEST_F(TestWindowTest, BadInputNeverHangs) {
    TestWindow empty;
    EXPECT_EQ(empty.RunTest({}, 20, 6000, false, false, false, false, false, 0), 2);
    EXPECT_FALSE(empty.isVisible());

    ASSERT_TRUE(form->StartRun(Numbers(3), 3000000, 0, false, false, false, false, false, 0));
    EXPECT_EQ(form->Engine().Configuration().ElementCount, 1000);
    Start();
    form->StartTestButtonClick(); // a second click changes nothing
    QCoreApplication::sendPostedEvents(form.get());
    TickToEnd();
    EXPECT_EQ(form->Engine().Presented().size(), 1000);
}

// The real end-phase dialogs, driven while they are shown.
class RealDialogsTest : public ZorvikTest {};

TEST_F(RealDialogsTest, DataEntryDialogDeliversItsFieldsAsTheyStand) {
    TestWindow form;
    QStringList record;
    form.SetResultRecord(&record);
    ASSERT_TRUE(form.StartRun(Numbers(20), 20, 100, false, false, true, true, false, 0));
    form.StartTestButtonClick();
    QCoreApplication::sendPostedEvents(&form);
    while (form.Engine().CurrentPhase() == Phase::Presenting) {
        clock.Advance(10);
        form.Step1TimerTimer();
    }
    bool driven = false;
    DriveModal([&] { QCoreApplication::sendPostedEvents(&form); },
               [&](QWidget* modal) {
                   auto* dialog = qobject_cast<AnswerEntryDialog*>(modal);
                   ASSERT_NE(dialog, nullptr);
                   const QStringList shown = form.Engine().Presented();
                   for (int k = 1; k <= 19; ++k)
                       dialog->Edit(k)->setText(shown[k - 1]);
                   dialog->Edit(20)->setText(QStringLiteral(" a, \"b\" "));
                   driven = true;
                   dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
               });
    EXPECT_TRUE(driven);
    EXPECT_EQ(form.result(), 1);
    EXPECT_EQ(form.RunOutcome.CompletedRightCount, 19);
    EXPECT_EQ(form.Engine().Answers().back(), QStringLiteral(" a, \"b\" "));
}

TEST_F(RealDialogsTest, EscapeInTheExerciseDialogCancelsTheRun) {
    TestWindow form;
    ASSERT_TRUE(form.StartRun(Numbers(5), 2, 100, false, true, false, false, false, 0));
    form.StartTestButtonClick();
    QCoreApplication::sendPostedEvents(&form);
    while (form.Engine().CurrentPhase() == Phase::Presenting) {
        clock.Advance(10);
        form.Step1TimerTimer();
    }
    prompts.ExpectMessage(QMessageBox::No);
    prompts.ExpectMessage(QMessageBox::Yes);
    DriveModal([&] { QCoreApplication::sendPostedEvents(&form); },
               [](QWidget* dialog) {
                   ASSERT_NE(qobject_cast<ExerciseDialog*>(dialog), nullptr);
                   QTest::keyClick(dialog, Qt::Key_Escape); // No: stays
                   EXPECT_TRUE(dialog->isVisible());
                   QTest::keyClick(dialog, Qt::Key_Escape); // Yes
               });
    EXPECT_EQ(form.result(), 2);
    EXPECT_EQ(form.Engine().CurrentPhase(), Phase::Finished);
    EXPECT_TRUE(form.Controls()->AnswerEdit->isHidden());
}

TEST_F(RealDialogsTest, RealClockRunCompletesWithTheSevenEntries) {
    SetAppClock(nullptr);
    TestWindow form;
    QStringList record{QStringLiteral("ExamResult=3")};
    form.SetResultRecord(&record);
    QElapsedTimer deadline;
    deadline.start();
    QTimer driver;
    driver.setInterval(5);
    QObject::connect(&driver, &QTimer::timeout, &form, [&] {
        Ui::TestWindow* ui = form.Controls();
        if (deadline.elapsed() > 10000) {
            ADD_FAILURE() << "run did not finish";
            form.done(3);
        } else if (ui->PageControl->currentWidget() == ui->StartPage) {
            ui->StartTestButton->click();
        } else if (!ui->AnswerEdit->isHidden()) {
            ui->AnswerEdit->setText(form.Engine().Tip());
            QTest::keyClick(ui->AnswerEdit, Qt::Key_Return);
        }
    });
    driver.start();
    const int result = form.RunTest(Numbers(3), 3, 40, false, false, true, false, false, 0);
    SetAppClock(&clock);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(form.RunOutcome.CompletedRightCount, 3);
    ASSERT_EQ(record.size(), 7);
    const QStringList keys = {QStringLiteral("ValidAnswerList"),
                              QStringLiteral("MyAnswerList"),
                              QStringLiteral("TestDt"),
                              QStringLiteral("NumsCnt"),
                              QStringLiteral("OkAnswer"),
                              QStringLiteral("BadAnswer"),
                              QStringLiteral("Avg")};
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(record[i].startsWith(keys[i] + QLatin1Char('='))) << record[i].toStdString();
    EXPECT_EQ(record[0],
              record[1].replace(QStringLiteral("MyAnswerList"), QStringLiteral("ValidAnswerList")));
    // Three items of 40 ms: at least 120 ms, and each replaced within a few ticks.
    EXPECT_GE(form.RunOutcome.PresentationSeconds, 0.12);
    EXPECT_LT(form.RunOutcome.PresentationSeconds, 2.0);
}

} // namespace
