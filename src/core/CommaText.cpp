#include "core/CommaText.h"

namespace CommaText {

namespace {
bool needsQuotes(const QString& item) {
    for (const QChar c : item) {
        const char16_t u = c.unicode();
        if (u <= 32 || u == u'"' || u == u',')
            return true;
    }
    return false;
}
} // namespace

QString Write(const QStringList& items) {
    if (items.size() == 1 && items[0].isEmpty())
        return QStringLiteral("\"\"");
    QString out;
    qsizetype size = 0;
    for (const QString& s : items)
        size += s.size() + 3;
    out.reserve(size);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        const QString& s = items[i];
        if (!needsQuotes(s)) {
            out += s;
            continue;
        }
        out += QLatin1Char('"');
        for (const QChar c : s) {
            if (c == QLatin1Char('"'))
                out += QLatin1Char('"');
            out += c;
        }
        out += QLatin1Char('"');
    }
    return out;
}

QStringList Read(const QString& text) {
    QStringList out;
    const QChar* p = text.constData();
    // A NUL outside quotes ends the text, as in a C string; the end of the QString does too.
    const QChar* const end = p + text.size();
    const auto at = [&](const QChar* q) -> char16_t { return q < end ? q->unicode() : u'\0'; };
    const auto isBlank = [](char16_t c) { return c >= 1 && c <= 32; };

    while (isBlank(at(p)))
        ++p;
    while (at(p) != u'\0') {
        QString item;
        if (at(p) == u'"') {
            ++p;
            // Inside quotes every character counts, NUL included; "" stands for one quote.
            while (p < end) {
                if (p->unicode() == u'"') {
                    if (p + 1 < end && p[1].unicode() == u'"') {
                        item += QLatin1Char('"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += *p++;
            }
        } else {
            const QChar* start = p;
            while (at(p) > 32 && at(p) != u',')
                ++p;
            item = QString(start, p - start);
        }
        out.append(item);
        while (isBlank(at(p)))
            ++p;
        if (at(p) == u',') {
            if (at(p + 1) == u'\0')
                out.append(QString());
            do
                ++p;
            while (isBlank(at(p)));
        }
    }
    return out;
}

} // namespace CommaText
