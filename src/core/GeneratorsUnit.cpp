#include "core/GeneratorsUnit.h"

#include "core/Random.h"

#include <algorithm>

QString GeneratePhoneNumber(const QString& pattern, Random& random) {
    QString kept;
    // A hand-edited pattern can be any length; a number longer than the longest digit string the
    // program makes is no phone number, and a run makes a thousand of them.
    for (const QChar c : pattern) {
        if (kept.size() == kMaxGeneratedDigits)
            break;
        if (c == QLatin1Char('0') || c == QLatin1Char('-'))
            kept += c;
    }
    if (!kept.contains(QLatin1Char('0')))
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
