#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The ten standard version strings of a program file, in the order the version block lists them.
enum class VersionField {
    CompanyName,
    FileDescription,
    FileVersion,
    InternalName,
    LegalCopyright,
    LegalTradeMark,
    OriginalFileName,
    ProductName,
    ProductVersion,
    Comments
};
inline constexpr int kVersionTypeCount = 10;

// The key each kind is stored under in a string block.
QString VersionKeyName(VersionField kind);

// A version block as the build embeds it in the executable: the marker, the payload size and its
// checksum (32-bit little-endian each), then the payload: entries of (16-bit path length, path,
// 16-bit value length, value). Paths look like "\VarFileInfo\Translation" or
// "\StringFileInfo\041904E3\FileVersion"; string values are code page 1251 and zero-terminated.
namespace VersionBlock {
// The marker that opens a block. Built at run time, so that the reader's own code never holds it.
QByteArray Marker();
// The payload checksum (32-bit FNV-1a). Bytes that merely happen to follow a copy of the marker
// elsewhere in the file fail it, so they are never taken for the block.
quint32 Checksum(const char* data, qsizetype size);
// A payload bigger than this is taken for garbage, not for a block.
inline constexpr quint32 kMaxPayload = 64 * 1024;

// The parsed entries of one block; nullopt when the bytes from offset on are not a whole block.
class Block {
public:
    static std::optional<Block> Parse(const QByteArray& data, qsizetype offset);
    // The value stored under a path (letter case ignored), or nullopt.
    std::optional<QByteArray> Query(const QString& path) const;

private:
    struct Entry {
        QString path;
        QByteArray value;
    };
    std::vector<Entry> m_entries;
};

// The first whole block in a file's bytes, or nullopt.
std::optional<Block> Find(const QByteArray& data);
} // namespace VersionBlock
