#include "core/IniFile.h"

#include "core/BitsText.h"
#include "core/Cp1251.h"
#include "core/FileIo.h"
#include "core/IniParser.h"
#include "core/Messages.h"
#include "core/TextFormat.h"

#include <QSet>
#include <algorithm>
#include <sys/uio.h>
#include <vector>

namespace {

QString foldKey(const QString& s) {
    return s.toCaseFolded();
}

QString entryLine(const QString& name, const QString& value) {
    return OneLine(name) + QLatin1Char('=') + OneLine(value);
}

} // namespace

IniFile::IniFile(QString fileName) : IniFile(std::move(fileName), {}) {}

IniFile::IniFile(QString fileName, const QStringList& indexedNames)
    : m_fileName(std::move(fileName)), m_notes(indexedNames) {
    FileBytes file = ReadFileBytes(m_fileName);
    if (file.outcome == FileBytes::Outcome::Failed)
        m_readError = file.reason;
    else if (file.outcome == FileBytes::Outcome::Read)
        SetBytes(std::move(file.bytes));
}

void IniFile::SetBytes(const QByteArray& bytes) {
    m_sections.clear();
    m_loaded = bytes;
    const char* t = m_loaded.constData();
    // A section that stands in the file exactly as the save writes it (every file this program
    // wrote) keeps its saved bytes as a view of the loaded file and is decoded only when it is
    // read, so loading copies nothing twice and the next save re-encodes nothing. Any other
    // section is decoded and encoded again now, from the line offsets gathered while it was read.
    struct Line {
        qsizetype kb, ke, vb, ve; // ve < 0: a line without "=" from kb to ke
    };
    // An exam's notes are about a twelfth of its section.
    m_notes.Clear(static_cast<size_t>(bytes.size() / 8));
    struct Visitor {
        IniFile& ini;
        const char* t;
        IniNotes& notes;
        IniSection* current = nullptr;
        qsizetype start = 0;
        bool exact = false;
        bool blankSeen = false;
        std::vector<Line> pending{};
        // Where the last line of each indexed name put its value in this section, as in every
        // read; {-1, -1} for none yet.
        std::vector<std::pair<qsizetype, qsizetype>> found =
            std::vector<std::pair<qsizetype, qsizetype>>(notes.Names().size(), {-1, -1});

        void finish(qsizetype end) {
            if (!current)
                return;
            if (exact && blankSeen) {
                current->encoded = QByteArray::fromRawData(t + start, end - start);
                current->decoded = false;
                if (!notes.Empty() && end - start <= INT32_MAX)
                    current->notes = notes.Write(t, start, found);
            } else {
                current->lines.reserve(static_cast<qsizetype>(pending.size()));
                for (const Line& l : pending)
                    current->lines.append(l.ve < 0
                                              ? IniParser::DecodeLine(t, l.kb, l.ke)
                                              : IniParser::DecodeEntry(t, l.kb, l.ke, l.vb, l.ve));
                current->Encode(nullptr);
            }
            pending.clear();
        }
        void header(qsizetype b, qsizetype e, qsizetype lineStart, bool exactLine) {
            finish(lineStart);
            ini.m_sections.push_back(IniSection{IniParser::DecodeLine(t, b, e), {}, {}});
            current = &ini.m_sections.back();
            start = lineStart;
            exact = exactLine;
            blankSeen = false;
            std::fill(found.begin(), found.end(), std::pair<qsizetype, qsizetype>{-1, -1});
        }
        void line(bool exactLine) {
            // After the one empty line that ends a saved section nothing may follow but the next
            // header.
            exact = exact && exactLine && !blankSeen;
        }
        void skipped(bool blank) {
            exact = exact && blank && !blankSeen;
            blankSeen = true;
        }
        void plain(qsizetype b, qsizetype e, bool exactLine) {
            line(exactLine);
            pending.push_back({b, e, 0, -1});
        }
        void entry(qsizetype kb, qsizetype ke, qsizetype vb, qsizetype ve, bool exactLine) {
            line(exactLine);
            pending.push_back({kb, ke, vb, ve});
            if (const int k = notes.NameOf(t + kb, ke - kb); k >= 0)
                found[static_cast<size_t>(k)] = {vb, ve};
        }
    } visitor{*this, t, m_notes};
    IniParser::Parse(reinterpret_cast<const unsigned char*>(t), m_loaded.size(), visitor);
    visitor.finish(m_loaded.size());
    rebuildIndex();
}

void IniFile::ReadIndexed(const QStringList& names,
                          const std::function<void(const IndexedSection&)>& visit) const {
    const size_t n = static_cast<size_t>(names.size());
    const bool indexed = !names.isEmpty() && names == m_notes.Names();
    std::vector<QByteArrayView> values(n);
    std::vector<QByteArray> scratch(n);
    const auto fromText = [&](size_t k, const QString& value) {
        scratch[k].clear();
        cp1251::encode(value, &scratch[k]);
        values[k] = value.isNull() ? QByteArrayView()
                                   : QByteArrayView(scratch[k].constData(), scratch[k].size());
    };
    // While every name is held once (the index has an entry per section), each section serves
    // itself and no name needs looking up.
    const bool unique = m_index.size() == static_cast<qsizetype>(m_sections.size());
    QSet<qsizetype> served;
    for (const IniSection& own : m_sections) {
        const IniSection* s = &own;
        bool repeated = false;
        if (!unique) {
            const qsizetype live = m_index.value(NameKey{own.name});
            repeated = served.contains(live);
            served.insert(live);
            s = &m_sections[static_cast<size_t>(live)];
        }
        if (s->decoded) {
            for (size_t k = 0; k < n; ++k) {
                const qsizetype at =
                    IniSection::FindLine(s->lines, names[static_cast<qsizetype>(k)]);
                fromText(k, at < 0 ? QString()
                                   : s->lines[at].mid(s->lines[at].indexOf(QLatin1Char('=')) + 1));
            }
        } else if (indexed && s->notes >= 0) {
            m_notes.Read(s->notes, s->encoded.constData(), values.data());
        } else {
            const QStringList found = s->FindAllInBytes(names);
            for (size_t k = 0; k < n; ++k)
                fromText(k, found[static_cast<qsizetype>(k)]);
        }
        visit({own.name, repeated, values.data()});
    }
}

void IniFile::SetText(const QString& text) {
    m_sections.clear();
    m_loaded.clear();
    const QChar* t = text.constData();
    struct Visitor {
        IniFile& ini;
        const QChar* t;
        IniSection* current = nullptr;
        void header(qsizetype b, qsizetype e, qsizetype, bool) {
            ini.m_sections.push_back(IniSection{QString(t + b, e - b), {}, {}});
            current = &ini.m_sections.back();
        }
        void skipped(bool) {}
        void plain(qsizetype b, qsizetype e, bool) { current->lines.append(QString(t + b, e - b)); }
        void entry(qsizetype kb, qsizetype ke, qsizetype vb, qsizetype ve, bool) {
            QString line(ke - kb + 1 + ve - vb, Qt::Uninitialized);
            QChar* d = line.data();
            std::copy(t + kb, t + ke, d);
            d[ke - kb] = QLatin1Char('=');
            std::copy(t + vb, t + ve, d + (ke - kb) + 1);
            current->lines.append(std::move(line));
        }
    } visitor{*this, t};
    IniParser::Parse(reinterpret_cast<const char16_t*>(t), text.size(), visitor);
    rebuildIndex();
}

bool IniFile::NameKey::Same(const QString& a, const QString& b) noexcept {
    // A lookup nearly always brings the very name the store holds: equal code units answer at
    // once, and only other spellings are folded.
    if (a.size() != b.size())
        return false;
    return a == b || IniSection::SameName(a, b);
}

size_t IniFile::NameKey::Hash(const QString& name, size_t seed) noexcept {
    // FNV-1a over the case-folded code units. Names are nearly always ASCII, which folds in
    // place; any other name is folded whole, as the comparison folds it.
    const auto mix = [](size_t h, char16_t c) { return (h ^ c) * 0x100000001b3ULL; };
    size_t h = seed ^ 0xcbf29ce484222325ULL;
    for (const QChar c : name) {
        if (c.unicode() >= 0x80) {
            h = seed ^ 0xcbf29ce484222325ULL;
            for (const QChar f : name.toCaseFolded())
                h = mix(h, f.unicode());
            return h;
        }
        const char16_t u = c.unicode();
        h = mix(h, u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u + 32) : u);
    }
    return h;
}

void IniFile::rebuildIndex() {
    m_index.clear();
    m_index.reserve(static_cast<qsizetype>(m_sections.size()));
    for (size_t i = 0; i < m_sections.size(); ++i)
        m_index.insert(NameKey{m_sections[i].name}, static_cast<qsizetype>(i));
}

const IniSection* IniFile::findSection(const QString& name) const {
    const auto it = m_index.constFind(NameKey{name});
    return it == m_index.cend() ? nullptr : &m_sections[static_cast<size_t>(*it)];
}

IniSection* IniFile::findSection(const QString& name) {
    // Found to be changed: its lines are needed.
    const auto it = m_index.constFind(NameKey{name});
    if (it == m_index.cend())
        return nullptr;
    IniSection* s = &m_sections[static_cast<size_t>(*it)];
    s->Lines();
    return s;
}

QString IniFile::ReadString(const QString& section, const QString& name, const QString& def) const {
    const IniSection* s = findSection(section);
    if (!s)
        return def;
    if (!s->decoded)
        return s->FindInBytes(name).value_or(def);
    const qsizetype i = IniSection::FindLine(s->lines, name);
    if (i < 0)
        return def;
    const QString& line = s->lines[i];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

QStringList IniFile::ReadStrings(const QString& section, const QStringList& names) const {
    const IniSection* s = findSection(section);
    if (!s)
        return QStringList(names.size());
    if (!s->decoded)
        return s->FindAllInBytes(names);
    QStringList values;
    values.reserve(names.size());
    for (const QString& name : names) {
        const qsizetype i = IniSection::FindLine(s->lines, name);
        values.append(i < 0 ? QString()
                            : s->lines[i].mid(s->lines[i].indexOf(QLatin1Char('=')) + 1));
    }
    return values;
}

int IniFile::ReadInteger(const QString& section, const QString& name, int def) const {
    const QString text = ReadString(section, name, QString());
    return ParseIniInteger(text).value_or(def);
}

bool IniFile::ReadBool(const QString& section, const QString& name, bool def) const {
    return ReadInteger(section, name, def ? 1 : 0) != 0;
}

void IniFile::ReadSections(QStringList& list) const {
    list.clear();
    list.reserve(static_cast<qsizetype>(m_sections.size()));
    for (const IniSection& s : m_sections)
        list.append(s.name);
}

void IniFile::ReadSectionValues(const QString& section, QStringList& list) const {
    const IniSection* s = findSection(section);
    list = s ? s->Lines() : QStringList();
}

bool IniFile::SectionExists(const QString& section) const {
    return findSection(section) != nullptr;
}

bool IniFile::ValueExists(const QString& section, const QString& name) const {
    const IniSection* s = findSection(section);
    if (!s)
        return false;
    return s->decoded ? IniSection::FindLine(s->lines, name) >= 0
                      : s->FindInBytes(name).has_value();
}

void IniFile::WriteString(const QString& section, const QString& name, const QString& value) {
    WriteValues(section, {{name, value}});
}

void IniFile::WriteValues(const QString& section, const QList<QPair<QString, QString>>& entries) {
    // The change is made on a copy and encoded first: a character without a byte must leave the
    // store exactly as it was, or every later save would fail on it.
    const QString clean = OneLine(section);
    IniSection* existing = findSection(clean);
    IniSection s = existing ? *existing : IniSection{clean, {}, {}};
    for (const auto& [name, value] : entries) {
        const QString line = entryLine(name, value);
        const qsizetype i = IniSection::FindLine(s.lines, OneLine(name));
        if (i >= 0)
            s.lines[i] = line;
        else
            s.lines.append(line);
    }
    QString bad;
    if (!s.Encode(&bad))
        throw SaveError(m_fileName, Messages::CharNotInCodePage.arg(bad),
                        SaveError::Change::Dropped);
    if (existing) {
        *existing = std::move(s);
    } else {
        m_sections.push_back(std::move(s));
        m_index.insert(NameKey{clean}, static_cast<qsizetype>(m_sections.size() - 1));
    }
    UpdateFile();
}

void IniFile::EraseSections(const QStringList& sections) {
    QSet<QString> folded;
    for (const QString& name : sections)
        folded.insert(foldKey(name));
    const auto before = m_sections.size();
    std::erase_if(m_sections,
                  [&](const IniSection& s) { return folded.contains(foldKey(s.name)); });
    if (m_sections.size() != before)
        rebuildIndex();
    UpdateFile();
}

void IniFile::WriteInteger(const QString& section, const QString& name, int value) {
    WriteString(section, name, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& name, bool value) {
    WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::EraseSection(const QString& section) {
    // Every copy goes, so that an older duplicate cannot come back as the live one.
    const auto before = m_sections.size();
    std::erase_if(m_sections,
                  [&](const IniSection& s) { return IniSection::SameName(s.name, section); });
    if (m_sections.size() != before)
        rebuildIndex();
    UpdateFile();
}

void IniFile::DeleteKey(const QString& section, const QString& name) {
    if (IniSection* s = findSection(section)) {
        const qsizetype i = IniSection::FindLine(s->lines, name);
        if (i >= 0) {
            s->lines.removeAt(i);
            s->encoded.clear();
        }
    }
    UpdateFile();
}

QString IniFile::ToText() const {
    QString out;
    qsizetype size = 0;
    for (const IniSection& s : m_sections) {
        size += s.name.size() + 6;
        for (const QString& l : s.Lines())
            size += l.size() + 2;
    }
    out.reserve(size);
    const QLatin1String crlf("\r\n");
    for (const IniSection& s : m_sections) {
        out += QLatin1Char('[');
        out += s.name;
        out += QLatin1Char(']');
        out += crlf;
        for (const QString& l : s.Lines()) {
            out += l;
            out += crlf;
        }
        out += crlf;
    }
    return out;
}

void IniFile::encodeStale() {
    for (IniSection& s : m_sections) {
        QString bad;
        // Only a section set from text can hold such a character (a write refuses it), so the
        // first one found is the first in the file.
        if (s.encoded.isEmpty() && !s.Encode(&bad))
            throw SaveError(m_fileName, Messages::CharNotInCodePage.arg(bad));
    }
}

void IniFile::UpdateFile() {
    if (!m_readError.isEmpty())
        throw SaveError(m_fileName, Messages::FileNotReadAtStart.arg(m_readError),
                        SaveError::Change::KeptUntilExit);
    encodeStale();
    // The sections go out as they are held, gathered by the kernel: copying them into one buffer
    // first costs as much again as the write. Unchanged sections are neighbours in the loaded
    // file, so they go as one run, and a change writes a handful of pieces, not one per section.
    std::vector<iovec> parts;
    for (const IniSection& s : m_sections) {
        char* data = const_cast<char*>(s.encoded.constData());
        const auto size = static_cast<size_t>(s.encoded.size());
        if (!parts.empty() &&
            static_cast<char*>(parts.back().iov_base) + parts.back().iov_len == data)
            parts.back().iov_len += size;
        else
            parts.push_back({data, size});
    }
    QString reason;
    bool replaced = false;
    if (!WriteFileDurably(m_fileName, parts, &reason, &replaced))
        throw SaveError(m_fileName, reason, SaveError::Change::Kept, replaced);
}
