#include "core/Generators.h"

#include "core/Random.h"

#include <algorithm>

QString GeneratePhoneNumber(const QString& pattern, Random& random) {
    QString kept;
    // Whether the pattern has a digit is decided on the whole of it; only then is the number
    // bounded: a hand-edited pattern can be any length, a number longer than the longest digit
    // string the program makes is no phone number, and a run makes a thousand of them.
    bool anyDigit = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('0'))
            anyDigit = true;
        if ((c == QLatin1Char('0') || c == QLatin1Char('-')) && kept.size() < kMaxGeneratedDigits)
            kept += c;
    }
    if (!anyDigit)
        kept = QStringLiteral("000-00-00");
    for (QChar& c : kept)
        if (c == QLatin1Char('0'))
            c = QChar(u'0' + random.Next(10));
    return kept;
}

QString GeneratePhoneNumber(const QString& pattern) {
    return GeneratePhoneNumber(pattern, AppRandom());
}

QString GenerateDigits(int n, Random& random) {
    const int count = std::min(n, kMaxGeneratedDigits);
    QString out;
    if (count <= 0)
        return out;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out += QChar(u'0' + random.Next(10));
    return out;
}

QString GenerateDigits(int n) {
    return GenerateDigits(n, AppRandom());
}
