#pragma once

#include <QDateTime>
#include <QString>
#include <QVariantList>
#include <optional>

// A date-time is a real number of days since 30 December 1899, local time; the time of day is the
// fraction. Durations are differences of such values.
using TDateTime = double;

constexpr double kMSecsPerDay = 86400000.0;

// Signed decimal text of the 64-bit IEEE 754 pattern of the value; round-trips every double
// exactly.
QString FloatToBitsText(double value);

// Parses a signed 64-bit decimal and returns the double with those bits; unparsable text gives 0.0.
double BitsTextToFloat(const QString& text);

// "hh:nn:ss" of the time-of-day part, joined by the user's time separator; whole days are dropped.
QString FormatDuration(TDateTime value);

// The user's time separator (":" for Russian).
QString TimeSeparator();

// An integer as an INI value reads it: decimal, or "0x"/"0X" hexadecimal when the text is longer
// than two characters (read as 32 bits, so "0xFFFFFFFF" is -1). Empty when it does not parse or
// overflows.
std::optional<int> ParseIniInteger(const QString& text);

// Conversions between QDateTime (local) and the day-count form.
TDateTime DateTimeFromQDateTime(const QDateTime& dt);
QDateTime QDateTimeFromDateTime(TDateTime value);

// Milliseconds of a duration given in days, rounded to the nearest.
qint64 DurationToMSecs(TDateTime days);

// Hours, minutes, seconds and milliseconds of the time-of-day part as seconds (whole days dropped).
double TimeOfDaySeconds(TDateTime value);

// A fresh GUID in the 38-character registry form with braces and upper-case digits.
QString NewGuidText();

// Removes leading and trailing characters whose codes are below 33.
QString TrimControl(const QString& text);

// Fills a template the way the program's labels and messages are written: "%d" an integer, "%s" a
// text, "%f", "%2f", "%8.2f" fixed-point (two decimals unless given, the user's decimal separator,
// right-aligned to the width), "%%" one percent sign. A placeholder without an argument stays as
// is.
QString Format(const QString& tmpl, const QVariantList& args);

// An answer as scoring and the details window compare it: lower-cased by the user's locale
// (Cyrillic included), then stripped of leading and trailing characters below code 33.
QString NormalizeAnswer(const QString& text);
// True when the answer matches its item by that rule; nothing else is folded (ё and е differ).
bool AnswerMatches(const QString& item, const QString& answer);
