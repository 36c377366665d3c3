#pragma once

#include <QByteArray>
#include <QString>

// The plain text files the module editor loads items from and saves them to: code page 1251, one
// item per line. In memory the lines are separated by "\n" only.
namespace ModuleTextFile {

// A module is a list of things to memorise; a file beyond this is certainly not one, and loading
// it would stall the editor.
inline constexpr qint64 kMaxBytes = 1024 * 1024;

// Reads a file into lines joined by "\n"; CR LF, a lone CR and a lone LF each end a line. Refuses a
// file over kMaxBytes and one holding NUL or other control characters that no text file has. On
// failure returns false and puts the reason, in Russian, into *reason.
bool Read(const QString& path, QString* text, QString* reason);
// The same over bytes already read: the part of Read that looks at the content.
bool FromBytes(const QByteArray& bytes, QString* text, QString* reason);

// Writes the text with CR LF between lines and nothing after the last one, replacing the file at
// once. A character the code page cannot hold fails the call before anything is written.
bool Write(const QString& path, const QString& text, QString* reason);
// The bytes Write puts in the file.
bool ToBytes(const QString& text, QByteArray* bytes, QString* reason);

} // namespace ModuleTextFile
