#pragma once

#include <QString>
#include <QVariantList>

// Fills a template the way the program's labels and messages are written: "%d" an integer, "%s" a
// text, "%f", "%2f", "%8.2f" fixed-point (two decimals unless given, the user's decimal separator,
// right-aligned to the width), "%%" one percent sign. A placeholder without an argument stays as
// is.
QString Format(const QString& tmpl, const QVariantList& args);

// The text with every line break (CR, LF, the Unicode line and paragraph separators) made a blank:
// a stored name or value must stay on its line, or it would start a key or a section of its own.
QString OneLine(QString text);

// Removes leading and trailing characters whose codes are below 33.
QString TrimControl(const QString& text);

// A fresh GUID in the 38-character registry form with braces and upper-case digits.
QString NewGuidText();
