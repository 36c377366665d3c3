#pragma once

#include "core/DateTimeText.h"
#include "core/HistoryStats.h"
#include "core/IniFile.h"
#include "core/StoredExam.h"

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

// One stored exam with every value the export writes: the values StoredExam reads (a count or
// time the section lacks stays empty, so that the export never invents a figure the program did not
// store), the section's name and its two lists.
struct ExamRow : StoredExam {
    QString section;
    QDate day;          // the local calendar day of date
    int msOfDay = 0;    // the local time of day of date, in milliseconds
    LineText presented; // MyAnswerList, comma text as stored
    LineText answers;   // ValidAnswerList, comma text as stored
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
