#include "core/IniFile.h"

#include "core/BitsText.h"
#include "core/Cp1251.h"
#include "core/FileIo.h"
#include "core/Messages.h"
#include "core/TextFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

SaveError::SaveError(QString path, QString reason, Change change)
    : std::runtime_error("save failed"), m_path(std::move(path)), m_reason(std::move(reason)),
      m_change(change) {}

QString SaveError::userMessage() const {
    switch (m_change) {
    case Change::Kept:
        return Messages::SaveFailed.arg(m_path, m_reason);
    case Change::KeptUntilExit:
        return Messages::SaveKeptUntilExit.arg(m_path, m_reason);
    case Change::Dropped:
        break;
    }
    return Messages::SaveRefused.arg(m_path, m_reason);
}

namespace {

QString foldKey(const QString& s) {
    return s.toCaseFolded();
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString entryLine(const QString& name, const QString& value) {
    return OneLine(name) + QLatin1Char('=') + OneLine(value);
}

} // namespace

namespace {

// The loading rules over code units of either kind: QChar text or code page 1251 bytes, which
// agree on every character the rules look at (controls, blanks, "[", "]", "=", ";", CR, LF). The
// visitor gets header(b, e) for a section name, entry(kb, ke, vb, ve) for a trimmed key and value
// and plain(b, e) for a line without "=", as offsets into the text; lines before the first header
// are skipped here.
// The first unit at or after from that is CR or LF, or n.
qsizetype lineEnd(const unsigned char* t, qsizetype from, qsizetype n) {
    const void* lf = std::memchr(t + from, '\n', static_cast<size_t>(n - from));
    const qsizetype end = lf ? static_cast<const unsigned char*>(lf) - t : n;
    const void* cr = std::memchr(t + from, '\r', static_cast<size_t>(end - from));
    return cr ? static_cast<const unsigned char*>(cr) - t : end;
}

qsizetype lineEnd(const char16_t* t, qsizetype from, qsizetype n) {
    while (from < n && t[from] != u'\r' && t[from] != u'\n')
        ++from;
    return from;
}

// The first "=" in [from, to), or to.
qsizetype findEquals(const unsigned char* t, qsizetype from, qsizetype to) {
    const void* eq = std::memchr(t + from, '=', static_cast<size_t>(to - from));
    return eq ? static_cast<const unsigned char*>(eq) - t : to;
}

qsizetype findEquals(const char16_t* t, qsizetype from, qsizetype to) {
    while (from < to && t[from] != u'=')
        ++from;
    return from;
}

// The loading rules over code units of either kind: QChar text or code page 1251 bytes, which
// agree on every character the rules look at (controls, blanks, "[", "]", "=", ";", CR, LF). The
// visitor gets header(b, e, lineStart, exact) for a section name, entry(kb, ke, vb, ve, exact)
// for a trimmed key and value, plain(b, e, exact) for a line without "=", and skipped(blank)
// for a line that keeps nothing, as offsets into the text; lines before the first header are
// skipped here. "exact" says the line stood in the file as the save writes it (nothing trimmed,
// CR LF after it); "blank" says the same of an empty line.
template <typename Unit, typename Visitor> void parseIni(const Unit* t, qsizetype n, Visitor& v) {
    const auto code = [t](qsizetype i) { return static_cast<unsigned>(t[i]); };
    bool inSection = false;
    qsizetype pos = 0;
    while (pos < n) {
        const qsizetype start = pos;
        const qsizetype end = lineEnd(t, pos, n);
        qsizetype b = pos;
        qsizetype e = end;
        // A lone CR or LF ends a line as CR LF does.
        pos = end;
        if (pos < n && code(pos) == '\r')
            ++pos;
        if (pos < n && code(pos) == '\n')
            ++pos;
        const bool crlf = pos - end == 2;
        while (b < e && code(b) < 33)
            ++b;
        while (e > b && code(e - 1) < 33)
            --e;
        const bool exact = crlf && b == start && e == end;
        if (b == e || code(b) == ';') {
            if (inSection)
                v.skipped(crlf && start == end);
            continue;
        }
        if (code(b) == '[' && code(e - 1) == ']' && e - b >= 2) {
            qsizetype nb = b + 1;
            qsizetype ne = e - 1;
            while (nb < ne && code(nb) < 33)
                ++nb;
            while (ne > nb && code(ne - 1) < 33)
                --ne;
            v.header(nb, ne, start, exact && nb == b + 1 && ne == e - 1);
            inSection = true;
            continue;
        }
        if (!inSection)
            continue; // lines before the first section header are ignored
        const qsizetype eq = findEquals(t, b, e);
        if (eq == e) {
            v.plain(b, e, exact);
            continue;
        }
        qsizetype ke = eq;
        while (ke > b && code(ke - 1) < 33)
            --ke;
        qsizetype vb = eq + 1;
        while (vb < e && code(vb) < 33)
            ++vb;
        v.entry(b, ke, vb, e, exact && ke == eq && vb == eq + 1);
    }
}

// The text of bytes [b, e) of code page 1251.
QString decodeLine(const char* t, qsizetype b, qsizetype e) {
    QString text(e - b, Qt::Uninitialized);
    cp1251::decodeInto(t + b, e - b, text.data());
    return text;
}

// The line "key=value" of a trimmed key and value.
QString decodeEntry(const char* t, qsizetype kb, qsizetype ke, qsizetype vb, qsizetype ve) {
    QString text(ke - kb + 1 + ve - vb, Qt::Uninitialized);
    QChar* d = text.data();
    cp1251::decodeInto(t + kb, ke - kb, d);
    d[ke - kb] = QLatin1Char('=');
    cp1251::decodeInto(t + vb, ve - vb, d + (ke - kb) + 1);
    return text;
}

// Writes every part to fd, going on after short writes and interruptions; false with errno set on
// failure.
bool writeGathered(int fd, std::vector<iovec>& parts) {
    size_t next = 0;
    while (next < parts.size()) {
        if (parts[next].iov_len == 0) {
            ++next;
            continue;
        }
        const int count = static_cast<int>(std::min<size_t>(parts.size() - next, IOV_MAX));
        const ssize_t written = ::writev(fd, parts.data() + next, count);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) { // no progress on a file with bytes left: never loop on it
            errno = EIO;
            return false;
        }
        auto left = static_cast<size_t>(written);
        while (next < parts.size() && left >= parts[next].iov_len)
            left -= parts[next++].iov_len;
        if (next < parts.size() && left > 0) {
            parts[next].iov_base = static_cast<char*>(parts[next].iov_base) + left;
            parts[next].iov_len -= left;
        }
    }
    return true;
}

} // namespace

bool SyncFolderOf(const QString& filePath, QString* reason) {
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    int fd;
    do
        fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (!ok && reason)
        *reason = qt_error_string(errno);
    if (fd >= 0)
        ::close(fd);
    return ok;
}

IniFile::IniFile(QString fileName) : m_fileName(std::move(fileName)) {
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
    struct Visitor {
        IniFile& ini;
        const char* t;
        Section* current = nullptr;
        qsizetype start = 0;
        bool exact = false;
        bool blankSeen = false;
        std::vector<Line> pending{};

        void finish(qsizetype end) {
            if (!current)
                return;
            if (exact && blankSeen) {
                current->encoded = QByteArray::fromRawData(t + start, end - start);
                current->decoded = false;
            } else {
                current->lines.reserve(static_cast<qsizetype>(pending.size()));
                for (const Line& l : pending)
                    current->lines.append(l.ve < 0 ? decodeLine(t, l.kb, l.ke)
                                                   : decodeEntry(t, l.kb, l.ke, l.vb, l.ve));
                encodeSection(*current, nullptr);
            }
            pending.clear();
        }
        void header(qsizetype b, qsizetype e, qsizetype lineStart, bool exactLine) {
            finish(lineStart);
            ini.m_sections.push_back(Section{decodeLine(t, b, e), {}, {}});
            current = &ini.m_sections.back();
            start = lineStart;
            exact = exactLine;
            blankSeen = false;
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
        }
    } visitor{*this, t};
    parseIni(reinterpret_cast<const unsigned char*>(t), m_loaded.size(), visitor);
    visitor.finish(m_loaded.size());
    rebuildIndex();
}

const QStringList& IniFile::linesOf(const Section& s) {
    if (s.decoded)
        return s.lines;
    struct Visitor {
        const char* t;
        QStringList& lines;
        void header(qsizetype, qsizetype, qsizetype, bool) {}
        void skipped(bool) {}
        void plain(qsizetype b, qsizetype e, bool) { lines.append(decodeLine(t, b, e)); }
        void entry(qsizetype kb, qsizetype ke, qsizetype vb, qsizetype ve, bool) {
            lines.append(decodeEntry(t, kb, ke, vb, ve));
        }
    } visitor{s.encoded.constData(), s.lines};
    parseIni(reinterpret_cast<const unsigned char*>(s.encoded.constData()), s.encoded.size(),
             visitor);
    s.decoded = true;
    return s.lines;
}

std::optional<QString> IniFile::findInBytes(const Section& s, const QString& name) {
    QString value = findAllInBytes(s, {name}).constFirst();
    if (value.isNull())
        return std::nullopt;
    return value;
}

QStringList IniFile::findAllInBytes(const Section& s, const QStringList& names) {
    // The same match as findLine over the decoded lines: a line's name is the text before its
    // first "=", compared with letter case ignored, and the last match wins; a name holding "="
    // never matches.
    struct Visitor {
        const char* t;
        const QStringList& names;
        QString key;
        std::vector<std::pair<qsizetype, qsizetype>> found;
        void header(qsizetype, qsizetype, qsizetype, bool) {}
        void skipped(bool) {}
        void plain(qsizetype, qsizetype, bool) {}
        void entry(qsizetype kb, qsizetype ke, qsizetype b, qsizetype e, bool) {
            bool decodedKey = false;
            for (qsizetype i = 0; i < names.size(); ++i) {
                if (ke - kb != names[i].size()) // one byte is one character
                    continue;
                if (!decodedKey) {
                    key.resize(ke - kb);
                    cp1251::decodeInto(t + kb, ke - kb, key.data());
                    decodedKey = true;
                }
                if (sameName(key, names[i]) && !names[i].contains(QLatin1Char('=')))
                    found[static_cast<size_t>(i)] = {b, e};
            }
        }
    } visitor{
        s.encoded.constData(),
        names,
        {},
        std::vector<std::pair<qsizetype, qsizetype>>(static_cast<size_t>(names.size()), {-1, -1})};
    parseIni(reinterpret_cast<const unsigned char*>(s.encoded.constData()), s.encoded.size(),
             visitor);
    QStringList values;
    values.reserve(names.size());
    for (const auto& [b, e] : visitor.found)
        values.append(b < 0 ? QString() : decodeLine(s.encoded.constData(), b, e));
    return values;
}

void IniFile::SetText(const QString& text) {
    m_sections.clear();
    m_loaded.clear();
    const QChar* t = text.constData();
    struct Visitor {
        IniFile& ini;
        const QChar* t;
        Section* current = nullptr;
        void header(qsizetype b, qsizetype e, qsizetype, bool) {
            ini.m_sections.push_back(Section{QString(t + b, e - b), {}, {}});
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
    parseIni(reinterpret_cast<const char16_t*>(t), text.size(), visitor);
    rebuildIndex();
}

bool IniFile::NameKey::Same(const QString& a, const QString& b) noexcept {
    // A lookup nearly always brings the very name the store holds: equal code units answer at
    // once, and only other spellings are folded.
    if (a.size() != b.size())
        return false;
    return a == b || sameName(a, b);
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

const IniFile::Section* IniFile::findSection(const QString& name) const {
    const auto it = m_index.constFind(NameKey{name});
    return it == m_index.cend() ? nullptr : &m_sections[static_cast<size_t>(*it)];
}

IniFile::Section* IniFile::findSection(const QString& name) {
    // Found to be changed: its lines are needed.
    const auto it = m_index.constFind(NameKey{name});
    if (it == m_index.cend())
        return nullptr;
    Section* s = &m_sections[static_cast<size_t>(*it)];
    linesOf(*s);
    return s;
}

qsizetype IniFile::findLine(const QStringList& lines, const QString& name) {
    // The last line of that name wins, as the last duplicate of a hand-edited file should. A
    // name is the text before a line's first "=", so a line can only match when its "=" stands
    // right after as many characters as the name has, and a name holding "=" never matches.
    if (name.contains(QLatin1Char('=')))
        return -1;
    const qsizetype n = name.size();
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const QString& line = lines[i];
        if (line.size() > n && line[n] == QLatin1Char('=') &&
            sameName(QStringView(line).left(n), name))
            return i;
    }
    return -1;
}

QString IniFile::ReadString(const QString& section, const QString& name, const QString& def) const {
    const Section* s = findSection(section);
    if (!s)
        return def;
    if (!s->decoded)
        return findInBytes(*s, name).value_or(def);
    const qsizetype i = findLine(s->lines, name);
    if (i < 0)
        return def;
    const QString& line = s->lines[i];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

QStringList IniFile::ReadStrings(const QString& section, const QStringList& names) const {
    const Section* s = findSection(section);
    if (!s)
        return QStringList(names.size());
    if (!s->decoded)
        return findAllInBytes(*s, names);
    QStringList values;
    values.reserve(names.size());
    for (const QString& name : names) {
        const qsizetype i = findLine(s->lines, name);
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
    for (const Section& s : m_sections)
        list.append(s.name);
}

void IniFile::ReadSectionValues(const QString& section, QStringList& list) const {
    const Section* s = findSection(section);
    list = s ? linesOf(*s) : QStringList();
}

bool IniFile::SectionExists(const QString& section) const {
    return findSection(section) != nullptr;
}

bool IniFile::ValueExists(const QString& section, const QString& name) const {
    const Section* s = findSection(section);
    if (!s)
        return false;
    return s->decoded ? findLine(s->lines, name) >= 0 : findInBytes(*s, name).has_value();
}

void IniFile::WriteString(const QString& section, const QString& name, const QString& value) {
    WriteValues(section, {{name, value}});
}

void IniFile::WriteValues(const QString& section, const QList<QPair<QString, QString>>& entries) {
    // The change is made on a copy and encoded first: a character without a byte must leave the
    // store exactly as it was, or every later save would fail on it.
    const QString clean = OneLine(section);
    Section* existing = findSection(clean);
    Section s = existing ? *existing : Section{clean, {}, {}};
    for (const auto& [name, value] : entries) {
        const QString line = entryLine(name, value);
        const qsizetype i = findLine(s.lines, OneLine(name));
        if (i >= 0)
            s.lines[i] = line;
        else
            s.lines.append(line);
    }
    QString bad;
    if (!encodeSection(s, &bad))
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
    std::erase_if(m_sections, [&](const Section& s) { return folded.contains(foldKey(s.name)); });
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
    std::erase_if(m_sections, [&](const Section& s) { return sameName(s.name, section); });
    if (m_sections.size() != before)
        rebuildIndex();
    UpdateFile();
}

void IniFile::DeleteKey(const QString& section, const QString& name) {
    if (Section* s = findSection(section)) {
        const qsizetype i = findLine(s->lines, name);
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
    for (const Section& s : m_sections) {
        size += s.name.size() + 6;
        for (const QString& l : linesOf(s))
            size += l.size() + 2;
    }
    out.reserve(size);
    const QLatin1String crlf("\r\n");
    for (const Section& s : m_sections) {
        out += QLatin1Char('[');
        out += s.name;
        out += QLatin1Char(']');
        out += crlf;
        for (const QString& l : linesOf(s)) {
            out += l;
            out += crlf;
        }
        out += crlf;
    }
    return out;
}

bool IniFile::encodeSection(Section& s, QString* bad) {
    qsizetype size = s.name.size() + 6;
    for (const QString& l : s.lines)
        size += l.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    bytes.append('[');
    bool ok = cp1251::appendEncoded(s.name, bytes, bad);
    bytes.append("]\r\n", 3);
    for (qsizetype i = 0; ok && i < s.lines.size(); ++i) {
        ok = cp1251::appendEncoded(s.lines[i], bytes, bad);
        bytes.append("\r\n", 2);
    }
    if (!ok)
        return false;
    bytes.append("\r\n", 2);
    s.encoded = std::move(bytes);
    return true;
}

void IniFile::encodeStale() {
    for (Section& s : m_sections) {
        QString bad;
        // Only a section set from text can hold such a character (a write refuses it), so the
        // first one found is the first in the file.
        if (s.encoded.isEmpty() && !encodeSection(s, &bad))
            throw SaveError(m_fileName, Messages::CharNotInCodePage.arg(bad));
    }
}

void IniFile::UpdateFile() {
    if (!m_readError.isEmpty())
        throw SaveError(m_fileName, Messages::FileNotReadAtStart.arg(m_readError),
                        SaveError::Change::KeptUntilExit);
    encodeStale();
    // Written beside the old file and renamed over it after a flush, so a crash or a full disk
    // never leaves half a file behind.
    QSaveFile f(m_fileName);
    if (!f.open(QIODevice::WriteOnly))
        throw SaveError(m_fileName, f.errorString());
    // The sections go out as they are held, gathered by the kernel: copying them into one buffer
    // first costs as much again as the write. Unchanged sections are neighbours in the loaded
    // file, so they go as one run, and a change writes a handful of pieces, not one per section.
    std::vector<iovec> parts;
    for (const Section& s : m_sections) {
        char* data = const_cast<char*>(s.encoded.constData());
        const auto size = static_cast<size_t>(s.encoded.size());
        if (!parts.empty() &&
            static_cast<char*>(parts.back().iov_base) + parts.back().iov_len == data)
            parts.back().iov_len += size;
        else
            parts.push_back({data, size});
    }
    if (!writeGathered(f.handle(), parts)) {
        const QString reason = qt_error_string(errno);
        f.cancelWriting();
        throw SaveError(m_fileName, reason);
    }
    if (!f.commit())
        throw SaveError(m_fileName, f.errorString());
    QString reason;
    if (!SyncFolderOf(m_fileName, &reason))
        throw SaveError(m_fileName, reason);
}
