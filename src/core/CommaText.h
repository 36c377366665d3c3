#pragma once

#include <QString>
#include <QStringList>

// The one-line form of an ordered list of strings, used for module items, the range table and the
// answer lists of a result.
namespace CommaText {

// Items joined by ","; an item holding a character of code 0 to 32, a double quote or a comma is
// quoted with its quotes doubled. No items give "", a single empty item gives "\"\"".
QString Write(const QStringList& items);

// Reads comma text back. Unquoted blanks end an item; a comma that is the very last character adds
// an empty item; an unterminated quoted item runs to the end; a NUL outside quotes ends the text.
// Linear in the length of the text.
QStringList Read(const QString& text);

} // namespace CommaText
