#include "app/GeneratorsUnit.h"

#include "app/Random.h"

#include <algorithm>

QString GeneratePhoneNumber(const QString& pattern, Random& random) {
    QString kept;
    kept.reserve(pattern.size());
    for (const QChar c : pattern)
        if (c == QLatin1Char('0') || c == QLatin1Char('-'))
            kept += c;
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
