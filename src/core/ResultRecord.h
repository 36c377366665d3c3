#pragma once

#include "core/DateTimeText.h"

#include <QString>
#include <QStringList>

// Keys of a result record (name=value lines), as the test run writes them and the main window adds.
namespace ResultKey {
inline const QString ValidAnswerList = QStringLiteral("ValidAnswerList");
inline const QString MyAnswerList = QStringLiteral("MyAnswerList");
inline const QString TestDt = QStringLiteral("TestDt");
inline const QString NumsCnt = QStringLiteral("NumsCnt");
inline const QString OkAnswer = QStringLiteral("OkAnswer");
inline const QString BadAnswer = QStringLiteral("BadAnswer");
inline const QString Avg = QStringLiteral("Avg");
inline const QString ExamResult = QStringLiteral("ExamResult");
inline const QString ShowNorm = QStringLiteral("ShowNorm");
// Stored with an exam in result.ini, before the record.
inline const QString ExamDate = QStringLiteral("ExamDate");
} // namespace ResultKey

// What the details window shows, as taken from a result record.
struct ResultDetails {
    QStringList answers;   // ValidAnswerList: what the user typed
    QStringList presented; // MyAnswerList: what was shown
    bool showNorm = false;
    double examResult = 0.0;
    double avg = 0.0;
    int badAnswer = 0;
    int okAnswer = 0;
    int numsCnt = 0;
    DateTime testDt = 0.0;
};

// Reads a result record. The two lists are comma text; TestDt, Avg and ExamResult are bits text
// (a value that is not a finite number reads as 0); the counts are decimal, 0 when missing or
// invalid; ShowNorm is a boolean text (BoolTextValue).
ResultDetails ParseResultRecord(const QStringList& record);

// A boolean as the record may hold it: an integer is true unless it is 0, the words "True" and
// "False" count in any letter case, anything else (empty included) is false.
bool BoolTextValue(const QString& text);
