#pragma once

#include <QString>
#include <QStringList>

// Name=value lists: lines of name, "=", value. Names are found with letter case ignored (Cyrillic
// included) and the first match counts; a line without "=" has no name.
namespace NameValue {

// Position of the first line whose name matches, or -1.
qsizetype IndexOfName(const QStringList& list, const QString& name);
// The value of the first matching line, or empty.
QString Value(const QStringList& list, const QString& name);
// Sets the value: the first matching line is rebuilt from the name as given here; a new name is
// appended. An empty value removes the matching line (and adds nothing when there is none).
void SetValue(QStringList& list, const QString& name, const QString& value);
// The name of a line (text before the first "="), or empty when it has none.
QString NameOf(const QString& line);
// The value of a line (text after the first "="), or empty when it has none.
QString ValueOf(const QString& line);

} // namespace NameValue
