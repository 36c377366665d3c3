#pragma once

#include "core/DateTimeText.h"
#include "core/HistoryStats.h"
#include "core/IniFile.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A text of a section: a line that holds it, and where the text starts in that line. The reading
// decodes only the value itself (a long history is mostly item lists), so it starts at 0 there.
struct LineText {
    QString line;
    qsizetype from = 0;
    QStringView view() const { return QStringView(line).mid(from); }
};

// One stored exam with every value the export writes. A count or time the section lacks stays
// empty, so that the export never invents a figure the program did not store.
struct ExamRow {
    QString section;
    DateTime date = 0.0;
    QDate day;       // the local calendar day of date
    int msOfDay = 0; // the local time of day of date, in milliseconds
    double coefficient = 0.0;
    std::optional<int> items;      // NumsCnt
    std::optional<int> right;      // OkAnswer
    std::optional<int> wrong;      // BadAnswer
    std::optional<double> seconds; // TestDt, in seconds rounded to the millisecond
    std::optional<double> perItem; // Avg: mean seconds per item
    LineText presented;            // MyAnswerList, comma text as stored
    LineText answers;              // ValidAnswerList, comma text as stored

    // Milliseconds since 30 December 1899 on the local wall clock: a key that orders every date,
    // also those before the epoch, whose stored form keeps the time of day as a positive fraction.
    qint64 timeKey() const;
};

struct ExamSet {
    std::vector<ExamRow> exams; // oldest first; exams of one moment keep their file order
    QStringList warnings;       // one line per section left out
};

// Reads every section of the store as an exam. A section is left out, with one warning naming it,
// when StoredExam finds a fault in it: no ExamDate or no ExamResult, a number that does not parse
// (or is not finite), a date outside the years 1 to 9999. A section name that appears twice is
// read once. Never changes the store; a store loaded with StoredExam::KeyNames() as its index is
// read without a search of any section.
ExamSet ReadExams(const IniFile& ini);

// Keeps the exams whose calendar day lies from `from` to `to`, both included; an invalid bound
// does not limit.
std::vector<ExamRow> ExamsBetween(std::vector<ExamRow> exams, const QDate& from, const QDate& to);

// The exams as the figures take them.
std::vector<HistoryStats::Exam> StatsExams(const std::vector<ExamRow>& exams);
