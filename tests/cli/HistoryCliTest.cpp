#include "CliTestSupport.h"

#include "cli/HistoryCli.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

using namespace clitest;

namespace {

constexpr double kDate = 39156.0 + 14.5 / 24.0; // 15 March 2007, 14:30:00

const QString kExample = QStringLiteral("[{5B1E7C2A-0D4F-4A8B-9C3E-71F2A6D80B14}]\r\n"
                                        "ExamDate=4675614456281388373\r\n"
                                        "ExamResult=4605380978949069210\r\n"
                                        "ValidAnswerList=12,45,07,88,31\r\n"
                                        "MyAnswerList=12,45,70,88,31\r\n"
                                        "TestDt=4555040743114238999\r\n"
                                        "NumsCnt=5\r\nOkAnswer=4\r\nBadAnswer=1\r\n"
                                        "Avg=4618441417868443648\r\n\r\n");

struct Outcome {
    int code;
    QString out, err;
};

Outcome RunCli(const QStringList& args, const QString& programDir) {
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int code = RunHistoryCli(args, {programDir, QString(), QDir::homePath()}, out, err);
    return {code, QString::fromUtf8(out.data()), QString::fromUtf8(err.data())};
}

TEST(HistoryCli, CommandLines) {
    QTemporaryDir dir;
    const QString path =
        WriteHistory(dir, Cp(Section(QStringLiteral("{Next}"), 39157.0, -2.4) + kExample +
                             Section(QStringLiteral("{Before}"), kDate - 1.0, 7.25) +
                             QStringLiteral("[{Broken}]\r\nExamDate=x\r\nExamResult=0\r\n\r\n")));
    const QByteArray before = QFile(path).exists() ? [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }()
                                                   : QByteArray();
    const QString warning =
        QStringLiteral("zorvik-history: раздел [{Broken}] пропущен: значение ExamDate не число\n");
    const QString usage = QStringLiteral("\nСправка: zorvik-history --help\n");
    const QString missing = dir.filePath(QStringLiteral("none.ini"));
    struct Case {
        QStringList args;
        int code;
        QString out; // the whole output, or its first line when it ends in "..."
        QString err;
    };
    const std::vector<Case> cases = {
        // The list, oldest first, the coefficients in one column; the program dir's file.
        {{},
         0,
         QStringLiteral("14.03.2007 14:30:00 (среда)       7,25\n"
                        "15.03.2007 14:30:00 (четверг)     0,80\n"
                        "16.03.2007 (пятница)             -2,40\n"),
         warning},
        {{QStringLiteral("--file"), path, QStringLiteral("--from"), QStringLiteral("2007-03-15"),
          QStringLiteral("--to=15.03.2007"), QStringLiteral("--csv")},
         0,
         QStringLiteral("section,date,coefficient,items,right,wrong,seconds,seconds_per_item,"
                        "presented,answers\r\n"
                        "{5B1E7C2A-0D4F-4A8B-9C3E-71F2A6D80B14},2007-03-15T14:30:00,0.8,5,4,1,30,"
                        "6,\"12,45,70,88,31\",\"12,45,07,88,31\"\r\n"),
         warning},
        {{QStringLiteral("--json"), QStringLiteral("--from"), QStringLiteral("16.03.2007")},
         0,
         QStringLiteral("[\n{\"section\":\"{Next}\",\"date\":\"2007-03-16T00:00:00\","
                        "\"coefficient\":-2.4,\"items\":null,\"right\":null,\"wrong\":null,"
                        "\"seconds\":null,\"seconds_per_item\":null,\"presented\":[],"
                        "\"answers\":[]}\n]\n"),
         warning},
        {{QStringLiteral("--json"), QStringLiteral("--to"), QStringLiteral("2000-01-01")},
         0,
         QStringLiteral("[]\n"),
         warning},
        {{QStringLiteral("--stats"), QStringLiteral("--to"), QStringLiteral("2000-01-01")},
         0,
         QStringLiteral("Экзаменов: 0\n"),
         warning},
        {{QStringLiteral("--stats")}, 0, QStringLiteral("Экзаменов: 3..."), warning},
        {{QStringLiteral("--help")},
         0,
         QStringLiteral("Использование: zorvik-history [ПАРАМЕТРЫ]..."),
         QString()},
        {{QStringLiteral("--version")},
         0,
         QStringLiteral("zorvik-history " ZORVIK_HISTORY_VERSION "\n"),
         QString()},
        {{QStringLiteral("--file"), missing},
         2,
         QString(),
         QStringLiteral("zorvik-history: нет файла истории %1\n").arg(missing)},
        {{QStringLiteral("--file"), dir.path()},
         2,
         QString(),
         QStringLiteral("zorvik-history: не удаётся прочитать %1: это папка\n").arg(dir.path())},
        {{QStringLiteral("--file"), QStringLiteral("/dev/zero")},
         2,
         QString(),
         QStringLiteral("zorvik-history: не удаётся прочитать /dev/zero: это не обычный файл\n")},
        {{QStringLiteral("--xml")},
         1,
         QString(),
         QStringLiteral("zorvik-history: неизвестный параметр: --xml") + usage},
        {{QStringLiteral("--csv"), QStringLiteral("--stats")},
         1,
         QString(),
         QStringLiteral("zorvik-history: параметры --csv, --json и --stats нельзя сочетать") +
             usage},
        {{QStringLiteral("--csv=1")},
         1,
         QString(),
         QStringLiteral("zorvik-history: у параметра --csv нет значения") + usage},
        {{QStringLiteral("--file")},
         1,
         QString(),
         QStringLiteral("zorvik-history: после --file нужен путь к файлу") + usage},
        {{QStringLiteral("--from"), QStringLiteral("2007-02-30")},
         1,
         QString(),
         QStringLiteral("zorvik-history: после --from нужна дата вида 2007-03-15 или 15.03.2007, "
                        "а не «2007-02-30»") +
             usage},
        {{QStringLiteral("--to")},
         1,
         QString(),
         QStringLiteral("zorvik-history: после --to нужна дата вида 2007-03-15 или 15.03.2007") +
             usage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const Outcome r = RunCli(c.args, dir.path());
        EXPECT_EQ(r.code, c.code);
        if (c.out.endsWith(QLatin1String("...")))
            EXPECT_EQ(r.out.section(QLatin1Char('\n'), 0, 0), c.out.chopped(3));
        else
            EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("result.ini")});
}

TEST(HistoryCli, FindsTheHistoryOfEachInstallLayout) {
    QTemporaryDir root;
    const QString usr = root.filePath(QStringLiteral("usr"));
    ASSERT_TRUE(QDir().mkpath(usr + QStringLiteral("/bin")));
    ASSERT_TRUE(QDir().mkpath(usr + QStringLiteral("/lib/zorvik")));
    WriteHistory(root, QByteArray(), QStringLiteral("usr/lib/zorvik/zorvik"));
    const QString home = root.filePath(QStringLiteral("home"));
    struct Case {
        QString programDir, xdg, expected;
    };
    const std::vector<Case> cases = {
        {root.filePath(QStringLiteral("Programs/zorvik")), QStringLiteral("/x"),
         root.filePath(QStringLiteral("Programs/zorvik/result.ini"))},
        {usr + QStringLiteral("/bin"), QString(),
         home + QStringLiteral("/.local/share/zorvik/result.ini")},
        {usr + QStringLiteral("/bin/"), QStringLiteral("/data"),
         QStringLiteral("/data/zorvik/result.ini")},
        // A relative XDG_DATA_HOME is invalid and ignored, as the launcher ignores it.
        {usr + QStringLiteral("/bin"), QStringLiteral("data"),
         home + QStringLiteral("/.local/share/zorvik/result.ini")},
        // Started from the installed folder itself, it reads the file beside it.
        {usr + QStringLiteral("/lib/zorvik"), QString(),
         usr + QStringLiteral("/lib/zorvik/result.ini")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DefaultHistoryPath({c.programDir, c.xdg, home}), c.expected)
            << c.programDir.toStdString();
}

// The built program: no display, its output on stdout, a write that fails is not success.
TEST(HistoryCli, BuiltProgram) {
    QTemporaryDir dir;
    const QString path = WriteHistory(dir, Cp(kExample));
    struct Case {
        QStringList args;
        QString stdoutFile;
        int code;
        QByteArray outStart;
    };
    const std::vector<Case> cases = {
        {{QStringLiteral("--csv"), QStringLiteral("--file"), path}, QString(), 0, "section,date,"},
        {{QStringLiteral("--file"), dir.filePath(QStringLiteral("x"))}, QString(), 2, ""},
        {{QStringLiteral("--csv"), QStringLiteral("--file"), path},
         QStringLiteral("/dev/full"),
         3,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        if (!c.stdoutFile.isEmpty())
            p.setStandardOutputFile(c.stdoutFile);
        p.start(QStringLiteral(ZORVIK_HISTORY_BIN), c.args);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.code) << p.readAllStandardError().toStdString();
        EXPECT_TRUE(p.readAllStandardOutput().startsWith(c.outStart));
    }
}

} // namespace
