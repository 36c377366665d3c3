#include "core/IniNotes.h"

#include <cstring>

IniNotes::IniNotes(const QStringList& names) : m_names(names) {
    for (const QString& name : names)
        for (const QChar c : name)
            if (c.unicode() >= 0x80 || c == QLatin1Char('=')) {
                m_names.clear();
                return;
            }
    for (const QString& name : names) {
        if (m_byLength.size() <= static_cast<size_t>(name.size()))
            m_byLength.resize(static_cast<size_t>(name.size()) + 1);
        m_byLength[static_cast<size_t>(name.size())].push_back(static_cast<int>(m_lowered.size()));
        m_lowered.push_back(name.toLower().toLatin1());
    }
}

void IniNotes::Clear(size_t room) {
    m_bytes.clear();
    // Growing the buffer as the load goes would copy it over and over.
    if (!Empty())
        m_bytes.reserve(room);
}

int IniNotes::NameOf(const char* key, qsizetype size) const {
    // Every key of a file passes here, so only the names of its length are looked at.
    if (size >= static_cast<qsizetype>(m_byLength.size()))
        return -1;
    for (const int k : m_byLength[static_cast<size_t>(size)]) {
        const char* name = m_lowered[static_cast<size_t>(k)].constData();
        qsizetype i = 0;
        while (i < size && (key[i] >= 'A' && key[i] <= 'Z' ? key[i] + 32 : key[i]) == name[i])
            ++i;
        if (i == size)
            return k;
    }
    return -1;
}

qsizetype IniNotes::Write(const char* t, qsizetype start,
                          const std::vector<std::pair<qsizetype, qsizetype>>& found) {
    const auto at = static_cast<qsizetype>(m_bytes.size());
    for (const auto& [vb, ve] : found) {
        if (vb < 0) {
            m_bytes.push_back(static_cast<char>(kNoValue));
        } else if (ve - vb < kFarValue) {
            m_bytes.push_back(static_cast<char>(ve - vb));
            m_bytes.insert(m_bytes.end(), t + vb, t + ve);
        } else {
            m_bytes.push_back(static_cast<char>(kFarValue));
            const qint32 far[2] = {static_cast<qint32>(vb - start), static_cast<qint32>(ve - vb)};
            const char* raw = reinterpret_cast<const char*>(far);
            m_bytes.insert(m_bytes.end(), raw, raw + sizeof far);
        }
    }
    return at;
}

void IniNotes::Read(qsizetype at, const char* section, QByteArrayView* values) const {
    const char* p = m_bytes.data() + at;
    for (size_t k = 0; k < m_lowered.size(); ++k) {
        const auto tag = static_cast<unsigned char>(*p++);
        if (tag == kNoValue) {
            values[k] = QByteArrayView();
        } else if (tag == kFarValue) {
            qint32 far[2];
            std::memcpy(far, p, sizeof far);
            p += sizeof far;
            values[k] = QByteArrayView(section + far[0], far[1]);
        } else {
            values[k] = QByteArrayView(p, tag);
            p += tag;
        }
    }
}
