#pragma once

#include "core/IniNotes.h"
#include "core/IniSection.h"
#include "core/SaveError.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// In-memory INI store that writes through: the file is read once, reads are served from memory, and
// every change rewrites the whole file at once (atomically: a crash leaves the old or the new
// file).
class IniFile {
public:
    // Loads the file if it exists; a missing file gives an empty store. A file that exists and
    // cannot be read whole also gives an empty store, but one that never writes over the file:
    // every save fails with ReadError as its reason, so that what the file holds is never lost.
    explicit IniFile(QString fileName);
    // Loads the same way, and notes as the load goes where the value of each indexed name stands in
    // every section (the last line of that name, letter case ignored, as every read finds it), so
    // that ReadIndexed finds those values without searching the sections. The names are ASCII.
    IniFile(QString fileName, const QStringList& indexedNames);

    const QString& FileName() const { return m_fileName; }
    // Why the existing file could not be read; empty when it was read or did not exist.
    const QString& ReadError() const { return m_readError; }

    QString ReadString(const QString& section, const QString& name, const QString& def) const;
    // The values of several names of one section, found in one pass, in the order of names; a
    // missing name gives a null string.
    QStringList ReadStrings(const QString& section, const QStringList& names) const;
    int ReadInteger(const QString& section, const QString& name, int def) const;
    bool ReadBool(const QString& section, const QString& name, bool def) const;
    // Replaces the list's contents with the section names, in store order.
    void ReadSections(QStringList& list) const;
    // Replaces the list's contents with the section's lines, in order; a missing section gives
    // none.
    void ReadSectionValues(const QString& section, QStringList& list) const;
    bool SectionExists(const QString& section) const;

    // One section as ReadIndexed gives it.
    struct IndexedSection {
        const QString& name;
        // The store serves every copy of a name from the last one, so each copy after the first
        // reads the values of the same section again.
        bool repeated;
        // The values of the names asked for, in their order, as code page 1251 bytes; a null view
        // for a name the section lacks. Valid during the call only.
        const QByteArrayView* values;
    };
    // Calls visit for every section in store order with the values ReadStrings would give. With the
    // names the store was loaded with, no section is searched.
    void ReadIndexed(const QStringList& names,
                     const std::function<void(const IndexedSection&)>& visit) const;
    bool ValueExists(const QString& section, const QString& name) const;

    // Change operations end with UpdateFile and throw SaveError when the file cannot be written.
    // A text the code page cannot hold is refused before anything changes: the store stays as it
    // was, so the next change saves normally.
    void WriteString(const QString& section, const QString& name, const QString& value);
    void WriteInteger(const QString& section, const QString& name, int value);
    void WriteBool(const QString& section, const QString& name, bool value);
    void EraseSection(const QString& section);
    // Sets several entries of one section and saves once, so that a crash can never leave the
    // section half written.
    void WriteValues(const QString& section, const QList<QPair<QString, QString>>& entries);
    // Erases several sections and saves once.
    void EraseSections(const QStringList& sections);
    void DeleteKey(const QString& section, const QString& name);
    void UpdateFile();

    // The whole store in the saving format, as text.
    QString ToText() const;
    // Replaces the contents of the store by parsing text in the file format (no save).
    void SetText(const QString& text);

private:
    // Loads file bytes straight into sections and their saved bytes, without a whole-file text.
    void SetBytes(const QByteArray& bytes);
    // Encodes every section whose bytes are stale; throws SaveError naming the first character
    // that has no byte.
    void encodeStale();
    const IniSection* findSection(const QString& name) const;
    IniSection* findSection(const QString& name);
    void rebuildIndex();

    QString m_fileName;
    QString m_readError;
    // The file as loaded: sections that were saved exactly so keep their bytes as views into it.
    QByteArray m_loaded;
    std::vector<IniSection> m_sections;
    // A section name as a key that ignores letter case, hashed without a folded copy of the name:
    // a history of many exams indexes a name per exam at every start.
    struct NameKey {
        QString name;
        static bool Same(const QString& a, const QString& b) noexcept;
        static size_t Hash(const QString& name, size_t seed) noexcept;
        friend bool operator==(const NameKey& a, const NameKey& b) noexcept {
            return Same(a.name, b.name);
        }
        friend size_t qHash(const NameKey& key, size_t seed) noexcept {
            return Hash(key.name, seed);
        }
    };
    // Name -> index of the last section of that name.
    QHash<NameKey, qsizetype> m_index;
    // The values of the indexed names, noted as the load passed each section.
    IniNotes m_notes;
};
