#include "ModalDriver.h"

#include "core/BitsText.h"
#include "core/CommaText.h"
#include "ui/results/ResultDetailsWindow.h"
#include "ui/results/TrainingNormsWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// 1 hour 2 minutes 5 seconds as a fraction of a day.
constexpr double kOneHourTwoMinFive = (3600.0 + 120.0 + 5.0) / 86400.0;

class ResultDetailsWindowTest : public ::testing::Test {
protected:
    QTreeWidget* Tree() const {
        return form.findChild<QTreeWidget*>(QStringLiteral("ResultVirtualDrawTree"));
    }
    QLabel* Label(const char* name) const { return form.findChild<QLabel*>(QLatin1String(name)); }
    QPushButton* Button(const char* name) const {
        return form.findChild<QPushButton*>(QLatin1String(name));
    }
    void Fill(const QStringList& answers, const QStringList& presented, bool showNorms = false,
              double coefficient = 0.0) {
        form.FillResult(answers, presented, showNorms, coefficient, 3.456, 2, 48, 50,
                        kOneHourTwoMinFive);
    }
    bool Marked(int row) const {
        return Tree()->topLevelItem(row)->data(2, ResultDetailsWindow::WrongAnswerRole).toBool();
    }
    QModelIndex Index(int row, int column) const { return Tree()->model()->index(row, column); }

    ResultDetailsWindow form;
};

TEST_F(ResultDetailsWindowTest, IsAFixedSizeWindowWithTheListFirst) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Результаты"));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    ASSERT_NE(Tree(), nullptr);
    EXPECT_FALSE(Tree()->accessibleName().isEmpty());
    const QStringList headers{Tree()->headerItem()->text(0), Tree()->headerItem()->text(1),
                              Tree()->headerItem()->text(2)};
    EXPECT_EQ(headers, (QStringList{QStringLiteral("Номер"), QStringLiteral("Запомнить"),
                                    QStringLiteral("Ответ")}));
    EXPECT_EQ(Button("NormButton")->text(), QStringLiteral("Сравнить с нормативами"));
    EXPECT_EQ(Button("CancelButton")->text(), QStringLiteral("Закрыть"));
    EXPECT_TRUE(Button("CancelButton")->isDefault());
}

TEST_F(ResultDetailsWindowTest, OneRowPerAnswerWithWrongAnswersMarked) {
    struct Row {
        QString item;
        QString answer;
        bool marked;
    };
    const Row rows[] = {
        {QStringLiteral("12"), QStringLiteral("12"), false},
        {QStringLiteral("Apple"), QStringLiteral("aPPLE"), false},
        {QStringLiteral("Кошка"), QStringLiteral("кОШКА"), false},
        {QStringLiteral("34"), QStringLiteral("  34\t"), false},
        {QStringLiteral("56"), QStringLiteral("65"), true},
        {QStringLiteral("56"), QStringLiteral("5 6"), true},
        {QStringLiteral("ёж"), QStringLiteral("еж"), true},
        {QStringLiteral("78"), QString(), true},
        {QStringLiteral("78"), QStringLiteral("???"), true},
        {QStringLiteral(" "), QString(), false},
    };
    QStringList answers;
    QStringList presented;
    for (const Row& r : rows) {
        answers << r.answer;
        presented << r.item;
    }
    Fill(answers, presented);
    ASSERT_EQ(Tree()->topLevelItemCount(), static_cast<int>(std::size(rows)));
    for (int i = 0; i < Tree()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = Tree()->topLevelItem(i);
        EXPECT_EQ(item->text(0), QString::number(i + 1));
        EXPECT_EQ(item->text(1), rows[i].item);
        EXPECT_EQ(item->text(2), rows[i].answer);
        EXPECT_EQ(Marked(i), rows[i].marked) << "row " << i + 1;
        EXPECT_EQ(ResultDetailsWindow::IsWrongAnswer(rows[i].item, rows[i].answer), rows[i].marked);
    }
}

TEST_F(ResultDetailsWindowTest, AShorterPresentedListShowsEmptyItems) {
    Fill({QStringLiteral("1"), QStringLiteral("x"), QString()}, {QStringLiteral("1")});
    ASSERT_EQ(Tree()->topLevelItemCount(), 3);
    EXPECT_EQ(Tree()->topLevelItem(1)->text(1), QString());
    EXPECT_TRUE(Marked(1));
    EXPECT_FALSE(Marked(2));
}

TEST_F(ResultDetailsWindowTest, SummaryLinesUseTheLocaleAndTheDuration) {
    Fill({}, {}, false, 16.5);
    EXPECT_EQ(Label("NumCntLabel")->text(), QStringLiteral("Всего элементов для запоминания: 50."));
    EXPECT_EQ(
        Label("DtLabel")->text(),
        QStringLiteral("Общее время запоминания: 01:02:05 (в среднем 3,46 сек. на одно число)."));
    EXPECT_EQ(Label("OKLabel")->text(), QStringLiteral("Правильные ответы: 48."));
    EXPECT_EQ(Label("BadLabel")->text(), QStringLiteral("Ошибки: 2."));
    EXPECT_EQ(Label("KoefLabel")->text(),
              QStringLiteral("Коэффициент способности запоминания: 16,50."));
    EXPECT_FALSE(Label("KoefLabel")->isHidden());
}

TEST_F(ResultDetailsWindowTest, WholeDaysAreLeftOutOfTheTotalTime) {
    form.FillResult({}, {}, false, 0.0, 0.0, 0, 0, 0, 2.0 + kOneHourTwoMinFive);
    EXPECT_TRUE(Label("DtLabel")->text().contains(QStringLiteral(": 01:02:05 (")));
}

TEST_F(ResultDetailsWindowTest, CoefficientLineHiddenOnlyForExactlyZero) {
    Fill({}, {}, false, -3.25);
    EXPECT_FALSE(Label("KoefLabel")->isHidden());
    EXPECT_EQ(Label("KoefLabel")->text(),
              QStringLiteral("Коэффициент способности запоминания: -3,25."));
    Fill({}, {}, false, 0.0);
    EXPECT_TRUE(Label("KoefLabel")->isHidden());
    Fill({}, {}, false, 0.001);
    EXPECT_FALSE(Label("KoefLabel")->isHidden());
    EXPECT_EQ(Label("KoefLabel")->text(),
              QStringLiteral("Коэффициент способности запоминания: 0,00."));
}

TEST_F(ResultDetailsWindowTest, NormsButtonOnlyWhenAsked) {
    Fill({}, {}, true);
    EXPECT_FALSE(Button("NormButton")->isHidden());
    Fill({}, {}, false);
    EXPECT_TRUE(Button("NormButton")->isHidden());
}

TEST_F(ResultDetailsWindowTest, SummaryLinesFitTheWindow) {
    form.FillResult({}, {}, true, -123456.78, 11.4, 1000, 1000, 1000, kOneHourTwoMinFive);
    form.show();
    for (const char* name : {"NumCntLabel", "DtLabel", "OKLabel", "BadLabel", "KoefLabel"})
        EXPECT_LE(Label(name)->sizeHint().width(), Label(name)->width()) << name;
    form.hide();
}

TEST(ResultFormPlacementTest, OpensInTheMiddleOfTheScreenNotOverItsOwner) {
    QWidget owner;
    owner.setGeometry(0, 0, 120, 80);
    owner.show();
    ResultDetailsWindow shown(&owner);
    shown.show();
    const QPoint offset =
        shown.frameGeometry().center() - shown.screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(ResultDetailsWindowTest, CellLooksFollowFocusButWrongAnswersStayRed) {
    Fill({QStringLiteral("1"), QStringLiteral("x")}, {QStringLiteral("1"), QStringLiteral("2")});
    const QPalette pal = Tree()->palette();
    const QColor highlightText = pal.color(QPalette::Active, QPalette::HighlightedText);
    const QColor text = pal.color(QPalette::Active, QPalette::Text);
    ASSERT_NE(highlightText, text);

    for (const bool focused : {false, true}) {
        const QColor plain = focused ? highlightText : text;
        for (const int column : {0, 1})
            EXPECT_EQ(form.ResultVirtualDrawTreeDrawNode(Index(1, column), focused).color, plain);
        const CellLook right = form.ResultVirtualDrawTreeDrawNode(Index(0, 2), focused);
        EXPECT_EQ(right.color, plain);
        EXPECT_FALSE(right.strikeOut);
        const CellLook wrong = form.ResultVirtualDrawTreeDrawNode(Index(1, 2), focused);
        EXPECT_EQ(wrong.color, QColor(255, 0, 0));
        EXPECT_TRUE(wrong.strikeOut);
        EXPECT_EQ(wrong.text, QStringLiteral("x"));
        EXPECT_FALSE(form.ResultVirtualDrawTreeDrawNode(Index(1, 1), focused).strikeOut);
    }
}

TEST_F(ResultDetailsWindowTest, OnlyTheCurrentRowOfTheFocusedListIsTheFocusedRow) {
    Fill({QStringLiteral("1"), QStringLiteral("2")}, {QStringLiteral("1"), QStringLiteral("2")});
    form.show();
    QApplication::setActiveWindow(&form);
    Tree()->setFocus();
    ASSERT_TRUE(Tree()->hasFocus());
    Tree()->setCurrentItem(Tree()->topLevelItem(1));
    EXPECT_TRUE(ReadOnlyListDelegate::IsFocusedRow(Tree(), Index(1, 0)));
    EXPECT_TRUE(ReadOnlyListDelegate::IsFocusedRow(Tree(), Index(1, 2)));
    EXPECT_FALSE(ReadOnlyListDelegate::IsFocusedRow(Tree(), Index(0, 0)));
    Button("CancelButton")->setFocus();
    EXPECT_FALSE(ReadOnlyListDelegate::IsFocusedRow(Tree(), Index(1, 0)));
    form.hide();
}

TEST_F(ResultDetailsWindowTest, TabGoesFromListToNormsButtonToClose) {
    Fill({QStringLiteral("1")}, {QStringLiteral("1")}, true);
    form.show();
    QApplication::setActiveWindow(&form);
    Tree()->setFocus();
    QTest::keyClick(Tree(), Qt::Key_Tab);
    EXPECT_TRUE(Button("NormButton")->hasFocus());
    QTest::keyClick(Button("NormButton"), Qt::Key_Tab);
    EXPECT_TRUE(Button("CancelButton")->hasFocus());
    form.hide();
}

TEST_F(ResultDetailsWindowTest, EnterAndEscapeClose) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        ResultDetailsWindow shown;
        const bool closed = DriveModal(
            [&] {
                shown.ShowResult({QStringLiteral("1")}, {QStringLiteral("1")}, true, 1.0, 1.0, 0, 1,
                                 1, 0.0);
            },
            [&](QWidget* modal) {
                ASSERT_EQ(modal, &shown);
                // Enter goes to the list first, which has the focus; the dialog takes it from
                // there.
                QTest::keyClick(QApplication::focusWidget(), key);
            });
        EXPECT_TRUE(closed) << "key " << key;
    }
}

TEST_F(ResultDetailsWindowTest, NormsButtonOpensTheTrainingNormsOverTheWindow) {
    QString openedClass;
    QWidget* openedOwner = nullptr;
    const bool closed = DriveModal([&] { form.NormButtonClick(); },
                                   [&](QWidget* modal) {
                                       ASSERT_NE(modal, nullptr);
                                       openedClass =
                                           QLatin1String(modal->metaObject()->className());
                                       openedOwner = modal->parentWidget();
                                       QTest::keyClick(modal, Qt::Key_Escape);
                                   });
    EXPECT_TRUE(closed);
    EXPECT_EQ(openedClass, QStringLiteral("TrainingNormsWindow"));
    EXPECT_EQ(openedOwner, &form);
    EXPECT_TRUE(form.findChildren<TrainingNormsWindow*>().isEmpty());
}

TEST(OpenResultDetailsTest, ShowsTheRecordModallyAndDestroysTheWindow) {
    QWidget owner;
    const QStringList record{
        QStringLiteral("ValidAnswerList=") +
            CommaText::Write({QStringLiteral("a, b"), QStringLiteral("7"), QString()}),
        QStringLiteral("MyAnswerList=") +
            CommaText::Write({QStringLiteral("A, B"), QStringLiteral("8"), QStringLiteral("9")}),
        QStringLiteral("TestDt=") + FloatToBitsText(kOneHourTwoMinFive),
        QStringLiteral("NumsCnt=3"),
        QStringLiteral("OkAnswer=1"),
        QStringLiteral("BadAnswer=2"),
        QStringLiteral("Avg=") + FloatToBitsText(3.456),
        QStringLiteral("ShowNorm=-1"),
    };
    QStringList texts;
    QList<bool> marks;
    bool normsVisible = false;
    bool koefVisible = true;
    QWidget* parent = nullptr;
    const bool closed = DriveModal(
        [&] { OpenResultDetails(&owner, record); },
        [&](QWidget* modal) {
            auto* shown = qobject_cast<ResultDetailsWindow*>(modal);
            ASSERT_NE(shown, nullptr);
            parent = shown->parentWidget();
            const auto* tree = shown->findChild<QTreeWidget*>();
            for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* it = tree->topLevelItem(i);
                texts << it->text(1) + QLatin1Char('|') + it->text(2);
                marks << it->data(2, ResultDetailsWindow::WrongAnswerRole).toBool();
            }
            normsVisible =
                shown->findChild<QPushButton*>(QStringLiteral("NormButton"))->isVisible();
            koefVisible = shown->findChild<QLabel*>(QStringLiteral("KoefLabel"))->isVisible();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
    EXPECT_TRUE(closed);
    EXPECT_EQ(parent, &owner);
    EXPECT_EQ(texts, (QStringList{QStringLiteral("A, B|a, b"), QStringLiteral("8|7"),
                                  QStringLiteral("9|")}));
    EXPECT_EQ(marks, (QList<bool>{false, true, true}));
    EXPECT_TRUE(normsVisible);
    EXPECT_FALSE(koefVisible);
    EXPECT_TRUE(owner.findChildren<ResultDetailsWindow*>().isEmpty());
}

TEST(OpenResultDetailsTest, AStoredExamShowsItsCoefficientAndNoNormsButton) {
    QWidget owner;
    QString koef;
    bool normsVisible = true;
    DriveModal(
        [&] {
            OpenResultDetails(&owner, {QStringLiteral("ExamResult=") + FloatToBitsText(24.75)});
        },
        [&](QWidget* modal) {
            ASSERT_NE(modal, nullptr);
            koef = modal->findChild<QLabel*>(QStringLiteral("KoefLabel"))->text();
            normsVisible =
                modal->findChild<QPushButton*>(QStringLiteral("NormButton"))->isVisible();
            modal->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
        });
    EXPECT_EQ(koef, QStringLiteral("Коэффициент способности запоминания: 24,75."));
    EXPECT_FALSE(normsVisible);
}

} // namespace
