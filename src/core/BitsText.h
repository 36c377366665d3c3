#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Signed decimal text of the 64-bit IEEE 754 pattern of the value; round-trips every double
// exactly.
QString FloatToBitsText(double value);

// Parses a signed 64-bit decimal and returns the double with those bits; unparsable text gives 0.0.
double BitsTextToFloat(const QString& text);
// The same for bits text as stored (ASCII bytes), empty when it does not parse: the history reads
// its numbers straight from the file's bytes.
std::optional<double> BitsBytesToFloat(QByteArrayView text);

// An integer as an INI value reads it: decimal, or "0x"/"0X" hexadecimal when the text is longer
// than two characters (read as 32 bits, so "0xFFFFFFFF" is -1; leading zeros aside, at most 8
// digits). Empty when it does not parse or overflows.
std::optional<int> ParseIniInteger(const QString& text);
// The same for a value as stored, in code page 1251 bytes.
std::optional<int> ParseIniInteger(QByteArrayView text);
