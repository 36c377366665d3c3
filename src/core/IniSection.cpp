#include "core/IniSection.h"

#include "core/Cp1251.h"
#include "core/IniParser.h"

#include <vector>

bool IniSection::SameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

const QStringList& IniSection::Lines() const {
    if (decoded)
        return lines;
    struct Visitor {
        const char* t;
        QStringList& lines;
        void header(qsizetype, qsizetype, qsizetype, bool) {}
        void skipped(bool) {}
        void plain(qsizetype b, qsizetype e, bool) { lines.append(IniParser::DecodeLine(t, b, e)); }
        void entry(qsizetype kb, qsizetype ke, qsizetype vb, qsizetype ve, bool) {
            lines.append(IniParser::DecodeEntry(t, kb, ke, vb, ve));
        }
    } visitor{encoded.constData(), lines};
    IniParser::Parse(reinterpret_cast<const unsigned char*>(encoded.constData()), encoded.size(),
                     visitor);
    decoded = true;
    return lines;
}

std::optional<QString> IniSection::FindInBytes(const QString& key) const {
    QString value = FindAllInBytes({key}).constFirst();
    if (value.isNull())
        return std::nullopt;
    return value;
}

QStringList IniSection::FindAllInBytes(const QStringList& names) const {
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
                if (SameName(key, names[i]) && !names[i].contains(QLatin1Char('=')))
                    found[static_cast<size_t>(i)] = {b, e};
            }
        }
    } visitor{
        encoded.constData(),
        names,
        {},
        std::vector<std::pair<qsizetype, qsizetype>>(static_cast<size_t>(names.size()), {-1, -1})};
    IniParser::Parse(reinterpret_cast<const unsigned char*>(encoded.constData()), encoded.size(),
                     visitor);
    QStringList values;
    values.reserve(names.size());
    for (const auto& [b, e] : visitor.found)
        values.append(b < 0 ? QString() : IniParser::DecodeLine(encoded.constData(), b, e));
    return values;
}

qsizetype IniSection::FindLine(const QStringList& lines, const QString& key) {
    // The last line of that name wins, as the last duplicate of a hand-edited file should. A
    // name is the text before a line's first "=", so a line can only match when its "=" stands
    // right after as many characters as the name has, and a name holding "=" never matches.
    if (key.contains(QLatin1Char('=')))
        return -1;
    const qsizetype n = key.size();
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const QString& line = lines[i];
        if (line.size() > n && line[n] == QLatin1Char('=') &&
            SameName(QStringView(line).left(n), key))
            return i;
    }
    return -1;
}

bool IniSection::Encode(QString* bad) {
    qsizetype size = name.size() + 6;
    for (const QString& l : lines)
        size += l.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    bytes.append('[');
    bool ok = cp1251::appendEncoded(name, bytes, bad);
    bytes.append("]\r\n", 3);
    for (qsizetype i = 0; ok && i < lines.size(); ++i) {
        ok = cp1251::appendEncoded(lines[i], bytes, bad);
        bytes.append("\r\n", 2);
    }
    if (!ok)
        return false;
    bytes.append("\r\n", 2);
    encoded = std::move(bytes);
    return true;
}
