#include "core/VersionBlockParser.h"

QString VersionKeyName(VersionField kind) {
    switch (kind) {
    case VersionField::CompanyName:
        return QStringLiteral("CompanyName");
    case VersionField::FileDescription:
        return QStringLiteral("FileDescription");
    case VersionField::FileVersion:
        return QStringLiteral("FileVersion");
    case VersionField::InternalName:
        return QStringLiteral("InternalName");
    case VersionField::LegalCopyright:
        return QStringLiteral("LegalCopyright");
    case VersionField::LegalTradeMark:
        return QStringLiteral("LegalTrademarks");
    case VersionField::OriginalFileName:
        return QStringLiteral("OriginalFilename");
    case VersionField::ProductName:
        return QStringLiteral("ProductName");
    case VersionField::ProductVersion:
        return QStringLiteral("ProductVersion");
    case VersionField::Comments:
        return QStringLiteral("Comments");
    }
    return QString();
}

namespace VersionBlock {

namespace {
// The marker, each byte flipped, so that this file's own bytes never contain it and a scan of the
// program file cannot stop at the reader instead of the block.
constexpr unsigned char kFlip = 0xA5;
constexpr unsigned char kFlippedMarker[] = {0xFE ^ kFlip, 'Z' ^ kFlip, 'o' ^ kFlip,  'r' ^ kFlip,
                                            'v' ^ kFlip,  'i' ^ kFlip, 'k' ^ kFlip,  'V' ^ kFlip,
                                            'e' ^ kFlip,  'r' ^ kFlip, 's' ^ kFlip,  'i' ^ kFlip,
                                            'o' ^ kFlip,  'n' ^ kFlip, 0x01 ^ kFlip, 0xFE ^ kFlip};

// Little-endian reads that refuse to run past the end.
bool ReadU16(const QByteArray& data, qsizetype& pos, qsizetype end, quint16* out) {
    if (end - pos < 2)
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData() + pos);
    *out = static_cast<quint16>(p[0] | (p[1] << 8));
    pos += 2;
    return true;
}

bool ReadU32(const QByteArray& data, qsizetype& pos, qsizetype end, quint32* out) {
    if (end - pos < 4)
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData() + pos);
    *out = static_cast<quint32>(p[0]) | (static_cast<quint32>(p[1]) << 8) |
           (static_cast<quint32>(p[2]) << 16) | (static_cast<quint32>(p[3]) << 24);
    pos += 4;
    return true;
}
} // namespace

quint32 Checksum(const char* data, qsizetype size) {
    quint32 hash = 0x811C9DC5u;
    for (qsizetype i = 0; i < size; ++i) {
        hash ^= static_cast<unsigned char>(data[i]);
        hash *= 0x01000193u;
    }
    return hash;
}

QByteArray Marker() {
    QByteArray out;
    out.reserve(sizeof kFlippedMarker);
    for (const unsigned char c : kFlippedMarker)
        out.append(static_cast<char>(c ^ kFlip));
    return out;
}

std::optional<Block> Block::Parse(const QByteArray& data, qsizetype offset) {
    const QByteArray marker = Marker();
    if (offset < 0 || data.size() - offset < marker.size() ||
        data.mid(offset, marker.size()) != marker)
        return std::nullopt;
    qsizetype pos = offset + marker.size();
    quint32 size = 0;
    quint32 checksum = 0;
    if (!ReadU32(data, pos, data.size(), &size) || !ReadU32(data, pos, data.size(), &checksum) ||
        size > kMaxPayload || data.size() - pos < size ||
        Checksum(data.constData() + pos, size) != checksum)
        return std::nullopt;
    const qsizetype end = pos + size;
    Block block;
    while (pos < end) {
        quint16 pathLen = 0;
        quint16 valueLen = 0;
        if (!ReadU16(data, pos, end, &pathLen) || pathLen == 0 || end - pos < pathLen)
            return std::nullopt;
        const QByteArray path(data.constData() + pos, pathLen);
        pos += pathLen;
        if (!ReadU16(data, pos, end, &valueLen) || end - pos < valueLen)
            return std::nullopt;
        block.m_entries.push_back(
            {QString::fromLatin1(path), QByteArray(data.constData() + pos, valueLen)});
        pos += valueLen;
    }
    return block;
}

std::optional<QByteArray> Block::Query(const QString& path) const {
    for (const Entry& e : m_entries)
        if (e.path.compare(path, Qt::CaseInsensitive) == 0)
            return e.value;
    return std::nullopt;
}

std::optional<Block> Find(const QByteArray& data) {
    const QByteArray marker = Marker();
    for (qsizetype at = data.indexOf(marker); at >= 0; at = data.indexOf(marker, at + 1))
        if (auto block = Block::Parse(data, at))
            return block;
    return std::nullopt;
}

} // namespace VersionBlock
