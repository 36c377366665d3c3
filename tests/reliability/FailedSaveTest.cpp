#include "ZorvikTest.h"

#include "core/BitsText.h"
#include "core/IniFile.h"
#include "core/Stores.h"
#include "ui/main/MainWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    std::function<void(MainWindow&)> act;
    QStringList left; // the exams the list and, after the next good save, the file hold
};

TEST_F(BlockedHistory, DeletionsThatCannotBeSavedAreShownAndSavedLater) {
    const std::vector<HistoryCase> cases = {
        {"delete one",
         [](MainWindow& f) {
             auto* tree = f.findChild<QTreeView*>(QStringLiteral("ResultVirtualDrawTree"));
             tree->setCurrentIndex(tree->model()->index(1, 0));
             f.DelCurActionExecute();
         },
         {QStringLiteral("{A}"), QStringLiteral("{C}")}},
        {"delete all", [](MainWindow& f) { f.DelAllActionExecute(); }, {}},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(QStringLiteral("result.ini"),
                  Exam("{A}", 39000.0) + Exam("{B}", 39001.0) + Exam("{C}", 39002.0));
        MainWindow form;
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

// A data file that exists but cannot be read whole is never taken for an empty one: the user is
// told at start, every save of its store says why it fails, and the file is never written over.
class UnreadableFiles : public ZorvikTest {};

TEST_F(UnreadableFiles, AreReportedAtStartAndNeverWrittenOver) {
    struct Kind {
        const char* name;
        std::function<void(const QString&)> make;
        QString reason;
    };
    const Kind kinds[] = {
        {"read error", [](const QString& p) { QFile::link(QStringLiteral("/proc/self/mem"), p); },
         QStringLiteral("ошибка ввода-вывода")},
        {"folder", [](const QString& p) { QDir().mkpath(p + QStringLiteral("/inside")); },
         QStringLiteral("это папка")},
    };
    const std::pair<QString, IniFile& (*)()> files[] = {
        {QStringLiteral("settings.ini"), &SettingsIni},
        {QStringLiteral("result.ini"), &ResultIni},
        {QStringLiteral("Data/modules.ini"), &ModulesIni},
    };
    for (const Kind& kind : kinds) {
        for (const auto& [file, store] : files) {
            SCOPED_TRACE(kind.name + (" " + file.toStdString()));
            for (const auto& other : files) {
                QFile::remove(PathOf(other.first));
                QDir(PathOf(other.first)).removeRecursively();
            }
            const QString path = PathOf(file);
            QDir().mkpath(QFileInfo(path).absolutePath());
            kind.make(path);
            ReopenStores();
            const QFileInfo before(path);
            desktop.urls.clear();
            MainWindow form;
            prompts.ExpectMessage(QMessageBox::Ok);
            QCoreApplication::sendPostedEvents(&form);
            prompts.Verify();
            EXPECT_EQ(prompts.Last().icon, QMessageBox::Warning);
            EXPECT_TRUE(prompts.Last().text.contains(path + QStringLiteral("\": ") + kind.reason))
                << prompts.Last().text.toStdString();
            // Settings that could not be read cannot tell a first start.
            EXPECT_EQ(desktop.urls.empty(), file == QStringLiteral("settings.ini"));

            try {
                store().WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("V"));
                ADD_FAILURE() << "the save went through";
            } catch (const SaveError& e) {
                EXPECT_TRUE(e.userMessage().contains(kind.reason));
                EXPECT_TRUE(e.userMessage().contains(QStringLiteral("до закрытия программы")));
            }
            EXPECT_EQ(store().ReadString(QStringLiteral("S"), QStringLiteral("K"), {}),
                      QStringLiteral("V")); // memory holds it until the program ends
            const QFileInfo after(path);
            EXPECT_EQ(after.isSymLink(), before.isSymLink());
            EXPECT_EQ(after.isDir(), before.isDir());
            EXPECT_EQ(after.symLinkTarget(), before.symLinkTarget());
        }
    }
}

} // namespace
