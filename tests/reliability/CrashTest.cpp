#include "ReliabilityText.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <random>

// A child saves the store over and over and is killed with SIGKILL at random moments: in the
// middle of a write, between the write and the rename, while loading. After every kill the file
// must be one whole content the child saved, the last one it reported or the one it was saving,
// and the next child must go on from it.
namespace {

// The number in "Step=" of a file that starts like the growing store, or -1.
int StepOf(const QByteArray& file) {
    const QByteArray head = "[Grow]\r\nStep=";
    if (!file.startsWith(head))
        return -1;
    const qsizetype end = file.indexOf('\r', head.size());
    bool ok = false;
    const int step = file.mid(head.size(), end - head.size()).toInt(&ok);
    return ok ? step : -1;
}

TEST(CrashTest, KilledSavesLeaveTheOldOrTheNewFileWhole) {
    constexpr int kKills = 300;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("store.ini"));
    std::mt19937 rng(20261208);
    int committed = 0; // the last save any child reported as done
    int midSaveKills = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess child;
        child.start(QStringLiteral(INI_SAVER), {QStringLiteral("grow"), path});
        ASSERT_TRUE(child.waitForStarted(5000));
        // The moment: after a random number of reported saves, then a random few hundred
        // microseconds more, so the kill falls anywhere inside the next save.
        const int reports = static_cast<int>(rng() % 6);
        QByteArray out;
        while (out.count('\n') < reports && child.waitForReadyRead(5000))
            out += child.readAllStandardOutput();
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::microseconds(rng() % 800);
        while (std::chrono::steady_clock::now() < until) {
        }
        child.kill();
        ASSERT_TRUE(child.waitForFinished(5000));
        out += child.readAllStandardOutput();
        const QList<QByteArray> lines = out.trimmed().split('\n');
        if (!out.trimmed().isEmpty())
            committed = lines.last().toInt();

        QFile f(path);
        if (committed == 0 && !f.exists())
            continue; // killed before the first save
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "kill " << kill;
        const QByteArray file = f.readAll();
        const int step = StepOf(file);
        ASSERT_TRUE(step == committed || step == committed + 1)
            << "kill " << kill << ": reported " << committed << ", file step " << step;
        ASSERT_EQ(file, Grow::Text(step).toLatin1()) << "kill " << kill << ": mixed content";
        if (step == committed + 1)
            ++midSaveKills; // the save was done on disk but not yet reported
        committed = step;
    }
    // A kill between the two steps of the rename can leave the new file under a temporary name
    // beside the store; it is always a whole one, never half a file.
    const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray file = f.readAll();
        EXPECT_EQ(file, Grow::Text(StepOf(file)).toLatin1()) << name.toStdString();
    }
    RecordProperty("leftover_files", static_cast<int>(files.size()) - 1);
    EXPECT_GT(committed, kKills); // the children kept making progress
    RecordProperty("saves", committed);
    RecordProperty("unreported_saves_found", midSaveKills);
}

} // namespace
