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

std::optional<double> BitsBytesToFloat(QByteArrayView text) {
    // A history holds a bits text per exam and value: the plain form the program writes, an
    // optional minus and the digits, is read here at once. Anything else goes to the toolkit's
    // parser, which reads bytes exactly as it reads text (only ASCII makes a number).
    const char* p = text.data();
    const char* end = p + text.size();
    const bool sign = p != end && *p == '-';
    p += sign ? 1 : 0;
    if (end - p > 0 && end - p <= 19) {
        std::uint64_t v = 0;
        while (p != end && *p >= '0' && *p <= '9')
            v = v * 10 + static_cast<std::uint64_t>(*p++ - '0');
        // 19 digits never wrap an unsigned 64-bit value; the sign sets the limit.
        const std::uint64_t limit = std::uint64_t{1} << 63;
        if (p == end && (sign ? v <= limit : v < limit))
            return std::bit_cast<double>(sign ? static_cast<std::int64_t>(0 - v)
                                              : static_cast<std::int64_t>(v));
    }
    bool ok = false;
    const qlonglong bits = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return std::bit_cast<double>(static_cast<std::int64_t>(bits));
}

namespace {

unsigned code(QChar c) {
    return c.unicode();
}
unsigned code(char c) {
    return static_cast<unsigned char>(c);
}

// One rule for text and for bytes.
template <typename View> std::optional<int> parseIniInteger(View text) {
    bool ok = false;
    if (text.size() > 2 && code(text[0]) == '0' && (code(text[1]) == 'x' || code(text[1]) == 'X')) {
        View digits = text.sliced(2);
        // Leading zeros add nothing to the value, so they do not count against its 8 digits.
        while (digits.size() > 8 && code(digits.front()) == '0')
            digits = digits.sliced(1);
        if (digits.size() > 8)
            return std::nullopt;
        for (const auto c : digits)
            if (!std::isxdigit(code(c) < 128 ? static_cast<int>(code(c)) : 'g'))
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

} // namespace

std::optional<int> ParseIniInteger(const QString& text) {
    return parseIniInteger(QStringView(text));
}

std::optional<int> ParseIniInteger(QByteArrayView text) {
    // The counts of every exam are plain decimals of a few digits, read here at once; anything
    // else takes the one rule above.
    if (!text.isEmpty() && text.size() <= 9) {
        int v = 0;
        for (const char c : text) {
            if (c < '0' || c > '9')
                return parseIniInteger(text);
            v = v * 10 + (c - '0');
        }
        return v;
    }
    return parseIniInteger(text);
}
