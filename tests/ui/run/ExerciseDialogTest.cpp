#include "ZorvikTest.h"

#include "ui/run/ExerciseDialog.h"
#include "ui/run/ItemNotice.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class ExerciseDialogTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        dialog.Setup();
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
    }
    QColor ColorOf(int k) const { return dialog.Edit(k)->palette().color(QPalette::Text); }
    void Type(int k, const QString& text) {
        dialog.Edit(k)->setFocus();
        dialog.Edit(k)->selectAll();
        QTest::keyClicks(dialog.Edit(k), text);
    }

    ExerciseDialog dialog;
};

TEST_F(ExerciseDialogTest, OpensWithFiveUnsolvedExercises) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выполните упражнения"));
    for (int k = 1; k <= 5; ++k) {
        const QStringList parts = dialog.Label(k)->text().split(QStringLiteral("  "));
        ASSERT_EQ(parts.size(), 4) << dialog.Label(k)->text().toStdString();
        EXPECT_EQ(parts[1], QStringLiteral("+"));
        EXPECT_EQ(parts[3], QStringLiteral("="));
        EXPECT_EQ(parts[0].toInt() + parts[2].toInt(), dialog.Sum(k));
        EXPECT_LT(parts[0].toInt(), 50);
        EXPECT_EQ(ColorOf(k), QColor(255, 0, 0));
        EXPECT_EQ(dialog.Edit(k)->text(), k == 1 ? QString() : QStringLiteral("?"));
    }
    EXPECT_EQ(QApplication::focusWidget(), dialog.Edit(1));
}

TEST_F(ExerciseDialogTest, TypingTheFiveSumsClosesWithOne) {
    for (int k = 1; k <= 5; ++k) {
        ASSERT_EQ(QApplication::focusWidget(), dialog.Edit(k));
        QTest::keyClicks(dialog.Edit(k), QString::number(dialog.Sum(k)));
        EXPECT_EQ(ColorOf(k), QColor(0, 128, 0));
    }
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ExerciseDialogTest, TheNextExerciseIsReadOutAsTheFocusMovesOnToIt) {
    QTest::keyClicks(dialog.Edit(1), QString::number(dialog.Sum(1)));
    const auto* notice = dialog.findChild<ItemNotice*>();
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->accessibleName(), dialog.Label(2)->text());
}

TEST_F(ExerciseDialogTest, ChangeRuleTable) {
    struct Row {
        QString text;
        bool solved;
    };
    const int sum = dialog.Sum(2);
    const Row rows[] = {{QStringLiteral(" ") + QString::number(sum) + QStringLiteral(" "), true},
                        {QStringLiteral("0") + QString::number(sum), false},
                        {QStringLiteral("+") + QString::number(sum), false},
                        {QString::number(sum + 1), false},
                        {QString(), false}};
    for (const Row& r : rows) {
        dialog.Edit(2)->setText(r.text);
        EXPECT_EQ(dialog.IsSolved(2), r.solved) << r.text.toStdString();
    }
}

TEST_F(ExerciseDialogTest, OkWithAnUnsolvedFieldWarnsAndStays) {
    for (int k = 1; k <= 4; ++k)
        dialog.Edit(k)->setText(QString::number(dialog.Sum(k)));
    dialog.Edit(2)->setText(QStringLiteral("x")); // green turned wrong again
    prompts.ExpectMessage(QMessageBox::Ok);
    QTest::keyClick(dialog.Edit(5), Qt::Key_Return);
    EXPECT_EQ(prompts.Last().text, QStringLiteral("Не все примеры решены правильно. Пожалуйста "
                                                  "введите правильные ответы."));
    EXPECT_EQ(prompts.Last().caption, QStringLiteral("Предупреждение"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ExerciseDialogTest, EscapeAndCloseAsk) {
    Type(3, QStringLiteral("1"));
    prompts.ExpectMessage(QMessageBox::No);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Edit(3)->text(), QStringLiteral("1"));
    prompts.ExpectMessage(QMessageBox::No);
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    prompts.ExpectMessage(QMessageBox::Yes);
    dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    EXPECT_EQ(prompts.Last().text,
              QStringLiteral("Вы действительно хотите прервать тестирование?"));
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
