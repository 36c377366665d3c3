#include "cli/HistoryCli.h"

#include "cli/HistoryExport.h"
#include "core/History.h"
#include "core/IniFile.h"
#include "core/StoredExam.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

const QString kName = QStringLiteral("zorvik-history");

// Output goes out in pieces of about this size: large enough that the writes cost nothing, small
// enough that a long history never sits in memory twice.
constexpr qsizetype kChunk = 1 << 20;

enum class Mode { List, Csv, Json, Stats };

struct Options {
    Mode mode = Mode::List;
    bool modeGiven = false;
    bool help = false;
    bool version = false;
    QString file;
    QDate from, to;
};

// A day given as 2007-03-15 or 15.03.2007.
QDate parseDay(const QString& text) {
    QDate d = QDate::fromString(text, Qt::ISODate);
    if (!d.isValid())
        d = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
    return d;
}

// Parses the arguments; an error text when they are wrong.
std::optional<QString> parseArgs(const QStringList& args, Options& o) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        std::optional<QString> inlineValue;
        if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
            inlineValue = arg.mid(arg.indexOf(QLatin1Char('=')) + 1);
            arg.truncate(arg.indexOf(QLatin1Char('=')));
        }
        const auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return args[++i];
            return std::nullopt;
        };
        const auto setMode = [&](Mode m) -> std::optional<QString> {
            if (o.modeGiven && o.mode != m)
                return QStringLiteral("параметры --csv, --json и --stats нельзя сочетать");
            o.mode = m;
            o.modeGiven = true;
            return std::nullopt;
        };
        std::optional<QString> error;
        if (inlineValue && arg != QLatin1String("--file") && arg != QLatin1String("--from") &&
            arg != QLatin1String("--to")) {
            error = QStringLiteral("у параметра %1 нет значения").arg(arg);
        } else if (arg == QLatin1String("--csv")) {
            error = setMode(Mode::Csv);
        } else if (arg == QLatin1String("--json")) {
            error = setMode(Mode::Json);
        } else if (arg == QLatin1String("--stats")) {
            error = setMode(Mode::Stats);
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            o.help = true;
        } else if (arg == QLatin1String("--version")) {
            o.version = true;
        } else if (arg == QLatin1String("--file")) {
            const std::optional<QString> v = value();
            if (!v || v->isEmpty())
                error = QStringLiteral("после --file нужен путь к файлу");
            else
                o.file = *v;
        } else if (arg == QLatin1String("--from") || arg == QLatin1String("--to")) {
            const std::optional<QString> v = value();
            const QDate d = v ? parseDay(*v) : QDate();
            if (!d.isValid())
                error = QStringLiteral("после %1 нужна дата вида 2007-03-15 или 15.03.2007%2")
                            .arg(arg, v ? QStringLiteral(", а не «%1»").arg(*v) : QString());
            else
                (arg == QLatin1String("--from") ? o.from : o.to) = d;
        } else {
            error = QStringLiteral("неизвестный параметр: %1").arg(args[i]);
        }
        if (error)
            return error;
    }
    return std::nullopt;
}

// Writes out what the buffer holds once it is large or when told to; remembers a failure.
struct Sink {
    QIODevice& device;
    QByteArray buffer;
    bool failed = false;

    void flush(bool always) {
        if (buffer.isEmpty() || (!always && buffer.size() < kChunk))
            return;
        if (!failed && device.write(buffer) != buffer.size())
            failed = true;
        // Keeps the allocation for the next piece.
        buffer.resize(0);
    }
};

void writeText(QIODevice& device, const QString& text) {
    device.write(text.toUtf8());
}

void writeList(Sink& sink, const std::vector<ExamRow>& exams) {
    // The date column is as wide as its longest text, so that the coefficients stand in a column.
    QStringList dates;
    dates.reserve(static_cast<qsizetype>(exams.size()));
    qsizetype width = 0;
    for (const ExamRow& e : exams) {
        dates.append(HistoryDateText(e.date));
        width = std::max(width, dates.back().size());
    }
    for (size_t i = 0; i < exams.size(); ++i) {
        const QString& date = dates[static_cast<qsizetype>(i)];
        sink.buffer += (date + QString(width - date.size() + 1, QLatin1Char(' ')) +
                        HistoryResultText(exams[i].coefficient) + QLatin1Char('\n'))
                           .toUtf8();
        sink.flush(false);
    }
}

} // namespace

QString DefaultHistoryPath(const CliEnvironment& env) {
    const QString dir = QDir::cleanPath(env.programDir);
    if (QFileInfo(dir + QStringLiteral("/../lib/zorvik/zorvik")).isFile()) {
        // XDG says a relative XDG_DATA_HOME is invalid and must be ignored, as the launcher does.
        const QString dataHome = QDir::isAbsolutePath(env.xdgDataHome)
                                     ? env.xdgDataHome
                                     : env.home + QStringLiteral("/.local/share");
        return QDir::cleanPath(dataHome + QStringLiteral("/zorvik/result.ini"));
    }
    return dir + QStringLiteral("/result.ini");
}

QString CliHelpText() {
    return QStringLiteral(
        "Использование: zorvik-history [ПАРАМЕТРЫ]\n"
        "Выводит историю экзаменов Zorvik из файла result.ini. Файл только читается: программу\n"
        "Zorvik можно не закрывать.\n"
        "\n"
        "Без параметров выводится по строке на экзамен, от старых к новым: дата и день недели,\n"
        "коэффициент, как в списке главного окна.\n"
        "  --csv          все экзамены в CSV (RFC 4180, UTF-8) со строкой заголовка: section,\n"
        "                 date, coefficient, items, right, wrong, seconds, seconds_per_item,\n"
        "                 presented, answers\n"
        "  --json         то же как массив JSON\n"
        "  --stats        число экзаменов, лучший коэффициент и его дата, среднее за последние "
        "10,\n"
        "                 среднее и лучший коэффициент по месяцам, тренд коэффициента (наклон\n"
        "                 по методу наименьших квадратов за 30 дней) и число экзаменов, на\n"
        "                 которых он основан\n"
        "  --file ПУТЬ    читать этот файл\n"
        "  --from ДАТА    только экзамены начиная с этого дня (2007-03-15 или 15.03.2007)\n"
        "  --to ДАТА      только экзамены по этот день включительно\n"
        "  -h, --help     эта справка\n"
        "  --version      версия\n"
        "\n"
        "Без --file читается result.ini рядом с программой, а если она установлена пакетом\n"
        "(/usr/bin/zorvik-history), то из папки пользователя\n"
        "${XDG_DATA_HOME:-~/.local/share}/zorvik/.\n"
        "\n"
        "CSV и JSON: date — дата и время экзамена по местному времени (ISO 8601), seconds — время\n"
        "показа в секундах, seconds_per_item — среднее время на элемент. Числа записываются\n"
        "без кавычек, с точкой. В CSV списки показанных элементов (presented) и ответов (answers)\n"
        "занимают по одному полю, в том виде, в каком их хранит программа: через запятую,\n"
        "элемент с пробелом, запятой или кавычкой — в кавычках. Перед текстовым полем CSV,\n"
        "которое начинается с «=», «+», «-», «@», табуляции, возврата каретки или апострофа,\n"
        "ставится апостроф «'», чтобы электронная таблица не приняла его за формулу; исходный\n"
        "текст получается отбрасыванием этого одного апострофа. В JSON списки — массивы\n"
        "строк, текст не меняется.\n"
        "\n"
        "Раздел без даты или коэффициента или с нечисловым значением пропускается, о каждом\n"
        "выводится одна строка предупреждения.\n"
        "\n"
        "Коды выхода: 0 — успешно, 1 — ошибка в параметрах, 2 — файл истории не найден или не\n"
        "читается, 3 — не удалось записать вывод.\n");
}

int RunHistoryCli(const QStringList& args, const CliEnvironment& env, QIODevice& out,
                  QIODevice& err) {
    Options o;
    if (const std::optional<QString> error = parseArgs(args, o)) {
        writeText(err, QStringLiteral("%1: %2\nСправка: %1 --help\n").arg(kName, *error));
        return CliExit::Usage;
    }
    if (o.help || o.version) {
        const QString text = o.help
                                 ? CliHelpText()
                                 : kName + QLatin1Char(' ') +
                                       QStringLiteral(ZORVIK_HISTORY_VERSION) + QLatin1Char('\n');
        return out.write(text.toUtf8()) < 0 ? CliExit::WriteFailed : CliExit::Ok;
    }

    const QString path = o.file.isEmpty() ? DefaultHistoryPath(env) : o.file;
    const QFileInfo info(path);
    if (!info.exists()) {
        writeText(err, QStringLiteral("%1: нет файла истории %2\n").arg(kName, path));
        return CliExit::NoHistory;
    }
    // The program saves by renaming a finished file over the old one, so the file opened here is
    // always a whole one, old or new; no lock is needed and none is taken.
    const IniFile ini(path, StoredExam::KeyNames());
    // An unreadable history must not pass for one without exams.
    if (!ini.ReadError().isEmpty()) {
        writeText(
            err,
            QStringLiteral("%1: не удаётся прочитать %2: %3\n").arg(kName, path, ini.ReadError()));
        return CliExit::NoHistory;
    }
    ExamSet set = ReadExams(ini);
    for (const QString& w : set.warnings)
        writeText(err, w + QLatin1Char('\n'));
    const std::vector<ExamRow> exams = ExamsBetween(std::move(set.exams), o.from, o.to);

    Sink sink{out, {}, false};
    sink.buffer.reserve(2 * kChunk);
    switch (o.mode) {
    case Mode::List:
        writeList(sink, exams);
        break;
    case Mode::Csv:
        sink.buffer += CsvHeader();
        for (const ExamRow& e : exams) {
            AppendCsvRow(e, sink.buffer);
            sink.flush(false);
        }
        break;
    case Mode::Json:
        sink.buffer += exams.empty() ? "[" : "[\n";
        for (size_t i = 0; i < exams.size(); ++i) {
            AppendJsonObject(exams[i], sink.buffer);
            sink.buffer += i + 1 < exams.size() ? ",\n" : "\n";
            sink.flush(false);
        }
        sink.buffer += "]\n";
        break;
    case Mode::Stats: {
        const std::vector<HistoryStats::Exam> figures = StatsExams(exams);
        sink.buffer += StatsText(ComputeStats(figures), figures).toUtf8();
        break;
    }
    }
    sink.flush(true);
    if (sink.failed) {
        writeText(
            err,
            QStringLiteral("%1: не удалось записать вывод: %2\n").arg(kName, out.errorString()));
        return CliExit::WriteFailed;
    }
    return CliExit::Ok;
}
