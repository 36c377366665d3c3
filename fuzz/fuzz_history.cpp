#include "FuzzSupport.h"
#include "cli/HistoryExport.h"
#include "core/CommaText.h"
#include "core/Cp1251.h"
#include "core/History.h"
#include "core/HistoryStats.h"
#include "core/StoredExam.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <bit>
#include <cmath>

namespace {

// The fields of one CSV record as RFC 4180 reads them.
QByteArrayList CsvFields(const QByteArray& line) {
    QByteArrayList fields{QByteArray()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"')
            fields.last() += line[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.append(QByteArray());
        else
            fields.last() += c;
    }
    FUZZ_CHECK(!quoted);
    return fields;
}

bool SameNumber(double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

// A count is written as an integer, a time as the shortest text of its double ("5e+06" is a time,
// never a count).
template <typename T> QByteArray NumberField(const std::optional<T>& v) {
    if (!v)
        return {};
    if constexpr (std::is_same_v<T, int>)
        return QByteArray::number(*v);
    else
        return NumberText(*v);
}

QStringList Items(const LineText& list) {
    return list.view().isEmpty() ? QStringList() : CommaText::Read(list.view().toString());
}

void CheckCsv(const ExamRow& e) {
    QByteArray out;
    AppendCsvRow(e, out);
    FUZZ_CHECK(out.endsWith("\r\n"));
    const QByteArrayList f = CsvFields(out.chopped(2));
    FUZZ_CHECK(f.size() == 10);
    FUZZ_CHECK(QString::fromUtf8(f[0]) == GuardFormula(e.section));
    FUZZ_CHECK(f[1] == IsoDateTime(e.day, e.msOfDay));
    FUZZ_CHECK(SameNumber(f[2].toDouble(), e.coefficient));
    FUZZ_CHECK(f[3] == NumberField(e.items) && f[4] == NumberField(e.right) &&
               f[5] == NumberField(e.wrong));
    FUZZ_CHECK(f[6].isEmpty() ? !e.seconds : SameNumber(f[6].toDouble(), *e.seconds));
    FUZZ_CHECK(f[7].isEmpty() ? !e.perItem : SameNumber(f[7].toDouble(), *e.perItem));
    FUZZ_CHECK(QString::fromUtf8(f[8]) == GuardFormula(e.presented.view().toString()));
    FUZZ_CHECK(QString::fromUtf8(f[9]) == GuardFormula(e.answers.view().toString()));
}

void CheckJson(const ExamRow& e) {
    QByteArray out;
    AppendJsonObject(e, out);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(out, &error).object();
    FUZZ_CHECK(error.error == QJsonParseError::NoError);
    FUZZ_CHECK(o.value(QLatin1String("section")).toString() == e.section);
    FUZZ_CHECK(o.value(QLatin1String("date")).toString().toLatin1() ==
               IsoDateTime(e.day, e.msOfDay));
    // A JSON reader may take "-0" for the integer 0: numbers are compared as numbers.
    FUZZ_CHECK(o.value(QLatin1String("coefficient")).toDouble() == e.coefficient);
    const auto number = [&](const char* key, auto v) {
        const QJsonValue j = o.value(QLatin1String(key));
        FUZZ_CHECK(v ? j.toDouble() == static_cast<double>(*v) : j.isNull());
    };
    number("items", e.items);
    number("right", e.right);
    number("wrong", e.wrong);
    number("seconds", e.seconds);
    number("seconds_per_item", e.perItem);
    FUZZ_CHECK(o.value(QLatin1String("presented")).toArray().toVariantList() ==
               QVariant(Items(e.presented)).toList());
    FUZZ_CHECK(o.value(QLatin1String("answers")).toArray().toVariantList() ==
               QVariant(Items(e.answers)).toList());
}

// The load that notes the exam keys as it passes gives each section the values a search of the
// section finds, and the exams read through it are the same.
void CheckIndexedLoad(const QString& path, const IniFile& plain, const ExamSet& set) {
    const QStringList& names = StoredExam::KeyNames();
    const IniFile indexed(path, names);
    QStringList sections;
    plain.ReadSections(sections);
    qsizetype at = 0;
    indexed.ReadIndexed(names, [&](const IniFile::IndexedSection& s) {
        FUZZ_CHECK(at < sections.size() && s.name == sections[at++]);
        const QStringList values = plain.ReadStrings(s.name, names);
        for (qsizetype k = 0; k < names.size(); ++k) {
            const QByteArrayView v = s.values[k];
            FUZZ_CHECK(v.isNull() == values[k].isNull());
            FUZZ_CHECK(v.isNull() || cp1251::decode(v.toByteArray()) == values[k]);
        }
    });
    FUZZ_CHECK(at == sections.size());
    const ExamSet again = ReadExams(indexed);
    FUZZ_CHECK(again.exams.size() == set.exams.size() && again.warnings == set.warnings);
    for (size_t i = 0; i < again.exams.size(); ++i)
        FUZZ_CHECK(again.exams[i].section == set.exams[i].section &&
                   SameNumber(again.exams[i].coefficient, set.exams[i].coefficient) &&
                   SameNumber(again.exams[i].date, set.exams[i].date));
}

} // namespace

// Any history file: the command reads its exams, and every exam it writes as CSV or JSON parses
// back to the same values; the statistics and the main window's reading of the same file never
// fail, and the indexed load agrees with the plain one.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = FuzzFile(data, size);
    const IniFile ini(path);
    const ExamSet set = ReadExams(ini);
    for (const ExamRow& e : set.exams) {
        FUZZ_CHECK(std::isfinite(e.coefficient));
        CheckCsv(e);
        CheckJson(e);
    }
    const std::vector<HistoryStats::Exam> exams = StatsExams(set.exams);
    (void)StatsText(ComputeStats(exams), exams);
    QStringList sections;
    ini.ReadSections(sections);
    FUZZ_CHECK(ReadHistory(ini).size() == static_cast<size_t>(sections.size()));
    CheckIndexedLoad(path, ini, set);
    return 0;
}
