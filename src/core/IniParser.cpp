#include "core/IniParser.h"

#include "core/Cp1251.h"

namespace IniParser {

QString DecodeLine(const char* t, qsizetype b, qsizetype e) {
    QString text(e - b, Qt::Uninitialized);
    cp1251::decodeInto(t + b, e - b, text.data());
    return text;
}

QString DecodeEntry(const char* t, qsizetype kb, qsizetype ke, qsizetype vb, qsizetype ve) {
    QString text(ke - kb + 1 + ve - vb, Qt::Uninitialized);
    QChar* d = text.data();
    cp1251::decodeInto(t + kb, ke - kb, d);
    d[ke - kb] = QLatin1Char('=');
    cp1251::decodeInto(t + vb, ve - vb, d + (ke - kb) + 1);
    return text;
}

} // namespace IniParser
