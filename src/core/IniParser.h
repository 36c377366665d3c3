#pragma once

#include <QString>
#include <cstring>

// The loading rules of the INI format, shared by the store's loading from bytes, its lazy decoding
// of a section and its loading from text.
namespace IniParser {

// The first unit at or after from that is CR or LF, or n.
inline qsizetype lineEnd(const unsigned char* t, qsizetype from, qsizetype n) {
    const void* lf = std::memchr(t + from, '\n', static_cast<size_t>(n - from));
    const qsizetype end = lf ? static_cast<const unsigned char*>(lf) - t : n;
    const void* cr = std::memchr(t + from, '\r', static_cast<size_t>(end - from));
    return cr ? static_cast<const unsigned char*>(cr) - t : end;
}

inline qsizetype lineEnd(const char16_t* t, qsizetype from, qsizetype n) {
    while (from < n && t[from] != u'\r' && t[from] != u'\n')
        ++from;
    return from;
}

// The first "=" in [from, to), or to.
inline qsizetype findEquals(const unsigned char* t, qsizetype from, qsizetype to) {
    const void* eq = std::memchr(t + from, '=', static_cast<size_t>(to - from));
    return eq ? static_cast<const unsigned char*>(eq) - t : to;
}

inline qsizetype findEquals(const char16_t* t, qsizetype from, qsizetype to) {
    while (from < to && t[from] != u'=')
        ++from;
    return from;
}

// The loading rules over code units of either kind: QChar text or code page 1251 bytes, which
// agree on every character the rules look at (controls, blanks, "[", "]", "=", ";", CR, LF). The
// visitor gets header(b, e, lineStart, exact) for a section name, entry(kb, ke, vb, ve, exact)
// for a trimmed key and value, plain(b, e, exact) for a line without "=", and skipped(blank)
// for a line that keeps nothing, as offsets into the text; lines before the first header are
// skipped here. "exact" says the line stood in the file as the save writes it (nothing trimmed,
// CR LF after it); "blank" says the same of an empty line.
template <typename Unit, typename Visitor> void Parse(const Unit* t, qsizetype n, Visitor& v) {
    const auto code = [t](qsizetype i) { return static_cast<unsigned>(t[i]); };
    bool inSection = false;
    qsizetype pos = 0;
    while (pos < n) {
        const qsizetype start = pos;
        const qsizetype end = lineEnd(t, pos, n);
        qsizetype b = pos;
        qsizetype e = end;
        // A lone CR or LF ends a line as CR LF does.
        pos = end;
        if (pos < n && code(pos) == '\r')
            ++pos;
        if (pos < n && code(pos) == '\n')
            ++pos;
        const bool crlf = pos - end == 2;
        while (b < e && code(b) < 33)
            ++b;
        while (e > b && code(e - 1) < 33)
            --e;
        const bool exact = crlf && b == start && e == end;
        if (b == e || code(b) == ';') {
            if (inSection)
                v.skipped(crlf && start == end);
            continue;
        }
        if (code(b) == '[' && code(e - 1) == ']' && e - b >= 2) {
            qsizetype nb = b + 1;
            qsizetype ne = e - 1;
            while (nb < ne && code(nb) < 33)
                ++nb;
            while (ne > nb && code(ne - 1) < 33)
                --ne;
            v.header(nb, ne, start, exact && nb == b + 1 && ne == e - 1);
            inSection = true;
            continue;
        }
        if (!inSection)
            continue; // lines before the first section header are ignored
        const qsizetype eq = findEquals(t, b, e);
        if (eq == e) {
            v.plain(b, e, exact);
            continue;
        }
        qsizetype ke = eq;
        while (ke > b && code(ke - 1) < 33)
            --ke;
        qsizetype vb = eq + 1;
        while (vb < e && code(vb) < 33)
            ++vb;
        v.entry(b, ke, vb, e, exact && ke == eq && vb == eq + 1);
    }
}

// The text of bytes [b, e) of code page 1251.
QString DecodeLine(const char* t, qsizetype b, qsizetype e);
// The line "key=value" of a trimmed key and value.
QString DecodeEntry(const char* t, qsizetype kb, qsizetype ke, qsizetype vb, qsizetype ve);

} // namespace IniParser
