#include "cli/ExamRow.h"

#include "core/BitsText.h"
#include "core/ResultRecord.h"

#include <QSet>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

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
