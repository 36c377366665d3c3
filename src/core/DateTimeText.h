#pragma once

#include <QDateTime>
#include <QString>

// A date-time is a real number of days since 30 December 1899, local time; the time of day is the
// fraction. Durations are differences of such values.
using DateTime = double;

constexpr double kMSecsPerDay = 86400000.0;

// "hh:nn:ss" of the time-of-day part, joined by the user's time separator; whole days are dropped.
QString FormatDuration(DateTime value);

// The user's time separator (":" for Russian).
QString TimeSeparator();

// Conversions between QDateTime (local) and the day-count form.
DateTime DateTimeFromQDateTime(const QDateTime& dt);
QDateTime QDateTimeFromDateTime(DateTime value);

// Milliseconds of a duration given in days, rounded to the nearest.
qint64 DurationToMSecs(DateTime days);

// Hours, minutes, seconds and milliseconds of the time-of-day part as seconds (whole days dropped).
double TimeOfDaySeconds(DateTime value);
