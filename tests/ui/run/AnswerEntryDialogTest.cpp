#include "ZorvikTest.h"

#include "ui/run/AnswerEntryDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class AnswerEntryDialogTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Key(Qt::Key key) {
        QTest::keyClick(Focused(), key);
        QApplication::processEvents(); // the posted focus move
    }

    AnswerEntryDialog dialog;
};

TEST_F(AnswerEntryDialogTest, EnterAndSpaceMoveFromFieldToField) {
    EXPECT_EQ(Focused(), dialog.Edit(1));
    EXPECT_EQ(dialog.Edit(1)->text(), QString());
    for (int k = 2; k <= 20; ++k)
        EXPECT_EQ(dialog.Edit(k)->text(), QStringLiteral("???"));

    QTest::keyClicks(dialog.Edit(1), QStringLiteral("123"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), dialog.Edit(2));
    EXPECT_EQ(dialog.Edit(2)->text(), QString());
    QTest::keyClicks(dialog.Edit(2), QStringLiteral("4"));
    Key(Qt::Key_Space);
    EXPECT_EQ(dialog.Edit(2)->text(), QStringLiteral("4")) << "the blank is not typed";
    EXPECT_EQ(Focused(), dialog.Edit(3));
    for (int k = 3; k <= 20; ++k)
        Key(k % 2 ? Qt::Key_Enter : Qt::Key_Space);
    EXPECT_EQ(Focused(), dialog.findChild<QPushButton*>(QStringLiteral("OKButton")));
    // On the buttons too the keys move on and press nothing.
    Key(Qt::Key_Space);
    EXPECT_EQ(Focused(), dialog.findChild<QPushButton*>(QStringLiteral("CancelButton")));
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), dialog.Edit(1));
    Key(Qt::Key_Backtab);
    Key(Qt::Key_Backtab);
    ASSERT_EQ(Focused(), dialog.findChild<QPushButton*>(QStringLiteral("OKButton")));
    Key(Qt::Key_Enter);
    EXPECT_EQ(Focused(), dialog.findChild<QPushButton*>(QStringLiteral("CancelButton")));
    EXPECT_TRUE(prompts.Calls().empty());
    EXPECT_TRUE(dialog.isVisible()) << "Enter and Space never closed the dialog";
    dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    EXPECT_EQ(dialog.result(), 1);
    const QStringList answers = dialog.Answers();
    ASSERT_EQ(answers.size(), 20);
    EXPECT_EQ(answers[0], QStringLiteral("123"));
    EXPECT_EQ(answers[1], QStringLiteral("4"));
    EXPECT_EQ(answers[19], QString()) << "entered and left empty";
}

TEST_F(AnswerEntryDialogTest, UntouchedFieldsKeepThePlaceholder) {
    dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    EXPECT_EQ(dialog.Answers().mid(1), QStringList(19, QStringLiteral("???")));
}

TEST_F(AnswerEntryDialogTest, EscapeCancelAndCloseAsk) {
    QTest::keyClicks(dialog.Edit(1), QStringLiteral("77"));
    prompts.ExpectMessage(QMessageBox::No);
    QTest::keyClick(dialog.Edit(1), Qt::Key_Escape);
    prompts.ExpectMessage(QMessageBox::No);
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Edit(1)->text(), QStringLiteral("77"));
    prompts.ExpectMessage(QMessageBox::Yes);
    dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    EXPECT_EQ(prompts.Last().text,
              QStringLiteral("Вы действительно хотите прервать тестирование?"));
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
