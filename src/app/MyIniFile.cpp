#include "app/MyIniFile.h"

#include "app/Cp1251.h"
#include "app/ResStrUnit.h"
#include "app/UtilsUnit.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>

SaveError::SaveError(QString path, QString reason)
    : std::runtime_error("save failed"), m_path(std::move(path)), m_reason(std::move(reason)) {}

QString SaveError::userMessage() const {
    return ResStr::SaveFailed.arg(m_path, m_reason);
}

namespace {

QString foldKey(const QString& s) {
    return s.toCaseFolded();
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Every entry is one line of the file: a line break inside a name or value would start a key or
// a section of its own at the next load, so it is stored as a blank.
QString oneLine(QString text) {
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    for (QChar& c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return text;
}

QString entryLine(const QString& name, const QString& value) {
    return oneLine(name) + QLatin1Char('=') + oneLine(value);
}

} // namespace

TMyIniFile::TMyIniFile(QString fileName) : m_fileName(std::move(fileName)) {
    QFile f(m_fileName);
    if (f.open(QIODevice::ReadOnly))
        SetText(cp1251::decode(f.readAll()));
}

void TMyIniFile::SetText(const QString& text) {
    m_sections.clear();
    Section* current = nullptr;
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        const QString line = TrimControl(text.mid(pos, end - pos));
        // A lone CR or LF ends a line as CR LF does.
        pos = end;
        if (pos < n && text[pos] == QLatin1Char('\r'))
            ++pos;
        if (pos < n && text[pos] == QLatin1Char('\n'))
            ++pos;
        if (line.isEmpty() || line[0] == QLatin1Char(';'))
            continue;
        if (line[0] == QLatin1Char('[') && line.endsWith(QLatin1Char(']'))) {
            m_sections.push_back(Section{TrimControl(line.mid(1, line.size() - 2)), {}});
            current = &m_sections.back();
            continue;
        }
        if (!current)
            continue; // lines before the first section header are ignored
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            current->lines.append(line);
        else
            current->lines.append(TrimControl(line.left(eq)) + QLatin1Char('=') +
                                  TrimControl(line.mid(eq + 1)));
    }
    rebuildIndex();
}

void TMyIniFile::rebuildIndex() {
    m_index.clear();
    m_index.reserve(static_cast<qsizetype>(m_sections.size()));
    for (size_t i = 0; i < m_sections.size(); ++i)
        m_index.insert(foldKey(m_sections[i].name), static_cast<qsizetype>(i));
}

const TMyIniFile::Section* TMyIniFile::findSection(const QString& name) const {
    const auto it = m_index.constFind(foldKey(name));
    return it == m_index.cend() ? nullptr : &m_sections[static_cast<size_t>(*it)];
}

TMyIniFile::Section* TMyIniFile::findSection(const QString& name) {
    const auto it = m_index.constFind(foldKey(name));
    return it == m_index.cend() ? nullptr : &m_sections[static_cast<size_t>(*it)];
}

TMyIniFile::Section& TMyIniFile::sectionForWrite(const QString& name) {
    const QString clean = oneLine(name);
    if (Section* s = findSection(clean))
        return *s;
    m_sections.push_back(Section{clean, {}});
    m_index.insert(foldKey(clean), static_cast<qsizetype>(m_sections.size() - 1));
    return m_sections.back();
}

qsizetype TMyIniFile::findLine(const QStringList& lines, const QString& name) {
    // The last line of that name wins, as the last duplicate of a hand-edited file should.
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const QString& line = lines[i];
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && sameName(QStringView(line).left(eq), name))
            return i;
    }
    return -1;
}

QString TMyIniFile::ReadString(const QString& section, const QString& name,
                               const QString& def) const {
    const Section* s = findSection(section);
    if (!s)
        return def;
    const qsizetype i = findLine(s->lines, name);
    if (i < 0)
        return def;
    const QString& line = s->lines[i];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

int TMyIniFile::ReadInteger(const QString& section, const QString& name, int def) const {
    const QString text = ReadString(section, name, QString());
    return ParseIniInteger(text).value_or(def);
}

bool TMyIniFile::ReadBool(const QString& section, const QString& name, bool def) const {
    return ReadInteger(section, name, def ? 1 : 0) != 0;
}

void TMyIniFile::ReadSections(QStringList& list) const {
    list.clear();
    list.reserve(static_cast<qsizetype>(m_sections.size()));
    for (const Section& s : m_sections)
        list.append(s.name);
}

void TMyIniFile::ReadSectionValues(const QString& section, QStringList& list) const {
    const Section* s = findSection(section);
    list = s ? s->lines : QStringList();
}

bool TMyIniFile::SectionExists(const QString& section) const {
    return findSection(section) != nullptr;
}

bool TMyIniFile::ValueExists(const QString& section, const QString& name) const {
    const Section* s = findSection(section);
    return s && findLine(s->lines, name) >= 0;
}

void TMyIniFile::WriteString(const QString& section, const QString& name, const QString& value) {
    Section& s = sectionForWrite(section);
    const QString line = entryLine(name, value);
    const qsizetype i = findLine(s.lines, oneLine(name));
    if (i >= 0)
        s.lines[i] = line;
    else
        s.lines.append(line);
    UpdateFile();
}

void TMyIniFile::WriteValues(const QString& section,
                             const QList<QPair<QString, QString>>& entries) {
    Section& s = sectionForWrite(section);
    for (const auto& [name, value] : entries) {
        const QString line = entryLine(name, value);
        const qsizetype i = findLine(s.lines, oneLine(name));
        if (i >= 0)
            s.lines[i] = line;
        else
            s.lines.append(line);
    }
    UpdateFile();
}

void TMyIniFile::EraseSections(const QStringList& sections) {
    QSet<QString> folded;
    for (const QString& name : sections)
        folded.insert(foldKey(name));
    const auto before = m_sections.size();
    std::erase_if(m_sections, [&](const Section& s) { return folded.contains(foldKey(s.name)); });
    if (m_sections.size() != before)
        rebuildIndex();
    UpdateFile();
}

void TMyIniFile::WriteInteger(const QString& section, const QString& name, int value) {
    WriteString(section, name, QString::number(value));
}

void TMyIniFile::WriteBool(const QString& section, const QString& name, bool value) {
    WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TMyIniFile::EraseSection(const QString& section) {
    // Every copy goes, so that an older duplicate cannot come back as the live one.
    const auto before = m_sections.size();
    std::erase_if(m_sections, [&](const Section& s) { return sameName(s.name, section); });
    if (m_sections.size() != before)
        rebuildIndex();
    UpdateFile();
}

void TMyIniFile::DeleteKey(const QString& section, const QString& name) {
    if (Section* s = findSection(section)) {
        const qsizetype i = findLine(s->lines, name);
        if (i >= 0)
            s->lines.removeAt(i);
    }
    UpdateFile();
}

QString TMyIniFile::ToText() const {
    QString out;
    qsizetype size = 0;
    for (const Section& s : m_sections) {
        size += s.name.size() + 6;
        for (const QString& l : s.lines)
            size += l.size() + 2;
    }
    out.reserve(size);
    const QLatin1String crlf("\r\n");
    for (const Section& s : m_sections) {
        out += QLatin1Char('[');
        out += s.name;
        out += QLatin1Char(']');
        out += crlf;
        for (const QString& l : s.lines) {
            out += l;
            out += crlf;
        }
        out += crlf;
    }
    return out;
}

void TMyIniFile::UpdateFile() {
    QByteArray bytes;
    QChar bad;
    if (!cp1251::encode(ToText(), &bytes, &bad))
        throw SaveError(m_fileName, ResStr::CharNotInCodePage.arg(bad));
    // Written beside the old file and renamed over it after a flush, so a crash or a full disk
    // never leaves half a file behind.
    QSaveFile f(m_fileName);
    // Unbuffered, so that a full disk or a file-size limit fails the write itself: a buffered
    // write fails only in the flush inside commit(), which then renames the cut file into place.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw SaveError(m_fileName, f.errorString());
    // A short write is retried for the rest, whose failure then carries the reason.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            throw SaveError(m_fileName, f.errorString());
        done += n;
    }
    if (!f.commit())
        throw SaveError(m_fileName, f.errorString());
}
