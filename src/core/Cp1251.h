#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Every file the program reads or writes is single-byte Cyrillic (code page 1251). Text is QString
// in memory and crosses into bytes only here.
namespace cp1251 {

// Decodes every byte to a character; no byte is ever lost, so decode then encode gives the bytes
// back.
QString decode(const QByteArray& bytes);

// Encodes text. A character the code page cannot hold makes the call fail: it returns false and
// puts the first such character into *bad (when given, a surrogate pair as one character); the
// output then holds '?' in its place.
bool encode(const QString& text, QByteArray* out, QString* bad = nullptr);

// Decodes n bytes into the n characters at dst.
void decodeInto(const char* src, qsizetype n, QChar* dst);

// Appends the bytes of text to out. False at the first character the code page cannot hold, which
// goes into *bad (when given); out then holds a partial encoding the caller should drop.
bool appendEncoded(QStringView text, QByteArray& out, QString* bad = nullptr);

// True when every character of the text has a byte in the code page.
bool canEncode(QStringView text, QString* bad = nullptr);

// The text with every character the code page cannot hold replaced by replacement, or dropped
// when replacement is null; a surrogate pair counts as one character. *changed (when given)
// says whether anything was replaced.
QString storable(QStringView text, QChar replacement, bool* changed = nullptr);

} // namespace cp1251
