#include "cli/HistoryExport.h"

#include "core/CommaText.h"

#include <algorithm>
#include <charconv>
#include <type_traits>

namespace {

// Writes the UTF-8 bytes of the code point at t[i] to p, moving i past a surrogate pair; returns
// the end. At most three bytes a unit (a pair gives four for two). Code page 1251 gives no
// surrogates; a lone one, should text ever hold it, becomes U+FFFD so that the output is always
// well formed.
char* putUtf8(char* p, const char16_t* t, qsizetype& i, qsizetype n) {
    char32_t c = t[i];
    if (c < 0x80) {
        *p++ = static_cast<char>(c);
        return p;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(t[i + 1])) {
        c = QChar::surrogateToUcs4(static_cast<char16_t>(c), t[++i]);
    } else if (QChar::isSurrogate(c)) {
        c = 0xFFFD;
    }
    if (c < 0x800) {
        *p++ = static_cast<char>(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        *p++ = static_cast<char>(0xE0 | (c >> 12));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    } else {
        *p++ = static_cast<char>(0xF0 | (c >> 18));
        *p++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    *p++ = static_cast<char>(0x80 | (c & 0x3F));
    return p;
}

// Appends text as UTF-8, written straight into room for the longest encoding: appending byte by
// byte costs more than the whole rest of an export.
void appendUtf8(QByteArray& out, QStringView text) {
    const qsizetype n = text.size();
    const qsizetype old = out.size();
    out.resize(old + 3 * n);
    char* p = out.data() + old;
    const char16_t* t = text.utf16();
    for (qsizetype i = 0; i < n; ++i)
        p = putUtf8(p, t, i, n);
    out.resize(p - out.data());
}

// Comma text without quotes, blanks or control characters (the lists of nearly every exam): its
// items are the pieces between the commas, as CommaText::Read reads them.
bool isPlainList(QStringView text) {
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.unicode() <= 32 || c.unicode() == u'"'; });
}

// A plain list as JSON strings in one pass: each comma closes one string and opens the next.
void appendPlainJsonList(QByteArray& out, QStringView text) {
    const qsizetype n = text.size();
    const qsizetype old = out.size();
    out.resize(old + 3 * n + 2);
    char* p = out.data() + old;
    const char16_t* t = text.utf16();
    *p++ = '"';
    for (qsizetype i = 0; i < n; ++i) {
        if (t[i] == u',') {
            *p++ = '"';
            *p++ = ',';
            *p++ = '"';
        } else if (t[i] == u'\\') {
            *p++ = '\\';
            *p++ = '\\';
        } else {
            p = putUtf8(p, t, i, n);
        }
    }
    *p++ = '"';
    out.resize(p - out.data());
}

void appendCsvField(QByteArray& out, QStringView text) {
    bool quote = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == u'"' || u == u',') {
            quote = true;
            break;
        }
    }
    if (quote)
        out += '"';
    if (NeedsFormulaGuard(text))
        out += '\'';
    if (!quote) {
        appendUtf8(out, text);
        return;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('"')) {
            appendUtf8(out, text.mid(start, i + 1 - start));
            out += '"';
            start = i + 1;
        }
    }
    appendUtf8(out, text.mid(start));
    out += '"';
}

void appendJsonString(QByteArray& out, QStringView text) {
    static const char hex[] = "0123456789abcdef";
    out += '"';
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= 0x20 && u != u'"' && u != u'\\')
            continue;
        appendUtf8(out, text.mid(start, i - start));
        start = i + 1;
        switch (u) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        default:
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        }
    }
    appendUtf8(out, text.mid(start));
    out += '"';
}

template <typename T>
void appendOptional(QByteArray& out, const std::optional<T>& v, const char* missing) {
    if (!v) {
        out += missing;
    } else if constexpr (std::is_same_v<T, int>) {
        char buf[16];
        out.append(buf, std::to_chars(buf, buf + sizeof buf, *v).ptr - buf);
    } else {
        out += NumberText(*v);
    }
}

} // namespace

QByteArray IsoDateTime(const QDate& day, int msOfDay) {
    int y = 0, m = 0, d = 0;
    day.getDate(&y, &m, &d);
    const int s = msOfDay / 1000;
    const int ms = msOfDay % 1000;
    char buf[24];
    char* p = buf;
    const auto digits = [&p](int v, int width) {
        for (int i = width - 1; i >= 0; --i, v /= 10)
            p[i] = static_cast<char>('0' + v % 10);
        p += width;
    };
    digits(y, 4);
    *p++ = '-';
    digits(m, 2);
    *p++ = '-';
    digits(d, 2);
    *p++ = 'T';
    digits(s / 3600, 2);
    *p++ = ':';
    digits(s / 60 % 60, 2);
    *p++ = ':';
    digits(s % 60, 2);
    if (ms != 0) {
        *p++ = '.';
        digits(ms, 3);
    }
    return QByteArray(buf, p - buf);
}

QByteArray NumberText(double value) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return QByteArray(buf, r.ptr - buf);
}

bool NeedsFormulaGuard(QStringView text) {
    if (text.isEmpty())
        return false;
    switch (text.front().unicode()) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\r':
    case u'\'':
        return true;
    default:
        return false;
    }
}

QString GuardFormula(const QString& text) {
    return NeedsFormulaGuard(text) ? QLatin1Char('\'') + text : text;
}

QByteArray CsvHeader() {
    return QByteArrayLiteral("section,date,coefficient,items,right,wrong,seconds,seconds_per_item,"
                             "presented,answers\r\n");
}

void AppendCsvRow(const ExamRow& exam, QByteArray& out) {
    appendCsvField(out, exam.section);
    out += ',';
    out += IsoDateTime(exam.day, exam.msOfDay);
    out += ',';
    out += NumberText(exam.coefficient);
    out += ',';
    appendOptional(out, exam.items, "");
    out += ',';
    appendOptional(out, exam.right, "");
    out += ',';
    appendOptional(out, exam.wrong, "");
    out += ',';
    appendOptional(out, exam.seconds, "");
    out += ',';
    appendOptional(out, exam.perItem, "");
    out += ',';
    appendCsvField(out, exam.presented.view());
    out += ',';
    appendCsvField(out, exam.answers.view());
    out += "\r\n";
}

void AppendJsonObject(const ExamRow& exam, QByteArray& out) {
    out += "{\"section\":";
    appendJsonString(out, exam.section);
    out += ",\"date\":\"";
    out += IsoDateTime(exam.day, exam.msOfDay);
    out += "\",\"coefficient\":";
    out += NumberText(exam.coefficient);
    out += ",\"items\":";
    appendOptional(out, exam.items, "null");
    out += ",\"right\":";
    appendOptional(out, exam.right, "null");
    out += ",\"wrong\":";
    appendOptional(out, exam.wrong, "null");
    out += ",\"seconds\":";
    appendOptional(out, exam.seconds, "null");
    out += ",\"seconds_per_item\":";
    appendOptional(out, exam.perItem, "null");
    for (const auto& [name, text] : {std::pair{",\"presented\":[", &exam.presented},
                                     std::pair{",\"answers\":[", &exam.answers}}) {
        out += name;
        const QStringView list = text->view();
        if (list.isEmpty()) {
            // No items.
        } else if (isPlainList(list)) {
            appendPlainJsonList(out, list);
        } else {
            bool first = true;
            for (const QString& item : CommaText::Read(list.toString())) {
                if (!first)
                    out += ',';
                first = false;
                appendJsonString(out, item);
            }
        }
        out += ']';
    }
    out += '}';
}
