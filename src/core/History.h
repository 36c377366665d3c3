#pragma once

#include "core/DateTimeText.h"
#include "core/IniFile.h"
#include "core/StoredExam.h"

#include <QString>
#include <QStringList>
#include <vector>

// One stored exam as the history list and the chart show it, and whether the progress figures
// count it: the history command's rules leave out an exam whose values it cannot read, which the
// list shows all the same, with 0 for a date or result it cannot read.
struct HistoryEntry {
    QString section;
    DateTime date = 0.0;
    double result = 0.0;
    StoredExam::Fault fault = StoredExam::Fault::None;
};

// The record keys of a stored exam, in the order they are written and read back.
extern const QStringList kRecordKeys;

// An entry for every section of the store, in store order; a missing or invalid date or result
// reads as 0. A store loaded with StoredExam::NumberKeyNames() as its index is read without a
// search of any section.
std::vector<HistoryEntry> ReadHistory(const IniFile& ini);

// Appends a new exam section named by a fresh GUID: ExamDate, ExamResult, then every entry of the
// record in record order. The section is written in one save. Returns the section name.
QString SaveExamSection(IniFile& ini, const QStringList& record, double coefficient, DateTime now);

// Rebuilds a result record from a stored section: the record keys then ExamResult, each present
// only when its value is not empty.
QStringList ReadStoredRecord(const IniFile& ini, const QString& section);

// The list's cell texts: "15.03.2007 14:30:00 (четверг)" (no time at midnight) and "   16,50".
QString HistoryDateText(DateTime date);
QString HistoryResultText(double result);
// A bar's label: the date (the whole days of the day count; an unusable value is day 0) in the
// user's short date format.
QString HistoryChartLabel(DateTime date);

// The user's long time format without the time zone ("HH:mm:ss" for Russian).
QString LongTimeFormat();
