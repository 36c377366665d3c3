#pragma once

#include "core/DateTimeText.h"
#include "core/IniFile.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A text of a section as the store holds it: its whole line, shared rather than copied (a long
// history is mostly item lists), and where the text starts in it.
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
// when it has no ExamDate or no ExamResult, when a number it holds does not parse (or is not
// finite), or when its date lies outside the years 1 to 9999. A section name that appears twice
// is read once. Never changes the store.
ExamSet ReadExams(const IniFile& ini);

// Keeps the exams whose calendar day lies from `from` to `to`, both included; an invalid bound
// does not limit.
std::vector<ExamRow> ExamsBetween(std::vector<ExamRow> exams, const QDate& from, const QDate& to);
