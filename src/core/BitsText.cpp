#include "core/BitsText.h"

#include <bit>
#include <cctype>
#include <cstdint>

QString FloatToBitsText(double value) {
    return QString::number(std::bit_cast<std::int64_t>(value));
}

double BitsTextToFloat(const QString& text) {
    bool ok = false;
    const qlonglong bits = text.toLongLong(&ok, 10);
    return ok ? std::bit_cast<double>(static_cast<std::int64_t>(bits)) : 0.0;
}

std::optional<int> ParseIniInteger(const QString& text) {
    bool ok = false;
    if (text.size() > 2 && text[0] == QLatin1Char('0') &&
        (text[1] == QLatin1Char('x') || text[1] == QLatin1Char('X'))) {
        QStringView digits = QStringView(text).mid(2);
        // Leading zeros add nothing to the value, so they do not count against its 8 digits.
        while (digits.size() > 8 && digits.front() == QLatin1Char('0'))
            digits = digits.mid(1);
        if (digits.size() > 8)
            return std::nullopt;
        for (const QChar c : digits)
            if (!std::isxdigit(c.unicode() < 128 ? c.unicode() : 'g'))
                return std::nullopt;
        const uint v = digits.toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        return static_cast<int>(v);
    }
    const qlonglong v = text.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(v);
}
