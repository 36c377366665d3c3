#include "ZorvikTest.h"

#include "core/BitsText.h"
#include "core/Stores.h"
#include "ui/main/MainFormUnit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTreeView>
#include <functional>

// Saves that fail for real reasons: the disk refuses the write, or the file's place is taken. The
// change stays in memory, the user sees the path, and the next good save writes everything.
namespace {

TEST(FailedSave, FileSizeLimitFailsTheSaveAndKeepsTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("limited.ini"));
    QProcess child;
    child.start(QStringLiteral(INI_SAVER), {QStringLiteral("limit"), path});
    ASSERT_TRUE(child.waitForFinished(30000));
    ASSERT_EQ(child.exitStatus(), QProcess::NormalExit); // no SIGXFSZ ended it
    EXPECT_EQ(child.exitCode(), 0);
    const QStringList out =
        QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'));
    ASSERT_GE(out.size(), 4);
    EXPECT_TRUE(out[0].startsWith(QStringLiteral("failed ")) && out[0].contains(path))
        << out[0].toStdString();
    EXPECT_FALSE(out[0].contains(QStringLiteral("Unknown error"))) << out[0].toStdString();
    EXPECT_EQ(out[1], QStringLiteral("file kept")); // not cut at the limit
    EXPECT_EQ(out[2], QStringLiteral("memory 4096"));
    EXPECT_EQ(out[3], QStringLiteral("saved"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "[S]\r\nA=1\r\nB=" + QByteArray(4096, 'b') + "\r\nC=3\r\n\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("limited.ini")});
}

QByteArray Exam(const char* guid, double date) {
    return QByteArray("[") + guid + "]\r\nExamDate=" + FloatToBitsText(date).toLatin1() +
           "\r\nExamResult=" + FloatToBitsText(1.0).toLatin1() + "\r\n\r\n";
}

class BlockedHistory : public ZorvikTest {
protected:
    // A folder takes the file's place after it was loaded: the rename of every save fails.
    void Block() {
        ASSERT_TRUE(QFile::remove(PathOf(QStringLiteral("result.ini"))));
        ASSERT_TRUE(QDir().mkpath(PathOf(QStringLiteral("result.ini"))));
    }
    void Unblock() { ASSERT_TRUE(QDir().rmdir(PathOf(QStringLiteral("result.ini")))); }
};

struct HistoryCase {
    const char* name;
    std::function<void(TMainForm&)> act;
    QStringList left; // the exams the list and, after the next good save, the file hold
};

TEST_F(BlockedHistory, DeletionsThatCannotBeSavedAreShownAndSavedLater) {
    const std::vector<HistoryCase> cases = {
        {"delete one",
         [](TMainForm& f) {
             auto* tree = f.findChild<QTreeView*>(QStringLiteral("ResultVirtualDrawTree"));
             tree->setCurrentIndex(tree->model()->index(1, 0));
             f.DelCurActionExecute();
         },
         {QStringLiteral("{A}"), QStringLiteral("{C}")}},
        {"delete all", [](TMainForm& f) { f.DelAllActionExecute(); }, {}},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(QStringLiteral("result.ini"),
                  Exam("{A}", 39000.0) + Exam("{B}", 39001.0) + Exam("{C}", 39002.0));
        TMainForm form;
        QCoreApplication::sendPostedEvents(&form);
        desktop.urls.clear();
        Block();
        prompts.ExpectMessage(QMessageBox::Yes); // the question
        prompts.ExpectMessage(QMessageBox::Ok);  // the error
        c.act(form);
        prompts.Verify();
        EXPECT_EQ(prompts.Last().icon, QMessageBox::Critical);
        EXPECT_TRUE(prompts.Last().text.contains(PathOf(QStringLiteral("result.ini"))));
        EXPECT_EQ(form.ResultIds, c.left); // memory holds the deletion

        Unblock();
        form.ResultRecord = {QStringLiteral("NumsCnt=1")};
        ASSERT_TRUE(form.SaveExamResult(2.0));
        ReopenStores();
        QStringList sections;
        ResultIni().ReadSections(sections);
        EXPECT_EQ(sections.mid(0, c.left.size()), c.left);
        EXPECT_EQ(sections.size(), c.left.size() + 1);
    }
}

} // namespace
