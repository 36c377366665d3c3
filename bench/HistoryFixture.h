#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Realistic result.ini contents for the benchmarks: every exam section as the program writes it
// (GUID name, ExamDate and ExamResult bits text, two 50-item answer lists, the counts), with the
// item kinds a user really has (two- and three-digit numbers, Russian words, phone numbers) and
// a wrong answer now and then. The generator is seeded, so every run measures the same bytes.
namespace HistoryFixture {

// The record lines of one exam, as the test window leaves them (ValidAnswerList ... Avg).
QStringList ExamRecord(int exam, int items = 50);

// The file text of `exams` sections, code page 1251, CR LF.
QByteArray HistoryBytes(int exams);

// At least `bytes` bytes of whole sections.
QByteArray HistoryOfSize(qint64 bytes);

// A comma-text module of about `bytes` bytes: Russian phrases, some with blanks, commas and
// quotes, so that the quoting paths are measured too.
QStringList ModuleItems(qint64 bytes);

// Writes bytes to path; false on any error.
bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace HistoryFixture
