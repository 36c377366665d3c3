#include "cli/HistoryExport.h"

#include "modules/CommaText.h"
#include "results/ResultRecordUnit.h"

#include <QSet>
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <type_traits>

namespace {

const QString kExamDate = QStringLiteral("ExamDate");

// The first day and the last day that ISO 8601 writes with four year digits, as day counts.
constexpr double kFirstDay = -693593.0; // 1 January 0001
constexpr double kLastDay = 2958466.0;  // the day after 31 December 9999

enum class Key {
    ExamDate,
    ExamResult,
    ValidAnswerList,
    MyAnswerList,
    TestDt,
    NumsCnt,
    OkAnswer,
    BadAnswer,
    Avg,
    Count
};

const QString& keyName(Key k) {
    static const QString names[] = {kExamDate,
                                    ResultKey::ExamResult,
                                    ResultKey::ValidAnswerList,
                                    ResultKey::MyAnswerList,
                                    ResultKey::TestDt,
                                    ResultKey::NumsCnt,
                                    ResultKey::OkAnswer,
                                    ResultKey::BadAnswer,
                                    ResultKey::Avg};
    return names[static_cast<int>(k)];
}

// A section name or key as a warning line may show it: control characters would break the line or
// steer the terminal.
QString printable(QString text) {
    for (QChar& c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    return text;
}

// Bits text that the program wrote: a signed 64-bit decimal whose double is a finite number.
std::optional<double> bitsNumber(const QString& text) {
    bool ok = false;
    const qlonglong bits = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    const double v = std::bit_cast<double>(static_cast<std::int64_t>(bits));
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

// The section's values by key: the first line of each name counts, letter case ignored, as the
// store finds names.
struct SectionValues {
    std::optional<QString> v[static_cast<int>(Key::Count)];
};

SectionValues sectionValues(const QStringList& lines) {
    SectionValues out;
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QStringView name = QStringView(line).left(eq);
        for (int k = 0; k < static_cast<int>(Key::Count); ++k) {
            if (!out.v[k] && name.compare(keyName(static_cast<Key>(k)), Qt::CaseInsensitive) == 0) {
                out.v[k] = line.mid(eq + 1);
                break;
            }
        }
    }
    return out;
}

// Reads one section; an empty optional and the reason when it cannot be exported.
std::optional<TExamRow> readExam(const QString& section, const QStringList& lines,
                                 QString* reason) {
    const SectionValues values = sectionValues(lines);
    const auto value = [&](Key k) -> QString {
        const std::optional<QString>& v = values.v[static_cast<int>(k)];
        return v ? *v : QString();
    };
    const auto notNumber = [&](Key k) {
        *reason = QStringLiteral("значение %1 не число").arg(keyName(k));
        return std::nullopt;
    };
    TExamRow row;
    row.section = section;
    if (value(Key::ExamDate).isEmpty()) {
        *reason = QStringLiteral("нет даты экзамена (ExamDate)");
        return std::nullopt;
    }
    if (value(Key::ExamResult).isEmpty()) {
        *reason = QStringLiteral("нет коэффициента (ExamResult)");
        return std::nullopt;
    }
    const std::optional<double> date = bitsNumber(value(Key::ExamDate));
    if (!date)
        return notNumber(Key::ExamDate);
    if (*date < kFirstDay || *date >= kLastDay) {
        *reason = QStringLiteral("дата вне 1–9999 годов");
        return std::nullopt;
    }
    const std::optional<double> coefficient = bitsNumber(value(Key::ExamResult));
    if (!coefficient)
        return notNumber(Key::ExamResult);
    row.date = *date;
    row.coefficient = *coefficient;
    // The day count keeps the time of day as a positive fraction also before the epoch, as the
    // main window reads it.
    const double whole = std::trunc(*date);
    qint64 ms = std::llround(std::fabs(*date - whole) * kMSecsPerDay);
    qint64 dayNumber = static_cast<qint64>(whole);
    if (ms >= 86400000) {
        ++dayNumber;
        ms -= 86400000;
    }
    row.day = QDate(1899, 12, 30).addDays(dayNumber);
    row.msOfDay = static_cast<int>(ms);

    for (const Key k : {Key::NumsCnt, Key::OkAnswer, Key::BadAnswer}) {
        const QString text = value(k);
        if (text.isEmpty())
            continue;
        const std::optional<int> n = ParseIniInteger(text);
        if (!n)
            return notNumber(k);
        (k == Key::NumsCnt ? row.items : k == Key::OkAnswer ? row.right : row.wrong) = *n;
    }
    if (!value(Key::TestDt).isEmpty()) {
        const std::optional<double> days = bitsNumber(value(Key::TestDt));
        if (!days)
            return notNumber(Key::TestDt);
        // The clock has millisecond resolution; without the rounding 30 s would read 29.999...
        row.seconds = static_cast<double>(DurationToMSecs(*days)) / 1000.0;
    }
    if (!value(Key::Avg).isEmpty()) {
        const std::optional<double> avg = bitsNumber(value(Key::Avg));
        if (!avg)
            return notNumber(Key::Avg);
        row.perItem = *avg;
    }
    row.presented = value(Key::MyAnswerList);
    row.answers = value(Key::ValidAnswerList);
    return row;
}

void appendCsvField(QByteArray& out, const QString& text) {
    const QString guarded = GuardFormula(text);
    const QByteArray utf8 = guarded.toUtf8();
    bool quote = false;
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '"' || c == ',') {
            quote = true;
            break;
        }
    }
    if (!quote) {
        out += utf8;
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendJsonString(QByteArray& out, const QString& text) {
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                out += "\\u00";
                out += hex[u >> 4];
                out += hex[u & 15];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

template <typename T>
void appendOptional(QByteArray& out, const std::optional<T>& v, const char* missing) {
    if (!v) {
        out += missing;
    } else if constexpr (std::is_same_v<T, int>) {
        out += QByteArray::number(*v);
    } else {
        out += NumberText(*v);
    }
}

} // namespace

qint64 TExamRow::timeKey() const {
    return QDate(1899, 12, 30).daysTo(day) * 86400000 + msOfDay;
}

TExamSet ReadExams(const TMyIniFile& ini) {
    TExamSet set;
    QStringList sections;
    ini.ReadSections(sections);
    set.exams.reserve(static_cast<size_t>(sections.size()));
    QSet<QString> seen;
    seen.reserve(sections.size());
    QStringList lines;
    for (const QString& section : sections) {
        // The store serves one section per name; a second one of the same name would repeat it.
        const QString folded = section.toCaseFolded();
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        ini.ReadSectionValues(section, lines);
        QString reason;
        if (std::optional<TExamRow> row = readExam(section, lines, &reason))
            set.exams.push_back(std::move(*row));
        else
            set.warnings.append(QStringLiteral("zorvik-history: раздел [%1] пропущен: %2")
                                    .arg(printable(section), reason));
    }
    std::stable_sort(set.exams.begin(), set.exams.end(), [](const TExamRow& a, const TExamRow& b) {
        return a.timeKey() < b.timeKey();
    });
    return set;
}

std::vector<TExamRow> ExamsBetween(std::vector<TExamRow> exams, const QDate& from,
                                   const QDate& to) {
    std::erase_if(exams, [&](const TExamRow& e) {
        return (from.isValid() && e.day < from) || (to.isValid() && e.day > to);
    });
    return exams;
}

QByteArray IsoDateTime(const QDate& day, int msOfDay) {
    char buf[32];
    const int ms = msOfDay % 1000;
    const int s = msOfDay / 1000;
    int n = std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", day.year(), day.month(),
                          day.day(), s / 3600, s / 60 % 60, s % 60);
    if (ms != 0)
        n += std::snprintf(buf + n, sizeof buf - static_cast<size_t>(n), ".%03d", ms);
    return QByteArray(buf, n);
}

QByteArray NumberText(double value) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return QByteArray(buf, r.ptr - buf);
}

QString GuardFormula(const QString& text) {
    if (text.isEmpty())
        return text;
    switch (text.front().unicode()) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\r':
    case u'\'':
        return QLatin1Char('\'') + text;
    default:
        return text;
    }
}

QByteArray CsvHeader() {
    return QByteArrayLiteral("section,date,coefficient,items,right,wrong,seconds,seconds_per_item,"
                             "presented,answers\r\n");
}

void AppendCsvRow(const TExamRow& exam, QByteArray& out) {
    appendCsvField(out, exam.section);
    out += ',';
    out += IsoDateTime(exam.day, exam.msOfDay);
    out += ',';
    out += NumberText(exam.coefficient);
    out += ',';
    appendOptional(out, exam.items, "");
    out += ',';
    appendOptional(out, exam.right, "");
    out += ',';
    appendOptional(out, exam.wrong, "");
    out += ',';
    appendOptional(out, exam.seconds, "");
    out += ',';
    appendOptional(out, exam.perItem, "");
    out += ',';
    appendCsvField(out, exam.presented);
    out += ',';
    appendCsvField(out, exam.answers);
    out += "\r\n";
}

void AppendJsonObject(const TExamRow& exam, QByteArray& out) {
    out += "{\"section\":";
    appendJsonString(out, exam.section);
    out += ",\"date\":\"";
    out += IsoDateTime(exam.day, exam.msOfDay);
    out += "\",\"coefficient\":";
    out += NumberText(exam.coefficient);
    out += ",\"items\":";
    appendOptional(out, exam.items, "null");
    out += ",\"right\":";
    appendOptional(out, exam.right, "null");
    out += ",\"wrong\":";
    appendOptional(out, exam.wrong, "null");
    out += ",\"seconds\":";
    appendOptional(out, exam.seconds, "null");
    out += ",\"seconds_per_item\":";
    appendOptional(out, exam.perItem, "null");
    for (const auto& [name, text] : {std::pair{",\"presented\":[", &exam.presented},
                                     std::pair{",\"answers\":[", &exam.answers}}) {
        out += name;
        bool first = true;
        for (const QString& item : CommaText::Read(*text)) {
            if (!first)
                out += ',';
            first = false;
            appendJsonString(out, item);
        }
        out += ']';
    }
    out += '}';
}
