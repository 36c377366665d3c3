#include "ui/dialogs/rpVersionInfo.h"

#include "core/Cp1251.h"

#include <QCoreApplication>
#include <QFile>

QString VersionKeyName(TVersionType kind) {
    switch (kind) {
    case TVersionType::vtCompanyName:
        return QStringLiteral("CompanyName");
    case TVersionType::vtFileDescription:
        return QStringLiteral("FileDescription");
    case TVersionType::vtFileVersion:
        return QStringLiteral("FileVersion");
    case TVersionType::vtInternalName:
        return QStringLiteral("InternalName");
    case TVersionType::vtLegalCopyright:
        return QStringLiteral("LegalCopyright");
    case TVersionType::vtLegalTradeMark:
        return QStringLiteral("LegalTrademarks");
    case TVersionType::vtOriginalFileName:
        return QStringLiteral("OriginalFilename");
    case TVersionType::vtProductName:
        return QStringLiteral("ProductName");
    case TVersionType::vtProductVersion:
        return QStringLiteral("ProductVersion");
    case TVersionType::vtComments:
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

TrpVersionInfo::TrpVersionInfo(QObject* owner)
    : TrpVersionInfo(QCoreApplication::applicationFilePath(), owner) {}

TrpVersionInfo::TrpVersionInfo(const QString& fileName, QObject* owner)
    : QObject(owner), m_fileName(fileName) {
    ReadVersionInfo();
}

TrpVersionInfo::~TrpVersionInfo() = default;

QString TrpVersionInfo::GetVersionString(TVersionType kind) const {
    return m_strings[static_cast<std::size_t>(kind)];
}

void TrpVersionInfo::ReadVersionInfo() {
    m_strings.fill(QString());
    QFile file(m_fileName);
    if (m_fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    // Mapped rather than read: the program file can be large, and only the block is needed.
    QByteArray bytes;
    uchar* mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr;
    if (mapped)
        bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file.size());
    else
        bytes = file.readAll();
    const std::optional<VersionBlock::Block> block = VersionBlock::Find(bytes);
    if (!block)
        return;

    QString blockName;
    if (const auto translation = block->Query(QStringLiteral("\\VarFileInfo\\Translation"));
        translation && translation->size() >= 4) {
        const auto* p = reinterpret_cast<const unsigned char*>(translation->constData());
        const int language = p[0] | (p[1] << 8);
        const int codePage = p[2] | (p[3] << 8);
        blockName = QStringLiteral("%1%2")
                        .arg(language, 4, 16, QLatin1Char('0'))
                        .arg(codePage, 4, 16, QLatin1Char('0'))
                        .toUpper();
    }
    for (int i = 0; i < kVersionTypeCount; ++i) {
        const auto kind = static_cast<TVersionType>(i);
        const auto value = block->Query(QStringLiteral("\\StringFileInfo\\") + blockName +
                                        QLatin1Char('\\') + VersionKeyName(kind));
        if (!value)
            continue;
        const qsizetype nul = value->indexOf('\0');
        m_strings[static_cast<std::size_t>(i)] =
            cp1251::decode(nul < 0 ? *value : value->left(nul));
    }
}
