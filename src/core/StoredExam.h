#pragma once

#include "core/DateTimeText.h"

#include <QByteArrayView>
#include <QDate>
#include <QStringList>
#include <optional>

// One exam as its section of result.ini stores it, read from the values of its keys, and the
// reason it cannot be counted when it cannot. The history command and the main window's progress
// figures both read exams through it, so that both leave out the same ones.
struct StoredExam {
    // The keys of an exam section, in the order Read takes their values.
    enum Key {
        ExamDate,
        ExamResult,
        NumsCnt,
        OkAnswer,
        BadAnswer,
        TestDt,
        Avg,
        ValidAnswerList,
        MyAnswerList,
        KeyCount
    };
    // Why an exam is left out: no date, no coefficient, a value that is not a number (faultKey
    // names it), a date outside the years 1 to 9999, or a second section of the same name, which
    // the store serves from the same section as the first.
    enum class Fault { None, NoDate, NoResult, NotNumber, DateOutOfRange, Repeated };

    DateTime date = 0.0;
    double coefficient = 0.0;
    // Milliseconds since 30 December 1899 on the local wall clock: a key that orders every date,
    // also those before the epoch, whose stored form keeps the time of day as a positive fraction.
    qint64 timeKey = 0;
    std::optional<int> items;      // NumsCnt
    std::optional<int> right;      // OkAnswer
    std::optional<int> wrong;      // BadAnswer
    std::optional<double> seconds; // TestDt, in seconds rounded to the millisecond
    std::optional<double> perItem; // Avg: mean seconds per item
    Fault fault = Fault::None;
    Key faultKey = ExamDate;

    // The local calendar day and time of day (in milliseconds) of a time key.
    static QDate DayOf(qint64 timeKey);
    static int MsOfDayOf(qint64 timeKey);

    // The names of every key, in Key order; the first NumberKeys are all that Read looks at.
    static const QStringList& KeyNames();
    static constexpr int NumberKeys = ValidAnswerList;
    static const QStringList& NumberKeyNames();

    // Reads an exam from the stored values of the number keys (code page 1251 bytes, in Key order;
    // a null view for a key the section lacks). The checks go in the order of the fields above, and
    // the first that fails is the fault; the fields after it stay unset.
    static StoredExam Read(const QByteArrayView* values);
    // The time key of a date as Read computes it; empty outside the years 1 to 9999.
    static std::optional<qint64> TimeKeyOf(DateTime date);
    // A bits text value as the history list reads it: anything but a finite number is 0.
    static double NumberOrZero(QByteArrayView value);
};
