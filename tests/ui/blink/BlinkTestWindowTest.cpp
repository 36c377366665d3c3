#include "ZorvikTest.h"

#include "core/Messages.h"
#include "ui/blink/BlinkTestWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <climits>
#include <functional>
#include <optional>

namespace {

class BlinkTestWindowTest : public ZorvikTest {};

// The label as the user reads it: the zero-width break points between digits are invisible.
QString Seen(const QLabel* label) {
    QString text = label->text();
    text.remove(QChar(0x200B));
    return text;
}

bool AllDigits(const QString& s) {
    for (const QChar c : s)
        if (!c.isDigit())
            return false;
    return true;
}

TEST_F(BlinkTestWindowTest, OpensOnTheInstructions) {
    BlinkTestWindow form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Тест \"Миг\""));
    EXPECT_TRUE(form.Label1()->text().startsWith(QStringLiteral("На короткое время")));
    EXPECT_EQ(form.Label1()->font().pixelSize(), 32);
    EXPECT_TRUE(form.Label1()->wordWrap());
    EXPECT_EQ(form.StartTestButton()->text(), QStringLiteral("Начать тестирование"));
    EXPECT_EQ(form.StartTestButton()->font().pixelSize(), 32);
    EXPECT_FALSE(form.Timer()->isActive());
    EXPECT_GT(form.width(), form.height());
    // The button stands in the lower middle, over the instructions' label.
    form.show();
    const QRect button = form.StartTestButton()->geometry();
    EXPECT_GT(button.center().y(), form.height() / 2);
    EXPECT_NEAR(button.center().x(), form.width() / 2, 2);
    EXPECT_EQ(form.Label1()->geometry(), form.rect());
}

TEST_F(BlinkTestWindowTest, StartShowsTheNumberOnTheSecondLineForTheDisplayTime) {
    BlinkTestWindow form;
    form.SetDigitCount(7);
    form.SetDisplayTime(1500);
    form.show();
    form.StartTestButtonClick();

    EXPECT_FALSE(form.StartTestButton()->isVisible());
    const QString number = form.CurrentNumber();
    EXPECT_EQ(number.size(), 7);
    EXPECT_TRUE(AllDigits(number));
    EXPECT_EQ(Seen(form.Label1()), QStringLiteral("\n") + number);
    EXPECT_EQ(form.Label1()->font().pointSize(), 48);
    EXPECT_TRUE(form.Timer()->isActive());
    EXPECT_TRUE(form.Timer()->isSingleShot());
    EXPECT_EQ(form.Timer()->interval(), 1500);
    EXPECT_EQ(form.Timer()->timerType(), Qt::PreciseTimer);
    // Only the title bar's close ends the test.
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Timer()->isActive());
}

TEST_F(BlinkTestWindowTest, TheTimerEndsTheTurn) {
    BlinkTestWindow form;
    form.StartTestButtonClick();
    prompts.ExpectInput(form.CurrentNumber());
    prompts.ExpectMessage(QMessageBox::Ok);
    // What the timer's timeout reaches, without waiting for it.
    QMetaObject::invokeMethod(form.Timer(), "timeout");
    ASSERT_EQ(prompts.Calls().size(), 2u);
    EXPECT_EQ(prompts.Calls()[1].text, Messages::BlinkRight);
}

// One turn per row: the answer typed (nullopt: cancelled), built from the number shown.
struct TurnCase {
    const char* name;
    std::function<std::optional<QString>(const QString&)> answer;
    bool right;
};

TEST_F(BlinkTestWindowTest, EachAnswerIsJudgedAgainstTheNumberShown) {
    const std::vector<TurnCase> cases = {
        {"exact", [](const QString& n) { return n; }, true},
        {"blanks and tabs around",
         [](const QString& n) { return QStringLiteral("  ") + n + QStringLiteral("\t \r\n"); },
         true},
        {"cancelled", [](const QString&) { return std::nullopt; }, false},
        {"empty", [](const QString&) { return QString(); }, false},
        {"blank inside", [](const QString& n) { return n.left(2) + QLatin1Char(' ') + n.mid(2); },
         false},
        {"one digit off",
         [](const QString& n) {
             QString w = n;
             w[0] = QChar(u'0' + (w[0].digitValue() + 1) % 10);
             return w;
         },
         false},
        {"a digit short", [](const QString& n) { return n.chopped(1); }, false},
        {"a digit more", [](const QString& n) { return n + QLatin1Char('1'); }, false},
    };
    BlinkTestWindow form;
    form.SetDigitCount(6);
    form.StartTestButtonClick();
    for (const TurnCase& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.ClearCalls();
        const QString shown = form.CurrentNumber();
        prompts.ExpectInput(c.answer(shown));
        prompts.ExpectMessage(QMessageBox::Ok);
        form.TimerTimer();

        ASSERT_EQ(prompts.Calls().size(), 2u);
        const PromptCall& input = prompts.Calls()[0];
        EXPECT_EQ(input.owner, &form);
        EXPECT_EQ(input.caption, QStringLiteral("Введите отображаемое число"));
        EXPECT_TRUE(input.text.isEmpty());
        EXPECT_TRUE(input.initial.isEmpty());
        const PromptCall& verdict = prompts.Calls()[1];
        EXPECT_EQ(verdict.owner, &form);
        if (c.right) {
            EXPECT_EQ(verdict.caption, QStringLiteral("Информация"));
            EXPECT_EQ(verdict.icon, QMessageBox::Information);
            EXPECT_EQ(verdict.text, QStringLiteral("Правильно!"));
        } else {
            EXPECT_EQ(verdict.caption, QStringLiteral("Предупреждение"));
            EXPECT_EQ(verdict.icon, QMessageBox::Warning);
            EXPECT_EQ(verdict.text,
                      QStringLiteral("Неправильно! Верный ответ: ") + shown + QStringLiteral("."));
        }
        // The next turn is already on screen.
        EXPECT_TRUE(form.Timer()->isActive());
        EXPECT_EQ(Seen(form.Label1()), QStringLiteral("\n") + form.CurrentNumber());
    }
}

TEST_F(BlinkTestWindowTest, TheLabelIsEmptyWhileTheAnswerIsAsked) {
    BlinkTestWindow form;
    form.StartTestButtonClick();
    QString labelDuringInput = QStringLiteral("not asked");
    bool timerDuringInput = true;
    prompts.ExpectInput(form.CurrentNumber());
    prompts.ExpectMessage([&](const PromptCall&) {
        labelDuringInput = form.Label1()->text();
        timerDuringInput = form.Timer()->isActive();
        return QMessageBox::Ok;
    });
    form.TimerTimer();
    EXPECT_TRUE(labelDuringInput.isEmpty());
    EXPECT_FALSE(timerDuringInput);
}

TEST_F(BlinkTestWindowTest, ALeadingZeroCountsAndMayNotBeLeftOut) {
    BlinkTestWindow form;
    form.SetDigitCount(5);
    form.StartTestButtonClick();
    // Draw numbers until one starts with a zero; the seeded generator makes this repeatable.
    for (int i = 0; i < 500 && !form.CurrentNumber().startsWith(QLatin1Char('0')); ++i)
        form.ShowNextNumber();
    const QString shown = form.CurrentNumber();
    ASSERT_TRUE(shown.startsWith(QLatin1Char('0')));

    prompts.ExpectInput(shown.mid(1));
    prompts.ExpectMessage(QMessageBox::Ok);
    form.TimerTimer();
    EXPECT_EQ(prompts.Last().text,
              QStringLiteral("Неправильно! Верный ответ: ") + shown + QStringLiteral("."));
}

TEST_F(BlinkTestWindowTest, HandEditedValuesGetSaneBounds) {
    struct Case {
        int given;
        int used;
    };
    for (const Case c :
         {Case{INT_MIN, 5}, Case{-3, 5}, Case{0, 5}, Case{1, 1}, Case{30, 30},
          Case{kMaxBlinkDigits, kMaxBlinkDigits}, Case{kMaxBlinkDigits + 1, kMaxBlinkDigits},
          Case{INT_MAX, kMaxBlinkDigits}}) {
        SCOPED_TRACE(c.given);
        BlinkTestWindow form;
        form.SetDigitCount(c.given);
        form.StartTestButtonClick();
        EXPECT_EQ(form.CurrentNumber().size(), c.used);
    }
    for (const Case c : {Case{INT_MIN, 3000}, Case{-1, 3000}, Case{0, 3000}, Case{1, 1},
                         Case{500, 500}, Case{INT_MAX, INT_MAX}}) {
        SCOPED_TRACE(c.given);
        BlinkTestWindow form;
        form.SetDisplayTime(c.given);
        form.StartTestButtonClick();
        EXPECT_EQ(form.Timer()->interval(), c.used);
        EXPECT_TRUE(form.Timer()->isActive());
    }
}

TEST_F(BlinkTestWindowTest, ClosingEndsTheTestForGood) {
    BlinkTestWindow form;
    form.show();
    form.StartTestButtonClick();
    ASSERT_TRUE(form.Timer()->isActive());
    form.close();
    EXPECT_FALSE(form.Timer()->isActive());
    // A late tick asks nothing: no prompt is expected, so any would fail the test.
    form.TimerTimer();
    EXPECT_TRUE(prompts.Calls().empty());
}

TEST_F(BlinkTestWindowTest, NoTurnNoQuestion) {
    BlinkTestWindow form;
    form.TimerTimer();
    EXPECT_TRUE(prompts.Calls().empty());
    EXPECT_TRUE(form.Label1()->text().startsWith(QStringLiteral("На короткое время")));
}

TEST_F(BlinkTestWindowTest, TheButtonWorksFromTheKeyboard) {
    BlinkTestWindow form;
    form.show();
    form.StartTestButton()->setFocus();
    QTest::keyClick(form.StartTestButton(), Qt::Key_Space);
    EXPECT_FALSE(form.StartTestButton()->isVisible());
    EXPECT_TRUE(form.Timer()->isActive());
}

} // namespace
