#include "core/StoredExam.h"

#include "core/BitsText.h"
#include "core/ResultRecord.h"

#include <cmath>

namespace {

// The first day and the last day that ISO 8601 writes with four year digits, as day counts.
constexpr double kFirstDay = -693593.0; // 1 January 0001
constexpr double kLastDay = 2958466.0;  // the day after 31 December 9999
constexpr qint64 kMsPerDay = 86400000;

const QDate& epoch() {
    static const QDate e(1899, 12, 30);
    return e;
}

// Bits text that the program wrote: a signed 64-bit decimal whose double is a finite number.
std::optional<double> finiteNumber(QByteArrayView text) {
    const std::optional<double> v = BitsBytesToFloat(text);
    if (!v || !std::isfinite(*v))
        return std::nullopt;
    return v;
}

// The time key of a day count inside the years 1 to 9999. The day count keeps the time of day as
// a positive fraction also before the epoch, as the main window reads it.
std::optional<qint64> timeKeyOf(DateTime date) {
    if (!(date >= kFirstDay && date < kLastDay))
        return std::nullopt;
    const double whole = std::trunc(date);
    qint64 ms = std::llround(std::fabs(date - whole) * kMSecsPerDay);
    qint64 dayNumber = static_cast<qint64>(whole);
    if (ms >= kMsPerDay) {
        ++dayNumber;
        ms -= kMsPerDay;
    }
    // The last millisecond of 9999 can round into the year 10000.
    if (dayNumber >= static_cast<qint64>(kLastDay))
        return std::nullopt;
    return dayNumber * kMsPerDay + ms;
}

// Division that rounds down, for time keys before the epoch.
qint64 floorDiv(qint64 a, qint64 b) {
    return a >= 0 ? a / b : -((-a - 1) / b) - 1;
}

} // namespace

const QStringList& StoredExam::KeyNames() {
    static const QStringList names = {
        ResultKey::ExamDate, ResultKey::ExamResult,      ResultKey::NumsCnt,
        ResultKey::OkAnswer, ResultKey::BadAnswer,       ResultKey::TestDt,
        ResultKey::Avg,      ResultKey::ValidAnswerList, ResultKey::MyAnswerList};
    return names;
}

const QStringList& StoredExam::NumberKeyNames() {
    static const QStringList names = KeyNames().mid(0, NumberKeys);
    return names;
}

QDate StoredExam::DayOf(qint64 timeKey) {
    return epoch().addDays(floorDiv(timeKey, kMsPerDay));
}

int StoredExam::MsOfDayOf(qint64 timeKey) {
    return static_cast<int>(timeKey - floorDiv(timeKey, kMsPerDay) * kMsPerDay);
}

std::optional<qint64> StoredExam::TimeKeyOf(DateTime date) {
    return timeKeyOf(date);
}

double StoredExam::NumberOrZero(QByteArrayView value) {
    return finiteNumber(value).value_or(0.0);
}

StoredExam StoredExam::Read(const QByteArrayView* values) {
    StoredExam exam;
    const auto fail = [&exam](Fault fault, Key key = ExamDate) {
        exam.fault = fault;
        exam.faultKey = key;
        return exam;
    };
    if (values[ExamDate].isEmpty())
        return fail(Fault::NoDate);
    if (values[ExamResult].isEmpty())
        return fail(Fault::NoResult);
    const std::optional<double> date = finiteNumber(values[ExamDate]);
    if (!date)
        return fail(Fault::NotNumber, ExamDate);
    if (*date < kFirstDay || *date >= kLastDay)
        return fail(Fault::DateOutOfRange);
    const std::optional<double> coefficient = finiteNumber(values[ExamResult]);
    if (!coefficient)
        return fail(Fault::NotNumber, ExamResult);
    exam.date = *date;
    exam.coefficient = *coefficient;
    const std::optional<qint64> key = timeKeyOf(*date);
    if (!key)
        return fail(Fault::DateOutOfRange);
    exam.timeKey = *key;

    for (const Key k : {NumsCnt, OkAnswer, BadAnswer}) {
        if (values[k].isEmpty())
            continue;
        const std::optional<int> n = ParseIniInteger(values[k]);
        if (!n)
            return fail(Fault::NotNumber, k);
        (k == NumsCnt ? exam.items : k == OkAnswer ? exam.right : exam.wrong) = *n;
    }
    if (!values[TestDt].isEmpty()) {
        const std::optional<double> days = finiteNumber(values[TestDt]);
        // The clock has millisecond resolution; without the rounding 30 s would read 29.999...
        // A duration too large for seconds to be a finite number is no duration.
        const double ms = days ? std::round(*days * kMSecsPerDay) : 0.0;
        if (!days || !std::isfinite(ms))
            return fail(Fault::NotNumber, TestDt);
        exam.seconds = ms / 1000.0;
    }
    if (!values[Avg].isEmpty()) {
        const std::optional<double> avg = finiteNumber(values[Avg]);
        if (!avg)
            return fail(Fault::NotNumber, Avg);
        exam.perItem = *avg;
    }
    return exam;
}
