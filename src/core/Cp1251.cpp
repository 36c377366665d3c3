#include "core/Cp1251.h"

#include <array>

namespace cp1251 {
namespace {

// Bytes 0x80..0xFF. 0x98 has no letter in the code page; it maps to U+0098 so that any byte
// survives a load and a save unchanged.
constexpr std::array<char16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

// Every byte's character, for a decode without branches.
constexpr std::array<char16_t, 256> makeForward() {
    std::array<char16_t, 256> t{};
    for (int i = 0; i < 128; ++i)
        t[static_cast<size_t>(i)] = static_cast<char16_t>(i);
    for (int i = 0; i < 128; ++i)
        t[static_cast<size_t>(i) + 128] = kHigh[static_cast<size_t>(i)];
    return t;
}

constexpr std::array<char16_t, 256> kForward = makeForward();

// Reverse tables for the three Unicode pages the upper half comes from, built from kHigh so that
// the two directions cannot disagree; 0 means no byte (no upper-half byte is 0).
struct ReverseTables {
    std::array<unsigned char, 128> latin{}; // U+0080..U+00FF
    std::array<unsigned char, 256> cyril{}; // U+0400..U+04FF
    std::array<unsigned char, 512> punct{}; // U+2000..U+21FF
};

constexpr ReverseTables makeReverse() {
    ReverseTables t;
    for (int i = 0; i < 128; ++i) {
        const char16_t c = kHigh[static_cast<size_t>(i)];
        const auto b = static_cast<unsigned char>(0x80 + i);
        if (c >= 0x80 && c < 0x100)
            t.latin[c - 0x80] = b;
        else if (c >= 0x400 && c < 0x500)
            t.cyril[c - 0x400] = b;
        else if (c >= 0x2000 && c < 0x2200)
            t.punct[c - 0x2000] = b;
    }
    return t;
}

constexpr ReverseTables kReverse = makeReverse();

// Returns the byte for a character, or -1.
inline int byteOf(char16_t c) {
    if (c < 0x80)
        return c;
    unsigned char b = 0;
    if (c < 0x100)
        b = kReverse.latin[c - 0x80];
    else if (c >= 0x400 && c < 0x500)
        b = kReverse.cyril[c - 0x400];
    else if (c >= 0x2000 && c < 0x2200)
        b = kReverse.punct[c - 0x2000];
    return b ? b : -1;
}

} // namespace

void decodeInto(const char* src, qsizetype n, QChar* dst) {
    const auto* in = reinterpret_cast<const unsigned char*>(src);
    for (qsizetype i = 0; i < n; ++i)
        dst[i] = QChar(kForward[in[i]]);
}

QString decode(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    decodeInto(bytes.constData(), bytes.size(), out.data());
    return out;
}

namespace {

// The whole character at i: a surrogate pair is one character, and naming half of it would show
// the user a broken glyph.
qsizetype charLength(QStringView text, qsizetype i) {
    return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

void nameBad(QStringView text, qsizetype i, QString* bad) {
    if (bad)
        *bad = text.mid(i, charLength(text, i)).toString();
}

} // namespace

bool appendEncoded(QStringView text, QByteArray& out, QString* bad) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* dst = out.data() + start;
    const QChar* src = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(src[i].unicode());
        if (b < 0) {
            nameBad(text, i, bad);
            return false;
        }
        dst[i] = static_cast<char>(b);
    }
    return true;
}

bool encode(const QString& text, QByteArray* out, QString* bad) {
    out->resize(text.size());
    char* dst = out->data();
    bool ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text[i].unicode());
        if (b < 0) {
            if (ok)
                nameBad(text, i, bad);
            ok = false;
            dst[i] = '?';
        } else {
            dst[i] = static_cast<char>(b);
        }
    }
    return ok;
}

bool canEncode(QStringView text, QString* bad) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (byteOf(text[i].unicode()) < 0) {
            nameBad(text, i, bad);
            return false;
        }
    }
    return true;
}

QString storable(QStringView text, QChar replacement, bool* changed) {
    if (changed)
        *changed = false;
    if (canEncode(text))
        return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = charLength(text, i);
        if (byteOf(text[i].unicode()) >= 0) {
            out += text[i];
        } else {
            if (!replacement.isNull())
                out += replacement;
            if (changed)
                *changed = true;
        }
        i += len;
    }
    return out;
}

} // namespace cp1251
