#include "ModalDriver.h"
#include "ZorvikTest.h"

#include "core/BitsText.h"
#include "core/CommaText.h"
#include "core/History.h"
#include "core/Messages.h"
#include "core/ResultRecord.h"
#include "core/Stores.h"
#include "ui/main/MainWindow.h"
#include "ui/results/HistoryChart.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

const QByteArray kExampleSection = "[{5B1E7C2A-0D4F-4A8B-9C3E-71F2A6D80B14}]\r\n"
                                   "ExamDate=4675614456281388373\r\n"
                                   "ExamResult=4605380978949069210\r\n"
                                   "ValidAnswerList=12,45,07,88,31\r\n"
                                   "MyAnswerList=12,45,70,88,31\r\n"
                                   "TestDt=4555040743114238999\r\n"
                                   "NumsCnt=5\r\nOkAnswer=4\r\nBadAnswer=1\r\n"
                                   "Avg=4618441417868443648\r\n\r\n";

QByteArray Exam(const char* guid, double date, double result) {
    return QByteArray("[") + guid + "]\r\nExamDate=" + FloatToBitsText(date).toLatin1() +
           "\r\nExamResult=" + FloatToBitsText(result).toLatin1() + "\r\n\r\n";
}

class HistoryTest : public ZorvikTest {
protected:
    // Shows the window as the active one, so that the list can hold the keyboard focus.
    static bool ShowActive(MainWindow& form) {
        form.resize(900, 500);
        form.show();
        QApplication::setActiveWindow(&form);
        return QTest::qWaitForWindowActive(&form);
    }
    QTreeView* Tree(MainWindow& f) {
        return f.findChild<QTreeView*>(QStringLiteral("ResultVirtualDrawTree"));
    }
    HistoryChart* Chart(MainWindow& f) {
        return f.findChild<HistoryChart*>(QStringLiteral("Chart"));
    }
    static QString Cell(QTreeView* t, int row, int col) {
        return t->model()->index(row, col).data().toString();
    }
    static QStringList Column(QTreeView* t, int col) {
        QStringList out;
        for (int i = 0; i < t->model()->rowCount(); ++i)
            out << Cell(t, i, col);
        return out;
    }
    static void Focus(QTreeView* t, int row) { t->setCurrentIndex(t->model()->index(row, 0)); }
    static QStringList Bars(HistoryChart* chart) {
        QStringList out;
        for (int i = 0; i < chart->BarCount(); ++i)
            out << QString::number(chart->BarValue(i)) + QLatin1Char(' ') + chart->BarLabel(i);
        return out;
    }
};

TEST(HistoryTexts, CellsUnderARussianLocale) {
    EXPECT_EQ(HistoryDateText(39156.604166666664), QStringLiteral("15.03.2007 14:30:00 (четверг)"));
    EXPECT_EQ(HistoryDateText(39156.0), QStringLiteral("15.03.2007 (четверг)"));
    EXPECT_EQ(HistoryDateText(0.0), QStringLiteral("30.12.1899 (суббота)"));
    EXPECT_EQ(HistoryResultText(16.5), QStringLiteral("   16,50"));
    EXPECT_EQ(HistoryResultText(-2.4), QStringLiteral("   -2,40"));
    EXPECT_EQ(HistoryChartLabel(39156.604166666664), QStringLiteral("15.03.2007"));
    // A bar is labelled by the whole days of its stamp, whatever the time of day.
    EXPECT_EQ(HistoryChartLabel(39156.9999999999), QStringLiteral("15.03.2007"));
}

TEST_F(HistoryTest, ExampleSectionIsListedAndCharted) {
    WriteFile(QStringLiteral("result.ini"), kExampleSection);
    MainWindow form;
    QTreeView* tree = Tree(form);
    ASSERT_EQ(tree->model()->rowCount(), 1);
    EXPECT_EQ(Cell(tree, 0, 0), QStringLiteral("15.03.2007 14:30:00 (четверг)"));
    EXPECT_EQ(Cell(tree, 0, 1), QStringLiteral("    0,80"));
    EXPECT_EQ(tree->currentIndex().row(), 0);
    EXPECT_TRUE(tree->selectionModel()->isRowSelected(0, {}));
    EXPECT_EQ(Bars(Chart(form)), QStringList{QStringLiteral("0.8 15.03.2007")});
    QCoreApplication::sendPostedEvents(&form);
}

TEST_F(HistoryTest, ListIsOldestFirstWhileChartKeepsSavingOrder) {
    WriteFile(QStringLiteral("result.ini"),
              Exam("{B}", 40000.5, 10.0) + Exam("{A}", 39000.25, -2.4) +
                  "[{NoDate}]\r\nJunk=1\r\nExamResult=9221120237041090560\r\n\r\n" +
                  Exam("{C}", 40000.5, 3.0));
    MainWindow form;
    QTreeView* tree = Tree(form);
    EXPECT_EQ(Column(tree, 1),
              (QStringList{QStringLiteral("    0,00"), QStringLiteral("   -2,40"),
                           QStringLiteral("   10,00"), QStringLiteral("    3,00")}));
    EXPECT_EQ(Bars(Chart(form)),
              (QStringList{QStringLiteral("10 06.07.2009"), QStringLiteral("-2.4 10.10.2006"),
                           QStringLiteral("0 30.12.1899"), QStringLiteral("3 06.07.2009")}));
    EXPECT_EQ(Cell(tree, 0, 0), QStringLiteral("30.12.1899 (суббота)"));
    QCoreApplication::sendPostedEvents(&form);
}

TEST_F(HistoryTest, DeletingAsksAndFocusesTheOldestRemaining) {
    WriteFile(QStringLiteral("result.ini"),
              Exam("{A}", 39000.0, 1.0) + Exam("{B}", 39001.0, 2.0) + Exam("{C}", 39002.0, 3.0));
    MainWindow form;
    QCoreApplication::sendPostedEvents(&form);
    desktop.urls.clear();
    QTreeView* tree = Tree(form);
    Focus(tree, 2);

    prompts.ExpectMessage(QMessageBox::No);
    form.DelCurActionExecute();
    EXPECT_EQ(prompts.Last().text, Messages::DeleteResultQuestion);
    EXPECT_EQ(prompts.Last().caption, Messages::Confirmation);
    EXPECT_EQ(tree->model()->rowCount(), 3);

    Focus(tree, 1);
    prompts.ExpectMessage(QMessageBox::Yes);
    form.DelCurActionExecute();
    EXPECT_EQ(form.ResultIds, (QStringList{QStringLiteral("{A}"), QStringLiteral("{C}")}));
    EXPECT_EQ(tree->currentIndex().row(), 0);
    EXPECT_EQ(ReadFile(QStringLiteral("result.ini")),
              Exam("{A}", 39000.0, 1.0) + Exam("{C}", 39002.0, 3.0));

    prompts.ExpectMessage(QMessageBox::Yes);
    form.DelAllActionExecute();
    EXPECT_EQ(prompts.Last().text, Messages::DeleteAllResultsQuestion);
    EXPECT_EQ(tree->model()->rowCount(), 0);
    EXPECT_EQ(Chart(form)->BarCount(), 0);
    EXPECT_EQ(ReadFile(QStringLiteral("result.ini")), QByteArray());

    // On an empty history the question is still asked; no row, no question for one row.
    prompts.ExpectMessage(QMessageBox::Yes);
    form.DelAllActionExecute();
    form.DelCurActionExecute();
    form.DetailActionExecute();
}

TEST_F(HistoryTest, SavingAnExamAppendsTheNineKeysInOrder) {
    WriteFile(QStringLiteral("result.ini"), kExampleSection);
    MainWindow form;
    QCoreApplication::sendPostedEvents(&form);
    form.ResultRecord = {QStringLiteral("ValidAnswerList=") +
                             CommaText::Write({QStringLiteral("1, 2"), QStringLiteral("\"x\"")}),
                         QStringLiteral("MyAnswerList=12,45"),
                         QStringLiteral("TestDt=5"),
                         QStringLiteral("NumsCnt=2"),
                         QStringLiteral("OkAnswer=0"),
                         QStringLiteral("BadAnswer=2"),
                         QStringLiteral("Avg=7")};
    ASSERT_TRUE(form.SaveExamResult(16.5));
    ASSERT_EQ(form.ResultIds.size(), 2);
    const QString guid = form.ResultIds[1];
    EXPECT_EQ(guid.size(), 38);
    QStringList lines;
    ResultIni().ReadSectionValues(guid, lines);
    QStringList keys;
    for (const QString& l : lines)
        keys << l.left(l.indexOf(QLatin1Char('=')));
    EXPECT_EQ(keys, (QStringList{QStringLiteral("ExamDate"), QStringLiteral("ExamResult"),
                                 QStringLiteral("ValidAnswerList"), QStringLiteral("MyAnswerList"),
                                 QStringLiteral("TestDt"), QStringLiteral("NumsCnt"),
                                 QStringLiteral("OkAnswer"), QStringLiteral("BadAnswer"),
                                 QStringLiteral("Avg")}));
    EXPECT_EQ(lines[0], QStringLiteral("ExamDate=") + FloatToBitsText(clock.Now()));
    EXPECT_EQ(lines[1], QStringLiteral("ExamResult=") + FloatToBitsText(16.5));
    EXPECT_TRUE(ReadFile(QStringLiteral("result.ini")).startsWith(kExampleSection));
    EXPECT_EQ(Tree(form)->model()->rowCount(), 2);

    // The stored record comes back with its answers unchanged.
    Focus(Tree(form), 1);
    DriveModal([&] { form.DetailActionExecute(); }, [](QWidget* w) { w->close(); });
    EXPECT_EQ(CommaText::Read(form.ResultRecord[0].mid(16)),
              (QStringList{QStringLiteral("1, 2"), QStringLiteral("\"x\"")}));
    EXPECT_EQ(form.ResultRecord.last(), QStringLiteral("ExamResult=") + FloatToBitsText(16.5));
}

TEST_F(HistoryTest, FailedSaveKeepsTheExamAndShowsThePath) {
    MainWindow form;
    QCoreApplication::sendPostedEvents(&form);
    desktop.urls.clear();
    // A folder takes the file's place after the stores loaded it.
    ASSERT_TRUE(QDir().mkpath(PathOf(QStringLiteral("result.ini/blocker"))));
    form.ResultRecord = {QStringLiteral("NumsCnt=5")};
    prompts.ExpectMessage(QMessageBox::Ok);
    EXPECT_FALSE(form.SaveExamResult(1.5));
    EXPECT_TRUE(prompts.Last().text.contains(PathOf(QStringLiteral("result.ini"))));
    EXPECT_EQ(Tree(form)->model()->rowCount(), 1); // still listed: memory holds it
    QDir(PathOf(QStringLiteral("result.ini"))).removeRecursively();
    form.ResultRecord = {QStringLiteral("NumsCnt=6")};
    ASSERT_TRUE(form.SaveExamResult(2.5));
    ReopenStores();
    QStringList sections;
    ResultIni().ReadSections(sections);
    EXPECT_EQ(sections.size(), 2); // the next good save wrote both
}

TEST_F(HistoryTest, ListShowsItsSortGlyphAndColumnsThatFillResizeAndMove) {
    QByteArray many;
    for (int i = 0; i < 60; ++i)
        many += Exam(QByteArray("{E" + QByteArray::number(i) + "}").constData(), 39000.0 + i, 1.0);
    for (const QByteArray& file : {Exam("{A}", 39000.0, 1.0), many}) {
        WriteFile(QStringLiteral("result.ini"), file);
        MainWindow form;
        QCoreApplication::sendPostedEvents(&form);
        ASSERT_TRUE(ShowActive(form));
        QTreeView* tree = Tree(form);
        QHeaderView* header = tree->header();
        SCOPED_TRACE(tree->verticalScrollBar()->isVisible() ? "scroll bar" : "no scroll bar");
        const auto fills = [&] {
            return header->sectionSize(0) + header->sectionSize(1) == tree->viewport()->width();
        };
        for (int reload = 0; reload < 2; ++reload) {
            EXPECT_TRUE(header->isSortIndicatorShown());
            EXPECT_EQ(header->sortIndicatorSection(), 0);
            EXPECT_FALSE(header->sectionsClickable()) << "a click on the header never re-sorts";
            EXPECT_EQ(header->sectionResizeMode(0), QHeaderView::Interactive);
            EXPECT_EQ(header->sectionResizeMode(1), QHeaderView::Interactive);
            EXPECT_TRUE(fills());
            form.LoadHistory();
        }
        header->resizeSection(1, header->sectionSize(1) + 30);
        EXPECT_TRUE(fills()) << "the date column takes what the result column leaves";
        header->resizeSection(0, header->sectionSize(0) - 20);
        EXPECT_TRUE(fills());
        // A real drag of the result column's title to the left edge puts it first.
        const int y = header->height() / 2;
        const QPoint from(header->sectionViewportPosition(1) + header->sectionSize(1) / 2, y);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, from);
        for (int x = from.x(); x > 2; x -= 10)
            QTest::mouseMove(header->viewport(), QPoint(x, y));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(2, y));
        EXPECT_EQ(header->visualIndex(1), 0);
        EXPECT_EQ(header->visualIndex(0), 1);
    }
}

// Where the cells' text stands and in which colours, as the user sees the list.
TEST_F(HistoryTest, OnlyTheFocusedListShowsItsFocusedRowHighlighted) {
    WriteFile(QStringLiteral("result.ini"), Exam("{A}", 39000.0, 1.0) + Exam("{B}", 39001.0, 2.0));
    MainWindow form;
    QCoreApplication::sendPostedEvents(&form);
    ASSERT_TRUE(ShowActive(form));
    QTreeView* tree = Tree(form);
    const QRect row =
        tree->visualRect(tree->model()->index(0, 0)) | tree->visualRect(tree->model()->index(0, 1));
    const QColor highlight = tree->palette().color(QPalette::Active, QPalette::Highlight);
    const auto rowHas = [&](const QColor& c) {
        const QImage image = tree->viewport()->grab(row).toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).rgb() == c.rgb())
                    return true;
        return false;
    };
    tree->setFocus();
    EXPECT_TRUE(rowHas(highlight));
    form.findChild<QPushButton*>(QStringLiteral("NormButton"))->setFocus();
    EXPECT_FALSE(rowHas(highlight)) << "no highlight without the focus";
    // The result stands at the left of its cell, not at the right.
    const QRect cell(tree->header()->sectionViewportPosition(1), row.top(),
                     tree->header()->sectionSize(1), row.height());
    const QImage image = tree->viewport()->grab(cell).toImage();
    const QRgb back = image.pixel(image.width() - 1, 0);
    int right = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != back)
                right = std::max(right, x);
    EXPECT_LT(right, image.width() * 3 / 4);
}

TEST_F(HistoryTest, DoubleClickOnEmptySpaceShiftF10AndClearingNothing) {
    WriteFile(QStringLiteral("result.ini"), kExampleSection);
    MainWindow form;
    QCoreApplication::sendPostedEvents(&form);
    ASSERT_TRUE(ShowActive(form));
    QTreeView* tree = Tree(form);
    // Below the only row: the focused exam opens all the same.
    form.ResultRecord.clear();
    DriveModal(
        [&] {
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {},
                               QPoint(10, tree->viewport()->height() - 5));
        },
        [](QWidget* w) { w->close(); });
    EXPECT_FALSE(form.ResultRecord.isEmpty());

    // Shift+F10 opens the same pop-up menu as the Menu key.
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    tree->setFocus();
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* a : menu->actions())
                offered << a->text();
            menu->close();
        }
    });
    QTest::keyClick(tree, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(offered,
              (QStringList{QStringLiteral("Очистить &активную"), QStringLiteral("Очистить &все"),
                           QStringLiteral("Подробные результаты")}));
}

// The progress window draws the records the list holds; an exam chosen there opens in the
// details window as the list's own double click opens it.
TEST_F(HistoryTest, ProgressOpensTheDetailsOfTheExamChosen) {
    WriteFile(QStringLiteral("result.ini"),
              kExampleSection + Exam("{B}", 39160.5, 1.6) + Exam("{C}", 39161.5, 2.4));
    MainWindow form;
    QCoreApplication::sendPostedEvents(&form);
    // The windows as they open; the driver closes whatever is left open.
    struct Shown : QObject {
        QStringList titles;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Show && o->isWidgetType() &&
                static_cast<QWidget*>(o)->isWindow())
                titles << static_cast<QWidget*>(o)->windowTitle();
            return false;
        }
    } shown;
    qApp->installEventFilter(&shown);
    DriveModal([&] { form.findChild<QAction*>(QStringLiteral("ProgressAction"))->trigger(); },
               [&](QWidget* w) {
                   auto* chart = w->findChild<QWidget*>(QStringLiteral("Chart"));
                   QTest::keyClick(chart, Qt::Key_Home);
                   QTest::keyClick(chart, Qt::Key_Return);
               });
    qApp->removeEventFilter(&shown);
    EXPECT_EQ(shown.titles,
              (QStringList{QStringLiteral("Прогресс"), QStringLiteral("Результаты")}));
    EXPECT_EQ(ParseResultRecord(form.ResultRecord).presented,
              CommaText::Read(QStringLiteral("12,45,70,88,31")));
}

TEST_F(HistoryTest, ClearingAnEmptyHistoryWritesNoFile) {
    MainWindow form;
    QCoreApplication::sendPostedEvents(&form);
    const QByteArray settings = ReadFile(QStringLiteral("settings.ini"));
    prompts.ExpectMessage(QMessageBox::Yes);
    form.DelAllActionExecute();
    EXPECT_EQ(prompts.Last().text, Messages::DeleteAllResultsQuestion);
    EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("result.ini"))));
    EXPECT_EQ(ReadFile(QStringLiteral("settings.ini")), settings);
}

TEST_F(HistoryTest, ARefusedExamLeavesNothingBehindAndTheNextOneSaves) {
    WriteFile(QStringLiteral("result.ini"), kExampleSection);
    MainWindow form;
    QCoreApplication::sendPostedEvents(&form);
    form.ResultRecord = {QStringLiteral("MyAnswerList=12,\U0001F600"), QStringLiteral("NumsCnt=2")};
    prompts.ExpectMessage(QMessageBox::Ok);
    EXPECT_FALSE(form.SaveExamResult(1.5));
    EXPECT_TRUE(prompts.Last().text.contains(QStringLiteral("'\U0001F600'")));
    EXPECT_FALSE(prompts.Last().text.contains(QStringLiteral("в памяти")));
    EXPECT_EQ(Tree(form)->model()->rowCount(), 1);

    form.ResultRecord = {QStringLiteral("MyAnswerList=12,45"), QStringLiteral("NumsCnt=2")};
    ASSERT_TRUE(form.SaveExamResult(2.5));
    ReopenStores();
    QStringList sections;
    ResultIni().ReadSections(sections);
    ASSERT_EQ(sections.size(), 2);
    EXPECT_EQ(ResultIni().ReadString(sections[1], QStringLiteral("MyAnswerList"), {}),
              QStringLiteral("12,45"));
}

} // namespace
