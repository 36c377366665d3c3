#include "cli/ExamRow.h"

#include "core/Cp1251.h"
#include "core/StoredExam.h"

#include <algorithm>

namespace {

// A section name or key as a warning line may show it: control characters would break the line or
// steer the terminal.
QString printable(QString text) {
    for (QChar& c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    return text;
}

QString faultText(const StoredExam& exam) {
    switch (exam.fault) {
    case StoredExam::Fault::NoDate:
        return QStringLiteral("нет даты экзамена (ExamDate)");
    case StoredExam::Fault::NoResult:
        return QStringLiteral("нет коэффициента (ExamResult)");
    case StoredExam::Fault::DateOutOfRange:
        return QStringLiteral("дата вне 1–9999 годов");
    default:
        return QStringLiteral("значение %1 не число").arg(StoredExam::KeyNames().at(exam.faultKey));
    }
}

LineText listText(QByteArrayView value) {
    QString text(value.size(), Qt::Uninitialized);
    cp1251::decodeInto(value.data(), value.size(), text.data());
    return {value.isNull() ? QString() : text, 0};
}

} // namespace

ExamSet ReadExams(const IniFile& ini) {
    ExamSet set;
    // A second section of a name is skipped: the store serves the last one for both, so the same
    // exam would be exported twice.
    ini.ReadIndexed(StoredExam::KeyNames(), [&set](const IniFile::IndexedSection& s) {
        if (s.repeated)
            return;
        const StoredExam exam = StoredExam::Read(s.values);
        if (exam.fault != StoredExam::Fault::None) {
            set.warnings.append(QStringLiteral("zorvik-history: раздел [%1] пропущен: %2")
                                    .arg(printable(s.name), faultText(exam)));
            return;
        }
        ExamRow row;
        static_cast<StoredExam&>(row) = exam;
        row.section = s.name;
        row.day = StoredExam::DayOf(exam.timeKey);
        row.msOfDay = StoredExam::MsOfDayOf(exam.timeKey);
        row.presented = listText(s.values[StoredExam::MyAnswerList]);
        row.answers = listText(s.values[StoredExam::ValidAnswerList]);
        set.exams.push_back(std::move(row));
    });
    // Exams are appended as they are taken, so the file is nearly always in order already.
    const auto earlier = [](const ExamRow& a, const ExamRow& b) { return a.timeKey < b.timeKey; };
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

std::vector<HistoryStats::Exam> StatsExams(const std::vector<ExamRow>& exams) {
    std::vector<HistoryStats::Exam> out;
    out.reserve(exams.size());
    for (const ExamRow& e : exams)
        out.push_back({e.date, e.timeKey, e.coefficient});
    return out;
}
