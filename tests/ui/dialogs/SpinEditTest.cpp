#include "ZorvikTest.h"

#include "ui/dialogs/SpinEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

class SpinEditTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        spin.SetMinValue(10);
        spin.SetMaxValue(1000);
        spin.SetIncrement(10);
        spin.SetValue(20);
    }
    // Replaces the whole text by typing, as a user who selected it all would.
    void TypeOver(const QString& keys) {
        spin.Edit()->selectAll();
        QTest::keyClicks(spin.Edit(), keys);
    }

    SpinEdit spin;
};

TEST_F(SpinEditTest, StartsWithItsDesignDefaults) {
    SpinEdit fresh;
    EXPECT_EQ(fresh.MinValue(), 1);
    EXPECT_EQ(fresh.MaxValue(), 100);
    EXPECT_EQ(fresh.Value(), 1);
    EXPECT_EQ(fresh.Increment(), 1);
    EXPECT_TRUE(fresh.Enabled());
    EXPECT_EQ(fresh.Edit()->text(), QStringLiteral("1"));
}

TEST_F(SpinEditTest, TypingIsFilteredAndNormalisedAfterEachKeystroke) {
    struct Case {
        const char* keys;
        const char* text; // what the box shows afterwards
        int beeps;
    };
    // Each keystroke is clamped at once, so the next digit lands after the clamped text.
    const Case cases[] = {
        {"5", "10", 0},                       // below the minimum shows the minimum
        {"15", "105", 0},                     // "1" -> "10", then "105"
        {"1500", "1000", 0},                  // above the maximum shows the maximum
        {"abc", "20", 3},                     // nothing but digits gets in
        {"3x0", "100", 1},   {"-7", "10", 1}, // no minus sign
        {" ,.", "20", 3},                     // no blanks or separators
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        spin.SetValue(20);
        desktop.beeps = 0;
        TypeOver(QString::fromLatin1(c.keys));
        EXPECT_EQ(spin.Edit()->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(QString::number(spin.Value()), spin.Edit()->text());
        EXPECT_EQ(desktop.beeps, c.beeps);
    }
}

TEST_F(SpinEditTest, BackspaceAndPastedTextKeepTheBoxANumberInRange) {
    spin.SetValue(25);
    spin.Edit()->end(false);
    QTest::keyClick(spin.Edit(), Qt::Key_Backspace); // "2" is below the minimum
    EXPECT_EQ(spin.Edit()->text(), QStringLiteral("10"));
    EXPECT_EQ(desktop.beeps, 0);

    struct Case {
        const char* pasted;
        int value;
    };
    const Case cases[] = {
        {"", 10},            // an emptied box shows the value again
        {"abc", 10},         // not a number: the value stays
        {"-5", 10},          // pasted past the key filter: clamped
        {"0070", 70},        // leading zeros go
        {"99999999999", 70}, // too large for an integer: the value stays
        {"2000", 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted);
        spin.Edit()->setText(QString::fromLatin1(c.pasted));
        EXPECT_EQ(spin.Value(), c.value);
        EXPECT_EQ(spin.Edit()->text(), QString::number(c.value));
    }
}

TEST_F(SpinEditTest, ArrowsStepByIncrementAndStopAtTheBounds) {
    QSignalSpy changes(&spin, &SpinEdit::ValueChange);
    spin.SetValue(985);
    changes.clear();

    QTest::keyClick(spin.Edit(), Qt::Key_Up);
    EXPECT_EQ(spin.Value(), 995);
    spin.UpButton()->click();
    EXPECT_EQ(spin.Value(), 1000); // not 1005
    spin.UpButton()->click();
    EXPECT_EQ(spin.Value(), 1000);
    EXPECT_EQ(changes.count(), 2); // the click at the bound changed nothing

    spin.SetValue(25);
    spin.DownButton()->click();
    EXPECT_EQ(spin.Value(), 15);
    QTest::keyClick(spin.Edit(), Qt::Key_Down);
    EXPECT_EQ(spin.Value(), 10);
    QTest::keyClick(spin.Edit(), Qt::Key_Down);
    EXPECT_EQ(spin.Value(), 10);
    EXPECT_EQ(spin.Edit()->text(), QStringLiteral("10"));
    EXPECT_EQ(desktop.beeps, 0); // arrow keys are not typing
}

TEST_F(SpinEditTest, ChangeIsReportedOnlyWhenTheValueReallyChanges) {
    QSignalSpy changes(&spin, &SpinEdit::ValueChange);
    spin.SetValue(20);
    spin.SetMinValue(15); // the value is already inside
    EXPECT_EQ(changes.count(), 0);

    spin.SetValue(5000); // clamped to 1000
    spin.SetValue(1000);
    EXPECT_EQ(changes.count(), 1);

    spin.SetValue(20);
    changes.clear();
    spin.SetMinValue(50); // raising the minimum above the value raises the value
    EXPECT_EQ(spin.Value(), 50);
    EXPECT_EQ(spin.Edit()->text(), QStringLiteral("50"));
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(SpinEditTest, CrossedBoundsPutTheValueAtTheMaximum) {
    spin.SetMinValue(50);
    spin.SetMaxValue(30);
    EXPECT_EQ(spin.Value(), 30);
    spin.SetValue(40);
    EXPECT_EQ(spin.Value(), 30);
    spin.SetValue(-1);
    EXPECT_EQ(spin.Value(), 50) << "below the minimum and not above the maximum";
    EXPECT_EQ(spin.Edit()->text(), QStringLiteral("50"));
}

TEST_F(SpinEditTest, LoadingKeepsAnOutOfRangeValueSilently) {
    QSignalSpy changes(&spin, &SpinEdit::ValueChange);
    spin.BeginLoad();
    spin.SetValue(3000);
    spin.SetMinValue(500);
    spin.SetMaxValue(2000);
    spin.EndLoad();
    EXPECT_EQ(spin.Value(), 3000);
    EXPECT_EQ(spin.Edit()->text(), QStringLiteral("3000"));
    EXPECT_EQ(changes.count(), 0);

    spin.SetValue(spin.Value()); // the first write after loading clamps
    EXPECT_EQ(spin.Value(), 2000);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(SpinEditTest, DisabledGreysTextAndArrowsButNotTheFrame) {
    spin.SetEnabled(false);
    EXPECT_FALSE(spin.Enabled());
    EXPECT_FALSE(spin.Edit()->isEnabled());
    EXPECT_FALSE(spin.UpDown()->isEnabled());
    EXPECT_FALSE(spin.UpButton()->isEnabled());
    EXPECT_TRUE(spin.isEnabled());
    spin.SetEnabled(true);
    EXPECT_TRUE(spin.Edit()->isEnabled());
    EXPECT_TRUE(spin.DownButton()->isEnabled());
}

TEST_F(SpinEditTest, EditingKeysDialogKeysAndShortcutsPassWithoutABeep) {
    // Each key with the text a real keyboard gives it: Delete and Backspace carry control
    // characters, the cursor keys none.
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        int selectFrom, selectLength; // the selection before the key; -1: the caret at the end
        const char* after;
    };
    const Case cases[] = {
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", 0, 0, "25"},
        {Qt::Key_Delete, Qt::ShiftModifier, "\x7f", 0, 1, "25"},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", -1, 0, "12"},
        {Qt::Key_Return, Qt::NoModifier, "\r", -1, 0, "125"},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", -1, 0, "125"},
        {Qt::Key_Left, Qt::NoModifier, "", -1, 0, "125"},
        {Qt::Key_Home, Qt::NoModifier, "", -1, 0, "125"},
        {Qt::Key_A, Qt::ControlModifier, "\x01", -1, 0, "125"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
        spin.SetValue(125);
        if (c.selectFrom < 0)
            spin.Edit()->end(false);
        else
            spin.Edit()->setCursorPosition(c.selectFrom);
        if (c.selectLength > 0)
            spin.Edit()->setSelection(c.selectFrom, c.selectLength);
        desktop.beeps = 0;
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
        QApplication::sendEvent(spin.Edit(), &press);
        EXPECT_EQ(spin.Edit()->text(), QString::fromLatin1(c.after));
        EXPECT_EQ(desktop.beeps, 0);
    }
}

TEST_F(SpinEditTest, TheTextBoxCarriesTheAccessibleName) {
    spin.setAccessibleName(QStringLiteral("Количество"));
    EXPECT_EQ(spin.Edit()->accessibleName(), QStringLiteral("Количество"));
    EXPECT_EQ(spin.accessibleName(), QStringLiteral("Количество"));
}

} // namespace
