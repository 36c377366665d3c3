#include "core/Cp1251.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

// These tests start the built program as a user would: copied into a fresh folder, started from
// another working directory, with a runtime folder of its own for the instance lock.
namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_programDir.isValid() && m_runtimeDir.isValid() && m_workDir.isValid());
        const QString bin = QStringLiteral(ZORVIK_BIN);
        m_exe = m_programDir.filePath(QStringLiteral("zorvik"));
        ASSERT_TRUE(QFile::copy(bin, m_exe));
        QFile::setPermissions(m_exe, QFile::permissions(m_exe) | QFile::ExeOwner);
    }
    void TearDown() override {
        for (QProcess* p : m_started) {
            p->kill();
            p->waitForFinished(5000);
            delete p;
        }
    }

    QProcess* Start() {
        auto* p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());
        for (const auto& [name, value] : m_env)
            env.insert(name, value);
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(m_workDir.path());
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(m_exe, {});
        EXPECT_TRUE(p->waitForStarted(5000));
        m_started.push_back(p);
        return p;
    }

    // Waits for a condition on the child's files, up to a generous deadline.
    static bool WaitFor(const std::function<bool()>& done, int ms = 15000) {
        QElapsedTimer t;
        t.start();
        while (!done()) {
            if (t.elapsed() > ms)
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    QString PathOf(const QString& name) const { return m_programDir.filePath(name); }
    QByteArray Read(const QString& name) const {
        QFile f(PathOf(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile f(PathOf(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList Listing() const {
        QStringList out;
        const auto entries =
            QDir(m_programDir.path()).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
        for (const QFileInfo& fi : entries)
            out << fi.fileName() + QLatin1Char(' ') + QString::number(fi.size()) +
                       QLatin1Char(' ') + fi.lastModified().toString(Qt::ISODateWithMs);
        return out;
    }

    QTemporaryDir m_programDir, m_runtimeDir, m_workDir;
    QString m_exe;
    std::vector<QProcess*> m_started;
    std::vector<std::pair<QString, QString>> m_env; // overrides for the next starts
};

const QByteArray kFirstStartFile = "[ZorvikSettings]\r\nFirstStart=0\r\n\r\n";

TEST_F(StartupTest, FirstStartWritesOnlyFirstStartBesideTheProgram) {
    QProcess* p = Start();
    ASSERT_TRUE(WaitFor([&] { return Read(QStringLiteral("settings.ini")) == kFirstStartFile; }));
    EXPECT_EQ(p->state(), QProcess::Running);
    EXPECT_FALSE(QFile::exists(m_workDir.filePath(QStringLiteral("settings.ini"))));
    EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("result.ini"))));
}

TEST_F(StartupTest, SecondStartEndsAtOnceSilentlyAndTouchesNothing) {
    QProcess* first = Start();
    ASSERT_TRUE(WaitFor([&] { return !Read(QStringLiteral("settings.ini")).isEmpty(); }));
    const QStringList before = Listing();

    QProcess* second = Start();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(second->readAllStandardOutput().isEmpty());
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(Listing(), before);
}

TEST_F(StartupTest, KilledFirstCopyNeverBlocksTheNextStart) {
    QProcess* first = Start();
    ASSERT_TRUE(WaitFor([&] { return !Read(QStringLiteral("settings.ini")).isEmpty(); }));
    first->kill(); // SIGKILL: no clean-up runs
    ASSERT_TRUE(first->waitForFinished(5000));
    QProcess* next = Start();
    EXPECT_FALSE(next->waitForFinished(1500)); // still running: it took the lock
    EXPECT_EQ(next->state(), QProcess::Running);
}

TEST_F(StartupTest, MissingRuntimeFolderStillLetsOneCopyRun) {
    // The lock then lives in the temporary folder, here one of the test's own.
    m_env = {{QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.filePath(QStringLiteral("gone"))},
             {QStringLiteral("TMPDIR"), m_runtimeDir.path()}};
    QProcess* first = Start();
    ASSERT_TRUE(WaitFor([&] { return !Read(QStringLiteral("settings.ini")).isEmpty(); }));
    QProcess* second = Start();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    first->kill();
    ASSERT_TRUE(first->waitForFinished(5000));
    QProcess* next = Start();
    EXPECT_FALSE(next->waitForFinished(1500));
    EXPECT_EQ(next->state(), QProcess::Running);
}

TEST_F(StartupTest, HandEditedSettingsComeOutInTheSavingFormat) {
    QByteArray file;
    cp1251::encode(QStringLiteral("stray line\r\n; comment\r\n\r\n[ZorvikSettings]\r\n"
                                  "TestElValue = 30\r\n  ; note\r\nPhoneFormat= (000) 000 \r\n"
                                  "[TestFont]\r\nFontName=Курьер\r\n"),
                   &file);
    Write(QStringLiteral("settings.ini"), file);
    Start();
    QByteArray want;
    cp1251::encode(QStringLiteral("[ZorvikSettings]\r\nTestElValue=30\r\nPhoneFormat=(000) 000\r\n"
                                  "FirstStart=0\r\n\r\n[TestFont]\r\nFontName=Курьер\r\n\r\n"),
                   &want);
    EXPECT_TRUE(WaitFor([&] { return Read(QStringLiteral("settings.ini")) == want; }))
        << Read(QStringLiteral("settings.ini")).toStdString();
}

} // namespace
