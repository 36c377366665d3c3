#include "ZorvikTest.h"

#include "core/BitsText.h"
#include "core/CommaText.h"
#include "core/ModuleStore.h"
#include "core/Stores.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SettingsTransfer.h"
#include "ui/modules/ModuleEditor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTreeView>
#include <cstdio>

// Files far larger than anyone keeps: a history of 100 000 exams and a module of 1 000 000
// items. They must load, show and save; the times and the peak memory are printed, not asserted
// (a timed assertion would fail on a busy machine). Built only with ZORVIK_BIG_TESTS and labelled
// "big", as it takes minutes.
namespace {

long PeakKiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

class BigFiles : public ZorvikTest {
protected:
    void Step(const char* what) {
        std::printf("%-44s %8.2f s  peak %7ld MiB\n", what, timer.restart() / 1000.0,
                    PeakKiB() / 1024);
        std::fflush(stdout);
    }
    QElapsedTimer timer;
};

TEST_F(BigFiles, HistoryAndModuleLoadShowAndSave) {
    constexpr int kExams = 100000;
    constexpr int kItems = 1000000;
    timer.start();
    QByteArray result;
    for (int i = 0; i < kExams; ++i) {
        result += "[{" + QByteArray::number(i).rightJustified(8, '0') +
                  "-0000-0000-0000-000000000000}]\r\nExamDate=" +
                  FloatToBitsText(40000.0 + i / 10.0).toLatin1() +
                  "\r\nExamResult=" + FloatToBitsText(i % 40).toLatin1() +
                  "\r\nValidAnswerList=12,45,07,88,31\r\nMyAnswerList=12,45,70,88,31\r\n"
                  "TestDt=4555040743114238999\r\nNumsCnt=5\r\nOkAnswer=4\r\nBadAnswer=1\r\n"
                  "Avg=4618441417868443648\r\n\r\n";
    }
    QStringList items;
    items.reserve(kItems);
    for (int i = 0; i < kItems; ++i)
        items << QString::number(i).rightJustified(7, QLatin1Char('0'));
    const QString data = CommaText::Write(items);
    WriteFile(QStringLiteral("settings.ini"), "[ZorvikSettings]\r\nFirstStart=0\r\n"
                                              "TestDataName=Big\r\n");
    WriteFile(QStringLiteral("Data/modules.ini"),
              "[Big]\r\nStandart=0\r\nName=Big\r\nData=" + data.toLatin1() + "\r\n");
    WriteFile(QStringLiteral("result.ini"), result);
    std::printf("result.ini %lld MiB, modules.ini %lld MiB\n",
                static_cast<long long>(result.size() >> 20),
                static_cast<long long>(data.size() >> 20));
    result.clear();
    items.clear();
    Step("files written");

    ReopenStores();
    Step("stores loaded");
    {
        MainWindow form;
        QCoreApplication::sendPostedEvents(&form);
        Step("main window with its history shown");
        auto* tree = form.findChild<QTreeView*>(QStringLiteral("ResultVirtualDrawTree"));
        ASSERT_EQ(tree->model()->rowCount(), kExams);

        form.ResultRecord = {QStringLiteral("NumsCnt=5")};
        ASSERT_TRUE(form.SaveExamResult(1.0));
        Step("exam saved (history rewritten, list reloaded)");
        ASSERT_EQ(tree->model()->rowCount(), kExams + 1);
    }
    {
        SettingsDialog dialog;
        const QStringList ids = LoadModuleIds(ModulesIni());
        QStringList rangeTable;
        SettingsTransferIn(dialog, ids, rangeTable);
        dialog.Prepare(ids, rangeTable);
        auto* begin = dialog.findChild<QComboBox*>(QStringLiteral("TestBeginRangeComboBox"));
        ASSERT_EQ(begin->count(), kItems);
        Step("settings range lists filled");
    }
    {
        ModuleEditor editor;
        editor.LoadWorkingCopy();
        Step("module editor showing the module");
        ASSERT_EQ(editor.MemoText().count(QLatin1Char('\n')), kItems - 1);
    }
    ModulesIni().WriteString(QStringLiteral("Big"), QStringLiteral("Name"), QStringLiteral("B"));
    Step("module store saved");
    ReopenStores();
    EXPECT_EQ(ModuleItems(ReadTestModule(ModulesIni(), QStringLiteral("Big"))).size(), kItems);
    Step("module store reloaded");
}

} // namespace
