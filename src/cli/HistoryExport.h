#pragma once

#include "cli/ExamRow.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

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
