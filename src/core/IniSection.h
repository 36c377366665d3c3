#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// One section of an INI store. It is held as the bytes it was saved as until one of its lines is
// needed: a history of many exams is mostly read a value or two per section, and most sections are
// never read at all.
struct IniSection {
    QString name;
    // Made from the saved bytes when first needed (see decoded).
    mutable QStringList lines;
    // The section as saved ("[name]", its lines, the empty line), in code page 1251; empty when it
    // must be encoded again. A change then re-encodes only its own section, so a save costs little
    // more than writing the bytes.
    QByteArray encoded;
    // False while lines has not been made from encoded yet.
    mutable bool decoded = true;
    // Where the store's notes (IniNotes) of the values of its indexed names start for this
    // section; -1 when the load made none. They hold only while the section is not decoded,
    // since any change decodes it first.
    qsizetype notes = -1;

    // The lines, made from the saved bytes on first use.
    const QStringList& Lines() const;
    // The value of the last line of that name in a section not decoded yet, read straight from its
    // saved bytes; nullopt when there is none.
    std::optional<QString> FindInBytes(const QString& key) const;
    // The same for several names at once; a missing name gives a null string.
    QStringList FindAllInBytes(const QStringList& names) const;
    // Sets the saved bytes from the name and lines; false (bytes untouched) when a character has
    // no byte, which goes into *bad.
    bool Encode(QString* bad);

    // The index of the last line of that name (the text before the line's first "="), letter case
    // ignored; -1 when there is none. A name holding "=" never matches.
    static qsizetype FindLine(const QStringList& lines, const QString& key);
    // Section and entry names are compared without regard to letter case.
    static bool SameName(QStringView a, QStringView b);
};
