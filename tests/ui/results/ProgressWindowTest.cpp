#include "ModalDriver.h"
#include "ZorvikTest.h"

#include "cli/HistoryCli.h"
#include "core/BitsText.h"
#include "core/FileIo.h"
#include "core/Messages.h"
#include "core/Stores.h"
#include "ui/results/ProgressChart.h"
#include "ui/results/ProgressWindow.h"
#include "ui/run/ItemNotice.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QTest>
#include <QTreeWidget>

namespace {

QByteArray Exam(const QString& section, double date, double result,
                const QByteArray& more = QByteArray()) {
    return "[" + section.toLatin1() + "]\r\nExamDate=" + FloatToBitsText(date).toLatin1() +
           "\r\nExamResult=" + FloatToBitsText(result).toLatin1() + "\r\n" + more + "\r\n";
}

class ProgressWindowTest : public ZorvikTest {
protected:
    // The main window's records of a history file, as it reads them at start.
    std::vector<HistoryEntry> History(const QByteArray& file) {
        WriteFile(QStringLiteral("result.ini"), file);
        return ReadHistory(ResultIni());
    }
    static QString Text(const QWidget& w, const char* label) {
        return Child<QLabel>(w, label)->text();
    }
    // The figures the window shows, laid out as the history command prints them.
    static QString Shown(const QWidget& w) {
        QString out = Text(w, "CountLabel") + QLatin1Char('\n') + Text(w, "BestLabel") +
                      QLatin1Char('\n') + Text(w, "RecentLabel") +
                      QStringLiteral("\nСреднее по месяцам:\n");
        const QTreeWidget* months = Child<QTreeWidget>(w, "MonthsTable");
        for (int i = 0; i < months->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* m = months->topLevelItem(i);
            out += QStringLiteral("  %1: %2 (экзаменов: %3, лучший: %4)\n")
                       .arg(m->text(0), m->text(2), m->text(1), m->text(3));
        }
        return out + Text(w, "TrendLabel") + QLatin1Char('\n');
    }
    QString Stats(const QStringList& args) {
        QBuffer out, err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        EXPECT_EQ(RunHistoryCli(QStringList{QStringLiteral("--stats"), QStringLiteral("--file"),
                                            PathOf(QStringLiteral("result.ini"))} +
                                    args,
                                {Dir(), {}, Dir()}, out, err),
                  0);
        return QString::fromUtf8(out.data());
    }
};

TEST_F(ProgressWindowTest, FiguresAreTheCommandsForEachPeriod) {
    // Two years and more of exams, with what a hand-edited file brings: sections the command
    // skips, a section twice, dates out of order.
    QByteArray file;
    for (int i = 0; i < 40; ++i)
        file += Exam(QStringLiteral("{E%1}").arg(i), 38700.4 + i * 21.3 + (i % 3) * 0.01,
                     3.0 + i * 0.4 + (i % 5) * 1.7);
    file += Exam(QStringLiteral("{Late}"), 38720.7, 25.0);
    file += Exam(QStringLiteral("{BadCount}"), 39500.5, 99.0, "NumsCnt=пять\r\n");
    file += "[{NoDate}]\r\nExamResult=" + FloatToBitsText(50.0).toLatin1() + "\r\n\r\n";
    file += Exam(QStringLiteral("{e3}"), 38800.5, 98.0);
    const std::vector<HistoryEntry> history = History(file);
    ProgressWindow form(history);
    EXPECT_EQ(Text(form, "LeftOutLabel"), Messages::ProgressLeftOut.arg(2));
    for (const auto period : {ProgressSeries::Period::All, ProgressSeries::Period::Year,
                              ProgressSeries::Period::ThreeMonths, ProgressSeries::Period::Month}) {
        SCOPED_TRACE(static_cast<int>(period));
        form.SetPeriod(period);
        // "с 16.03.2007 по 15.03.2008": the days the command is given.
        const QStringList days = Text(form, "PeriodLabel").split(QLatin1Char(' '));
        ASSERT_EQ(days.size(), 4);
        EXPECT_EQ(Shown(form),
                  Stats({QStringLiteral("--from"), days[1], QStringLiteral("--to"), days[3]}));
    }
}

TEST_F(ProgressWindowTest, KeyboardCursorSaysEachExam) {
    const std::vector<HistoryEntry> history = History(
        Exam(QStringLiteral("{5B1E7C2A-0D4F-4A8B-9C3E-71F2A6D80B14}"), 39156.604166666664, 0.8) +
        Exam(QStringLiteral("{B}"), 39160.5, 1.6) + Exam(QStringLiteral("{C}"), 39176.0, 2.4));
    ProgressWindow form(history);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ProgressChart* chart = form.Chart();
    EXPECT_EQ(QApplication::focusWidget(), chart);
    // What a screen reader says: the focused chart's name, and the notice given after every key
    // that moves the cursor.
    EXPECT_EQ(chart->accessibleName(), QStringLiteral("04.04.2007 (среда) — 2,40"));
    const auto* notice = chart->findChild<ItemNotice*>();
    QStringList said;
    for (const Qt::Key key :
         {Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_End, Qt::Key_Left}) {
        QTest::keyClick(chart, key);
        said << chart->accessibleName();
        EXPECT_EQ(notice->accessibleName(), said.last());
    }
    const QString first = QStringLiteral("15.03.2007 14:30:00 (четверг) — 0,80");
    const QString second = QStringLiteral("19.03.2007 12:00:00 (понедельник) — 1,60");
    const QString third = QStringLiteral("04.04.2007 (среда) — 2,40");
    EXPECT_EQ(said, (QStringList{first, second, third, third, third, second}));
    QStringList chosen;
    QObject::connect(&form, &ProgressWindow::ExamChosen, &form,
                     [&chosen](const QString& s) { chosen << s; });
    QTest::keyClick(chart, Qt::Key_Home);
    QTest::keyClick(chart, Qt::Key_Return);
    QTest::mouseClick(chart, Qt::LeftButton, {}, chart->PositionOf(1));
    EXPECT_EQ(chosen, (QStringList{QStringLiteral("{5B1E7C2A-0D4F-4A8B-9C3E-71F2A6D80B14}"),
                                   QStringLiteral("{B}")}));
    EXPECT_EQ(chart->Cursor(), 1);
}

TEST_F(ProgressWindowTest, PicturesOfTheChartAsShown) {
    const std::vector<HistoryEntry> history = History(Exam(QStringLiteral("{A}"), 39156.5, 3.0) +
                                                      Exam(QStringLiteral("{B}"), 39300.5, 7.5));
    ProgressWindow form(history);
    form.resize(800, 600);
    form.show();
    const QSize size = form.Chart()->size();
    struct Case {
        QString name;
        QString error; // the message expected instead of a picture
    };
    const Case cases[] = {
        {QStringLiteral("year.png"), {}},
        {QStringLiteral("year.SVG"), {}},
        {QStringLiteral("year.jpg"), Messages::ChartImageFormat},
        {QStringLiteral("missing/year.png"),
         Messages::FileWriteFailed.arg(PathOf(QStringLiteral("missing/year.png")),
                                       SystemErrorText(ENOENT))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString path = PathOf(c.name);
        prompts.ExpectSaveFile(path);
        if (!c.error.isEmpty())
            prompts.ExpectMessage(QMessageBox::Ok);
        Child<QPushButton>(form, "SaveImageButton")->click();
        if (!c.error.isEmpty()) {
            EXPECT_TRUE(prompts.Last().text.contains(c.error));
            EXPECT_FALSE(QFile::exists(path));
        } else if (c.name.endsWith(QLatin1String("png"))) {
            EXPECT_EQ(QImage(path).size(), size * form.devicePixelRatio());
        } else {
            const QSvgRenderer svg(path);
            EXPECT_TRUE(svg.isValid());
            EXPECT_EQ(svg.defaultSize(), size);
        }
    }
}

TEST_F(ProgressWindowTest, EmptyAndNearlyEmptyHistories) {
    const std::vector<HistoryEntry> nothing = History({});
    ProgressWindow none(nothing);
    EXPECT_EQ(Child<QStackedWidget>(none, "ChartPages")->currentWidget()->objectName(),
              QStringLiteral("NoExamsLabel"));
    EXPECT_EQ(Text(none, "NoExamsLabel"), QStringLiteral("Экзаменов пока нет."));
    EXPECT_FALSE(Child<QPushButton>(none, "SaveImageButton")->isEnabled());
    // One exam, and three of one moment saved with dates running backwards: points, no trend.
    for (const QByteArray& file :
         {Exam(QStringLiteral("{A}"), 39156.5, 3.0),
          Exam(QStringLiteral("{A}"), 39156.5, 3.0) + Exam(QStringLiteral("{B}"), 39156.5, 1.0) +
              Exam(QStringLiteral("{C}"), 39100.5, 2.0) +
              Exam(QStringLiteral("{D}"), 39156.5, 1e300)}) {
        const std::vector<HistoryEntry> history = History(file);
        ProgressWindow form(history);
        form.SetPeriod(ProgressSeries::Period::Month);
        EXPECT_TRUE(
            Text(form, "TrendLabel").startsWith(QStringLiteral("Тренд: недостаточно данных")));
        EXPECT_FALSE(form.grab().isNull());
        EXPECT_LT(form.minimumSize().width(), form.maximumSize().width());
    }
}

} // namespace
