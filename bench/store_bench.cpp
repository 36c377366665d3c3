// The INI store, the exam save, comma text and scoring, each measured next to the least work the
// same job needs (its floor), and printed side by side with the ratio and the target ratio.
#include "HistoryFixture.h"

#include "core/AnswerMatch.h"
#include "core/BitsText.h"
#include "core/CommaText.h"
#include "core/Cp1251.h"
#include "core/History.h"
#include "core/IniFile.h"
#include "core/TestRunEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

QString g_dir; // a folder on the same disk as the program would use

QString storePath(int mb) {
    return g_dir + QStringLiteral("/result-%1mb.ini").arg(mb);
}

const QByteArray& storeBytes(int mb) {
    static std::map<int, QByteArray> cache;
    auto it = cache.find(mb);
    if (it == cache.end()) {
        it = cache.emplace(mb, HistoryFixture::HistoryOfSize(qint64{mb} << 20)).first;
        HistoryFixture::WriteFile(storePath(mb), it->second);
    }
    return it->second;
}

// The floor of every save: the same bytes written beside the file, flushed to disk, renamed over
// it and the rename made durable by a sync of the folder, once.
void rawSave(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        std::abort();
    const int dir = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY);
    if (dir < 0 || ::fsync(dir) != 0)
        std::abort();
    ::close(dir);
}

void BM_IniLoad(benchmark::State& state) {
    const int mb = static_cast<int>(state.range(0));
    storeBytes(mb);
    for (auto _ : state) {
        IniFile ini(storePath(mb));
        benchmark::DoNotOptimize(ini.SectionExists(QStringLiteral("x")));
    }
    state.SetBytesProcessed(state.iterations() * storeBytes(mb).size());
}

void BM_RawReadSplit(benchmark::State& state) {
    const int mb = static_cast<int>(state.range(0));
    storeBytes(mb);
    for (auto _ : state) {
        QFile f(storePath(mb));
        if (!f.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray bytes = f.readAll();
        const QList<QByteArray> lines = bytes.split('\n');
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() * storeBytes(mb).size());
}

void BM_IniChange(benchmark::State& state) {
    const int mb = static_cast<int>(state.range(0));
    storeBytes(mb);
    IniFile ini(storePath(mb));
    QStringList sections;
    ini.ReadSections(sections);
    const QString middle = sections[sections.size() / 2];
    int i = 0;
    for (auto _ : state) {
        // Same-length values, so that every save writes the same number of bytes.
        ini.WriteString(middle, QStringLiteral("ExamResult"), FloatToBitsText(10.0 + (++i % 2)));
    }
}

void BM_RawChange(benchmark::State& state) {
    const int mb = static_cast<int>(state.range(0));
    const QByteArray& bytes = storeBytes(mb);
    const QString path = storePath(mb);
    for (auto _ : state)
        rawSave(path, bytes);
}

const QString& historyPath() {
    static const QString path = g_dir + QStringLiteral("/result-5000.ini");
    return path;
}

void BM_ExamSave(benchmark::State& state) {
    static const QByteArray bytes = HistoryFixture::HistoryBytes(5000);
    HistoryFixture::WriteFile(historyPath(), bytes);
    const IniFile loaded(historyPath());
    const QStringList record = HistoryFixture::ExamRecord(5000);
    for (auto _ : state) {
        state.PauseTiming();
        auto ini = std::make_unique<IniFile>(loaded); // back to 5000 exams
        state.ResumeTiming();
        benchmark::DoNotOptimize(SaveExamSection(*ini, record, 12.5, 46000.5));
        state.PauseTiming();
        ini.reset();
        state.ResumeTiming();
    }
}

void BM_RawExamSave(benchmark::State& state) {
    // What the save of exam 5001 writes.
    IniFile ini(historyPath());
    SaveExamSection(ini, HistoryFixture::ExamRecord(5000), 12.5, 46000.5);
    QByteArray bytes;
    cp1251::encode(ini.ToText(), &bytes);
    for (auto _ : state)
        rawSave(historyPath(), bytes);
}

// Comma text of the largest lists: an exam of 1000 items and a module of 1 MB.
QStringList commaItems(int which) {
    if (which == 0) {
        QStringList items = HistoryFixture::ExamRecord(1, 1000);
        return CommaText::Read(items[1].mid(items[1].indexOf(QLatin1Char('=')) + 1));
    }
    return HistoryFixture::ModuleItems(1 << 20);
}

void BM_CommaWrite(benchmark::State& state) {
    const QStringList items = commaItems(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CommaText::Write(items));
    state.SetItemsProcessed(state.iterations() * items.size());
}

void BM_JoinFloor(benchmark::State& state) {
    const QStringList items = commaItems(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(items.join(QLatin1Char(',')));
    state.SetItemsProcessed(state.iterations() * items.size());
}

void BM_CommaRead(benchmark::State& state) {
    const QStringList items = commaItems(static_cast<int>(state.range(0)));
    const QString text = CommaText::Write(items);
    for (auto _ : state)
        benchmark::DoNotOptimize(CommaText::Read(text));
    state.SetItemsProcessed(state.iterations() * items.size());
}

void BM_SplitFloor(benchmark::State& state) {
    const QStringList items = commaItems(static_cast<int>(state.range(0)));
    const QString text = CommaText::Write(items);
    for (auto _ : state)
        benchmark::DoNotOptimize(text.split(QLatin1Char(',')));
    state.SetItemsProcessed(state.iterations() * items.size());
}

// Scoring: one pass over 1000 answers, and a whole recall of 1000 answers, which scores after
// every answer as the test window does.
TestRunEngine::Config scoringConfig() {
    TestRunEngine::Config c;
    c.Items = commaItems(0);
    c.ElementCount = 1000;
    c.TimeLimit = 1;
    return c;
}

void presentAll(TestRunEngine& engine) {
    engine.StartPresentation(0);
    qint64 t = 0;
    while (engine.CurrentPhase() == TestRunEngine::Phase::Presenting)
        engine.Tick(t += 2);
    engine.BeginRecall();
}

void BM_ScoreOnce(benchmark::State& state) {
    TestRunEngine engine;
    engine.Setup(scoringConfig());
    presentAll(engine);
    for (const QString& item : engine.Presented())
        engine.AddAnswer(item.toUpper() + QLatin1Char(' '));
    for (auto _ : state) {
        for (qsizetype i = 0; i < engine.Presented().size(); ++i)
            benchmark::DoNotOptimize(
                AnswerMatches(engine.Presented().at(i), engine.Answers().at(i)));
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}

void BM_ScoreWholeRecall(benchmark::State& state) {
    const TestRunEngine::Config config = scoringConfig();
    for (auto _ : state) {
        state.PauseTiming();
        TestRunEngine engine;
        engine.Setup(config);
        presentAll(engine);
        const QStringList presented = engine.Presented();
        state.ResumeTiming();
        for (const QString& item : presented) {
            engine.AddAnswer(item);
            benchmark::DoNotOptimize(engine.CheckAnswers());
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}

// Keeps every figure (the median of the repetitions) for the side-by-side table.
class TableReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (r.run_type == Run::RT_Iteration || median)
                if (r.run_type == Run::RT_Iteration ? !seconds.count(r.run_name.str()) : true)
                    seconds[r.run_name.str()] =
                        r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

struct Pair {
    const char* label;
    std::string subject;
    std::string floor;
    const char* floorLabel;
    double target; // 0: measured for the record, no target
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    g_dir = qEnvironmentVariable("ZORVIK_BENCH_DIR",
                                 QDir::currentPath() + QStringLiteral("/bench-work"));
    QDir().mkpath(g_dir);

    for (int mb : {1, 10, 50}) {
        benchmark::RegisterBenchmark("load", BM_IniLoad)->Arg(mb);
        benchmark::RegisterBenchmark("read+split", BM_RawReadSplit)->Arg(mb);
        benchmark::RegisterBenchmark("change", BM_IniChange)->Arg(mb);
        benchmark::RegisterBenchmark("rawsave", BM_RawChange)->Arg(mb);
    }
    benchmark::RegisterBenchmark("examsave", BM_ExamSave);
    benchmark::RegisterBenchmark("rawexamsave", BM_RawExamSave);
    for (int which : {0, 1}) {
        benchmark::RegisterBenchmark("commawrite", BM_CommaWrite)->Arg(which);
        benchmark::RegisterBenchmark("join", BM_JoinFloor)->Arg(which);
        benchmark::RegisterBenchmark("commaread", BM_CommaRead)->Arg(which);
        benchmark::RegisterBenchmark("split", BM_SplitFloor)->Arg(which);
    }
    benchmark::RegisterBenchmark("scoreonce", BM_ScoreOnce);
    benchmark::RegisterBenchmark("scorerecall", BM_ScoreWholeRecall);

    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const std::vector<Pair> pairs = {
        {"INI load 1 MB", "load/1", "read+split/1", "read + split", 3.0},
        {"INI load 10 MB", "load/10", "read+split/10", "read + split", 3.0},
        {"INI load 50 MB", "load/50", "read+split/50", "read + split", 3.0},
        {"INI change 1 MB", "change/1", "rawsave/1", "write+flush", 1.3},
        {"INI change 10 MB", "change/10", "rawsave/10", "write+flush", 1.3},
        {"INI change 50 MB", "change/50", "rawsave/50", "write+flush", 1.3},
        {"exam save, 5000 exams", "examsave", "rawexamsave", "write+flush", 1.3},
        {"comma write 1000 items", "commawrite/0", "join/0", "join", 0},
        {"comma write 1 MB module", "commawrite/1", "join/1", "join", 0},
        {"comma read 1000 items", "commaread/0", "split/0", "split", 0},
        {"comma read 1 MB module", "commaread/1", "split/1", "split", 0},
    };
    std::printf("\n%-26s %12s %12s %-13s %7s %7s\n", "measure", "figure", "floor", "floor is",
                "ratio", "target");
    for (const Pair& p : pairs) {
        const auto s = reporter.seconds.find(p.subject);
        const auto f = reporter.seconds.find(p.floor);
        if (s == reporter.seconds.end() || f == reporter.seconds.end())
            continue;
        const double ratio = s->second / f->second;
        char target[32] = "-";
        if (p.target > 0)
            std::snprintf(target, sizeof target, "%.1fx %s", p.target,
                          ratio <= p.target ? "met" : "MISSED");
        std::printf("%-26s %9.3f ms %9.3f ms %-13s %6.2fx %s\n", p.label, s->second * 1e3,
                    f->second * 1e3, p.floorLabel, ratio, target);
    }
    for (const char* name : {"scoreonce", "scorerecall"}) {
        const auto s = reporter.seconds.find(name);
        if (s != reporter.seconds.end())
            std::printf("%-26s %9.3f ms  (%.0f answers/s)\n",
                        std::string(name) == "scoreonce" ? "score 1000 answers once"
                                                         : "recall of 1000, scored each",
                        s->second * 1e3, 1000 / s->second);
    }
    benchmark::Shutdown();
    return 0;
}
