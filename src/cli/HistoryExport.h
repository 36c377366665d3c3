#pragma once

#include "core/BitsText.h"
#include "core/DateTimeText.h"
#include "core/IniFile.h"

#include <QByteArray>
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

// "2007-03-15T14:30:00", with ".mmm" when the milliseconds are not zero: ISO 8601 local time.
QByteArray IsoDateTime(const QDate& day, int msOfDay);

// The shortest decimal text that reads back as the same double ("0.8", "-2.4", "1e+21").
QByteArray NumberText(double value);

// A text field as a spreadsheet must see it: one "'" is put in front of text that starts with "=",
// "+", "-", "@", a tab, a carriage return or "'" itself, so that no formula runs and a reader can
// always drop one leading "'" to get the stored text back.
QString GuardFormula(const QString& text);
bool NeedsFormulaGuard(QStringView text);

// The CSV header line and one CSV record per exam (RFC 4180: CR LF line ends, fields that hold a
// comma, a quote or a control character in double quotes, quotes doubled), UTF-8. Text fields pass
// GuardFormula; numbers are bare, with "." as the decimal point; a missing number is an empty
// field.
QByteArray CsvHeader();
void AppendCsvRow(const ExamRow& exam, QByteArray& out);

// One exam as a JSON object on one line, UTF-8 (RFC 8259); the item lists are arrays of strings
// read from the comma text; a missing number is null. The text is exact: no formula guard.
void AppendJsonObject(const ExamRow& exam, QByteArray& out);
