#include "ui/dialogs/VersionInfo.h"

#include "core/Cp1251.h"

#include <QCoreApplication>
#include <QFile>

VersionInfo::VersionInfo(QObject* owner)
    : VersionInfo(QCoreApplication::applicationFilePath(), owner) {}

VersionInfo::VersionInfo(const QString& fileName, QObject* owner)
    : QObject(owner), m_fileName(fileName) {
    ReadVersionInfo();
}

VersionInfo::~VersionInfo() = default;

QString VersionInfo::GetVersionString(VersionField kind) const {
    return m_strings[static_cast<std::size_t>(kind)];
}

void VersionInfo::ReadVersionInfo() {
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
        const auto kind = static_cast<VersionField>(i);
        const auto value = block->Query(QStringLiteral("\\StringFileInfo\\") + blockName +
                                        QLatin1Char('\\') + VersionKeyName(kind));
        if (!value)
            continue;
        const qsizetype nul = value->indexOf('\0');
        m_strings[static_cast<std::size_t>(i)] =
            cp1251::decode(nul < 0 ? *value : value->left(nul));
    }
}
