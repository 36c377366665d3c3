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

// Counts the notice's appearances: each is what a screen reader reads out.
struct ShowCounter : QObject {
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

class ItemAnnouncerTest : public ZorvikTest {};

// Three items of 1000 ms drawn from two, so that one repeats: with speech on, off, and with an
// engine that fails after the first item.
TEST_F(ItemAnnouncerTest, EachItemIsSpokenAndReadOutAsItAppearsWhateverTheEngineDoes) {
    for (const int spoken : {3, 0, 1}) {
        SCOPED_TRACE(spoken);
        speaker.said.clear();
        TestWindow form;
        form.Announcer().SetSpeech(spoken > 0, QStringLiteral("Russian+Alex"),
                                   SpokenText::DigitReading::Digits);
        auto* notice = form.findChild<ItemNotice*>();
        ASSERT_NE(notice, nullptr);
        ShowCounter counter;
        notice->installEventFilter(&counter);
        std::vector<std::pair<QString, qint64>> shown;
        QObject::connect(&form, &TestWindow::PresentationStep, &form, [&] {
            const QString item = form.Engine().CurrentItem();
            if (item.isEmpty())
                return;
            shown.emplace_back(item, clock.MonotonicMSecs());
            // The notice carries the item; the focus stays where the keyboard needs it.
            EXPECT_EQ(QApplication::focusWidget(), form.Controls()->ShowNextButton);
            QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(notice);
            EXPECT_EQ(a11y->role(), QAccessible::Notification);
            EXPECT_EQ(a11y->text(QAccessible::Name), item);
            if (spoken == 1)
                speaker.Fail(QStringLiteral("Синтезатор речи не работает: lost"));
        });
        ASSERT_TRUE(form.StartRun({QStringLiteral("07"), QStringLiteral("523-46")}, 3, 1000, false,
                                  false, false, false, false, 0));
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.StartTestButtonClick();
        QCoreApplication::sendPostedEvents(&form);
        while (form.Engine().CurrentPhase() == TestRunEngine::Phase::Presenting) {
            clock.Advance(10);
            form.Step1TimerTimer();
        }
        QCoreApplication::sendPostedEvents(&form);

        EXPECT_EQ(counter.shows, 3) << "a repeated item is read out again";
        EXPECT_FALSE(notice->isVisible()) << "nothing is read once the panel is empty";
        ASSERT_EQ(speaker.said.size(), static_cast<std::size_t>(spoken));
        for (int i = 0; i < spoken; ++i) {
            EXPECT_EQ(speaker.said[i].text,
                      SpokenText::For(shown[i].first, SpokenText::DigitReading::Digits));
            EXPECT_EQ(speaker.said[i].voice, QStringLiteral("Russian+Alex"));
            EXPECT_LE(speaker.said[i].atMs - shown[i].second, 50) << "starts with the item";
        }
        // The run goes on as ever: recall, scoring, and no message.
        for (const auto& s : shown) {
            form.Controls()->AnswerEdit->setText(s.first);
            form.NextElemButtonClick();
        }
        EXPECT_EQ(form.result(), 1);
        EXPECT_TRUE(prompts.Calls().empty());
    }
    EXPECT_EQ(speaker.starts, 2) << "the engine starts with each run that speaks";
}

} // namespace
