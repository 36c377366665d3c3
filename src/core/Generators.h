#pragma once

#include <QString>

class Random;

// The largest digit string the blink test makes; a hand-edited count beyond it is cut to it, so a
// huge value can never exhaust memory.
inline constexpr int kMaxGeneratedDigits = 1000;

// One phone number from a pattern: "0" is a random digit, "-" is copied, anything else ignored; a
// pattern left without any "0" is taken as "000-00-00". The number is cut to kMaxGeneratedDigits
// characters.
QString GeneratePhoneNumber(const QString& pattern, Random& random);
QString GeneratePhoneNumber(const QString& pattern);

// n random digits, leading zeros allowed; n of 0 or less gives the empty string.
QString GenerateDigits(int n, Random& random);
QString GenerateDigits(int n);
