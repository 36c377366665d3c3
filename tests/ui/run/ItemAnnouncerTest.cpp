#include "ZorvikTest.h"

#include "core/SpokenText.h"
#include "ui/run/ItemNotice.h"
#include "ui/run/TestWindow.h"
#include "ui_TestWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

using Phase = TestRunEngine::Phase;

// Counts the notice's appearances: each one is what a screen reader reads out.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

class ItemAnnouncerTest : public ZorvikTest {
protected:
    // Runs a training of three items, each shown 1000 ms, recording what the panel showed and when.
    void Run(const QStringList& items, bool speak, int failAfter = -1) {
        form = std::make_unique<TestWindow>();
        form->Announcer().SetSpeech(speak, QStringLiteral("Russian+Alex"),
                                    SpokenText::DigitReading::Digits);
        notice = form->findChild<ItemNotice*>();
        ASSERT_NE(notice, nullptr);
        notice->installEventFilter(&counter);
        QObject::connect(form.get(), &TestWindow::PresentationStep, form.get(), [this, failAfter] {
            const QString item = form->Engine().CurrentItem();
            if (item.isEmpty())
                return;
            shown.push_back({item, clock.MonotonicMSecs()});
            // The notice carries the item while the focus stays on the show-next button.
            EXPECT_EQ(QApplication::focusWidget(), form->Controls()->ShowNextButton);
            EXPECT_TRUE(notice->isVisible());
            QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(notice);
            EXPECT_EQ(a11y->role(), QAccessible::Notification);
            EXPECT_EQ(a11y->text(QAccessible::Name), item);
            if (static_cast<int>(shown.size()) == failAfter)
                speaker.Fail(QStringLiteral("Синтезатор речи не работает: lost"));
        });
        ASSERT_TRUE(form->StartRun(items, 3, 1000, false, false, false, false, false, 0));
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->StartTestButtonClick();
        QCoreApplication::sendPostedEvents(form.get());
        while (form->Engine().CurrentPhase() == Phase::Presenting) {
            clock.Advance(10);
            form->Step1TimerTimer();
        }
        QCoreApplication::sendPostedEvents(form.get());
    }

    struct Shown {
        QString item;
        qint64 atMs;
    };
    std::unique_ptr<TestWindow> form;
    ItemNotice* notice = nullptr;
    ShowCounter counter;
    std::vector<Shown> shown;
};

TEST_F(ItemAnnouncerTest, EachItemIsSpokenAsItAppearsAndReachesTheScreenReader) {
    Run({QStringLiteral("07"), QStringLiteral("523-46")}, true);
    EXPECT_EQ(speaker.starts, 1) << "the engine starts with the run, before the first item";
    ASSERT_EQ(shown.size(), 3u);
    ASSERT_EQ(speaker.said.size(), 3u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(speaker.said[i].text,
                  SpokenText::For(shown[i].item, SpokenText::DigitReading::Digits));
        EXPECT_EQ(speaker.said[i].voice, QStringLiteral("Russian+Alex"));
        EXPECT_LE(speaker.said[i].atMs - shown[i].atMs, 50) << "speech starts with the item";
    }
    // Two items drawn for three places: one repeats, and is read out again all the same.
    EXPECT_EQ(counter.shows, 3);
    EXPECT_FALSE(notice->isVisible()) << "nothing is read once the panel is empty";
    EXPECT_EQ(form->Engine().CurrentPhase(), Phase::Recalling);
}

TEST_F(ItemAnnouncerTest, SilentRunsAndAFailingEngineChangeNothingElse) {
    for (const int failAfter : {0, 1}) {
        SCOPED_TRACE(failAfter);
        speaker.said.clear();
        shown.clear();
        counter.shows = 0;
        Run(QStringList{QStringLiteral("12"), QStringLiteral("34"), QStringLiteral("56")},
            failAfter != 0, failAfter);
        EXPECT_EQ(speaker.said.size(), static_cast<std::size_t>(failAfter));
        EXPECT_EQ(counter.shows, 3) << "the screen reader hears every item anyway";
        EXPECT_TRUE(prompts.Calls().empty());
        for (const Shown& s : shown) {
            form->Controls()->AnswerEdit->setText(s.item);
            form->NextElemButtonClick();
        }
        EXPECT_EQ(form->result(), 1);
        EXPECT_EQ(form->RunOutcome.CompletedRightCount, 3);
    }
}

} // namespace
