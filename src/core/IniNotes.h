#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <utility>
#include <vector>

// The values of some names, noted for each section of a store while its load passes the section's
// bytes, so that reading them later touches nothing else: a history of many exams is read a few
// values per exam at every start. A section's notes hold one record per name, in order: the byte
// kNoValue (no such line); kFarValue and the value's offset and size in the section's bytes (a
// native qint32 each, for a long value); or else the value's size and its bytes.
class IniNotes {
public:
    IniNotes() = default;
    // Names that are not all ASCII, or one that holds "=", make notes of nothing: only ASCII
    // letters compare alike as bytes and as text, and such a name matches no line.
    explicit IniNotes(const QStringList& names);

    const QStringList& Names() const { return m_names; }
    bool Empty() const { return m_lowered.empty(); }
    // Forgets every note, keeping room for about that many bytes of new ones.
    void Clear(size_t room);
    // The index of the name that the bytes of a key spell, letter case ignored; -1 for none.
    int NameOf(const char* key, qsizetype size) const;
    // Notes the values of one section, whose bytes start at t + start: found[k] is where the
    // value of name k stands in t, {-1, -1} for none. Returns where the section's notes start.
    qsizetype Write(const char* t, qsizetype start,
                    const std::vector<std::pair<qsizetype, qsizetype>>& found);
    // The values of the notes that start at `at`, as views into the notes or into the section's
    // bytes, one per name.
    void Read(qsizetype at, const char* section, QByteArrayView* values) const;

private:
    static constexpr unsigned char kNoValue = 0xFF;
    static constexpr unsigned char kFarValue = 0xFE;

    QStringList m_names;
    std::vector<QByteArray> m_lowered;
    std::vector<std::vector<int>> m_byLength; // the names of each length
    std::vector<char> m_bytes;
};
