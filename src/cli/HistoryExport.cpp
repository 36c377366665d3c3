#include "cli/HistoryExport.h"

#include "core/CommaText.h"
#include "core/ResultRecord.h"

#include <QSet>
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
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
std::optional<double> bitsNumber(QStringView text) {
    bool ok = false;
    const qlonglong bits = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    const double v = std::bit_cast<double>(static_cast<std::int64_t>(bits));
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

// The section's values by key, as views into its lines: the first line of each name counts,
// letter case ignored, as the store finds names.
struct SectionValues {
    const QString* line[static_cast<int>(Key::Count)] = {};
    qsizetype from[static_cast<int>(Key::Count)] = {};

    QStringView value(Key k) const {
        const int i = static_cast<int>(k);
        return line[i] ? QStringView(*line[i]).mid(from[i]) : QStringView();
    }
    LineText text(Key k) const {
        const int i = static_cast<int>(k);
        return line[i] ? LineText{*line[i], from[i]} : LineText{};
    }
};

SectionValues sectionValues(const QStringList& lines) {
    SectionValues out;
    for (const QString& line : lines) {
        // The keys are short and the values long: a plain scan finds "=" before a library search
        // has set itself up.
        const char16_t* t = QStringView(line).utf16();
        qsizetype eq = 0;
        while (eq < line.size() && t[eq] != u'=')
            ++eq;
        if (eq <= 0 || eq == line.size())
            continue;
        const QStringView name = QStringView(line).left(eq);
        for (int k = 0; k < static_cast<int>(Key::Count); ++k) {
            const QString& key = keyName(static_cast<Key>(k));
            if (!out.line[k] && name.size() == key.size() &&
                name.compare(key, Qt::CaseInsensitive) == 0) {
                out.line[k] = &line;
                out.from[k] = eq + 1;
                break;
            }
        }
    }
    return out;
}

// Reads one section; an empty optional and the reason when it cannot be exported.
std::optional<ExamRow> readExam(const QString& section, const QStringList& lines, QString* reason) {
    const SectionValues values = sectionValues(lines);
    const auto value = [&](Key k) { return values.value(k); };
    const auto notNumber = [&](Key k) {
        *reason = QStringLiteral("значение %1 не число").arg(keyName(k));
        return std::nullopt;
    };
    ExamRow row;
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
    // The last millisecond of 9999 can round into the year 10000.
    if (row.day.year() > 9999) {
        *reason = QStringLiteral("дата вне 1–9999 годов");
        return std::nullopt;
    }

    for (const Key k : {Key::NumsCnt, Key::OkAnswer, Key::BadAnswer}) {
        const QStringView text = value(k);
        if (text.isEmpty())
            continue;
        const std::optional<int> n = ParseIniInteger(text.toString());
        if (!n)
            return notNumber(k);
        (k == Key::NumsCnt ? row.items : k == Key::OkAnswer ? row.right : row.wrong) = *n;
    }
    if (!value(Key::TestDt).isEmpty()) {
        const std::optional<double> days = bitsNumber(value(Key::TestDt));
        if (!days)
            return notNumber(Key::TestDt);
        // The clock has millisecond resolution; without the rounding 30 s would read 29.999...
        // A duration too large for seconds to be a finite number is no duration.
        const double ms = std::round(*days * kMSecsPerDay);
        if (!std::isfinite(ms))
            return notNumber(Key::TestDt);
        row.seconds = ms / 1000.0;
    }
    if (!value(Key::Avg).isEmpty()) {
        const std::optional<double> avg = bitsNumber(value(Key::Avg));
        if (!avg)
            return notNumber(Key::Avg);
        row.perItem = *avg;
    }
    row.presented = values.text(Key::MyAnswerList);
    row.answers = values.text(Key::ValidAnswerList);
    return row;
}

// Writes the UTF-8 bytes of the code point at t[i] to p, moving i past a surrogate pair; returns
// the end. At most three bytes a unit (a pair gives four for two). Code page 1251 gives no
// surrogates; a lone one, should text ever hold it, becomes U+FFFD so that the output is always
// well formed.
char* putUtf8(char* p, const char16_t* t, qsizetype& i, qsizetype n) {
    char32_t c = t[i];
    if (c < 0x80) {
        *p++ = static_cast<char>(c);
        return p;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(t[i + 1])) {
        c = QChar::surrogateToUcs4(static_cast<char16_t>(c), t[++i]);
    } else if (QChar::isSurrogate(c)) {
        c = 0xFFFD;
    }
    if (c < 0x800) {
        *p++ = static_cast<char>(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        *p++ = static_cast<char>(0xE0 | (c >> 12));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    } else {
        *p++ = static_cast<char>(0xF0 | (c >> 18));
        *p++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    *p++ = static_cast<char>(0x80 | (c & 0x3F));
    return p;
}

// Appends text as UTF-8, written straight into room for the longest encoding: appending byte by
// byte costs more than the whole rest of an export.
void appendUtf8(QByteArray& out, QStringView text) {
    const qsizetype n = text.size();
    const qsizetype old = out.size();
    out.resize(old + 3 * n);
    char* p = out.data() + old;
    const char16_t* t = text.utf16();
    for (qsizetype i = 0; i < n; ++i)
        p = putUtf8(p, t, i, n);
    out.resize(p - out.data());
}

// Comma text without quotes, blanks or control characters (the lists of nearly every exam): its
// items are the pieces between the commas, as CommaText::Read reads them.
bool isPlainList(QStringView text) {
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.unicode() <= 32 || c.unicode() == u'"'; });
}

// A plain list as JSON strings in one pass: each comma closes one string and opens the next.
void appendPlainJsonList(QByteArray& out, QStringView text) {
    const qsizetype n = text.size();
    const qsizetype old = out.size();
    out.resize(old + 3 * n + 2);
    char* p = out.data() + old;
    const char16_t* t = text.utf16();
    *p++ = '"';
    for (qsizetype i = 0; i < n; ++i) {
        if (t[i] == u',') {
            *p++ = '"';
            *p++ = ',';
            *p++ = '"';
        } else if (t[i] == u'\\') {
            *p++ = '\\';
            *p++ = '\\';
        } else {
            p = putUtf8(p, t, i, n);
        }
    }
    *p++ = '"';
    out.resize(p - out.data());
}

void appendCsvField(QByteArray& out, QStringView text) {
    bool quote = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == u'"' || u == u',') {
            quote = true;
            break;
        }
    }
    if (quote)
        out += '"';
    if (NeedsFormulaGuard(text))
        out += '\'';
    if (!quote) {
        appendUtf8(out, text);
        return;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('"')) {
            appendUtf8(out, text.mid(start, i + 1 - start));
            out += '"';
            start = i + 1;
        }
    }
    appendUtf8(out, text.mid(start));
    out += '"';
}

void appendJsonString(QByteArray& out, QStringView text) {
    static const char hex[] = "0123456789abcdef";
    out += '"';
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= 0x20 && u != u'"' && u != u'\\')
            continue;
        appendUtf8(out, text.mid(start, i - start));
        start = i + 1;
        switch (u) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        default:
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        }
    }
    appendUtf8(out, text.mid(start));
    out += '"';
}

template <typename T>
void appendOptional(QByteArray& out, const std::optional<T>& v, const char* missing) {
    if (!v) {
        out += missing;
    } else if constexpr (std::is_same_v<T, int>) {
        char buf[16];
        out.append(buf, std::to_chars(buf, buf + sizeof buf, *v).ptr - buf);
    } else {
        out += NumberText(*v);
    }
}

} // namespace

qint64 ExamRow::timeKey() const {
    return QDate(1899, 12, 30).daysTo(day) * 86400000 + msOfDay;
}

ExamSet ReadExams(const IniFile& ini) {
    ExamSet set;
    QStringList sections;
    ini.ReadSections(sections);
    set.exams.reserve(static_cast<size_t>(sections.size()));
    // The store keeps a second section of a name but serves the last one for both, so the same
    // exam would be exported twice; a section served before comes back as the same shared lines.
    QSet<const QString*> seen;
    seen.reserve(sections.size());
    QStringList lines;
    for (const QString& section : sections) {
        ini.ReadSectionValues(section, lines);
        if (!lines.isEmpty()) {
            if (seen.contains(lines.constData()))
                continue;
            seen.insert(lines.constData());
        }
        QString reason;
        if (std::optional<ExamRow> row = readExam(section, lines, &reason))
            set.exams.push_back(std::move(*row));
        else
            set.warnings.append(QStringLiteral("zorvik-history: раздел [%1] пропущен: %2")
                                    .arg(printable(section), reason));
    }
    // Exams are appended as they are taken, so the file is nearly always in order already.
    const auto earlier = [](const ExamRow& a, const ExamRow& b) {
        return a.timeKey() < b.timeKey();
    };
    if (!std::is_sorted(set.exams.begin(), set.exams.end(), earlier))
        std::stable_sort(set.exams.begin(), set.exams.end(), earlier);
    return set;
}

std::vector<ExamRow> ExamsBetween(std::vector<ExamRow> exams, const QDate& from, const QDate& to) {
    std::erase_if(exams, [&](const ExamRow& e) {
        return (from.isValid() && e.day < from) || (to.isValid() && e.day > to);
    });
    return exams;
}

QByteArray IsoDateTime(const QDate& day, int msOfDay) {
    int y = 0, m = 0, d = 0;
    day.getDate(&y, &m, &d);
    const int s = msOfDay / 1000;
    const int ms = msOfDay % 1000;
    char buf[24];
    char* p = buf;
    const auto digits = [&p](int v, int width) {
        for (int i = width - 1; i >= 0; --i, v /= 10)
            p[i] = static_cast<char>('0' + v % 10);
        p += width;
    };
    digits(y, 4);
    *p++ = '-';
    digits(m, 2);
    *p++ = '-';
    digits(d, 2);
    *p++ = 'T';
    digits(s / 3600, 2);
    *p++ = ':';
    digits(s / 60 % 60, 2);
    *p++ = ':';
    digits(s % 60, 2);
    if (ms != 0) {
        *p++ = '.';
        digits(ms, 3);
    }
    return QByteArray(buf, p - buf);
}

QByteArray NumberText(double value) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return QByteArray(buf, r.ptr - buf);
}

bool NeedsFormulaGuard(QStringView text) {
    if (text.isEmpty())
        return false;
    switch (text.front().unicode()) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\r':
    case u'\'':
        return true;
    default:
        return false;
    }
}

QString GuardFormula(const QString& text) {
    return NeedsFormulaGuard(text) ? QLatin1Char('\'') + text : text;
}

QByteArray CsvHeader() {
    return QByteArrayLiteral("section,date,coefficient,items,right,wrong,seconds,seconds_per_item,"
                             "presented,answers\r\n");
}

void AppendCsvRow(const ExamRow& exam, QByteArray& out) {
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
    appendCsvField(out, exam.presented.view());
    out += ',';
    appendCsvField(out, exam.answers.view());
    out += "\r\n";
}

void AppendJsonObject(const ExamRow& exam, QByteArray& out) {
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
        const QStringView list = text->view();
        if (list.isEmpty()) {
            // No items.
        } else if (isPlainList(list)) {
            appendPlainJsonList(out, list);
        } else {
            bool first = true;
            for (const QString& item : CommaText::Read(list.toString())) {
                if (!first)
                    out += ',';
                first = false;
                appendJsonString(out, item);
            }
        }
        out += ']';
    }
    out += '}';
}
