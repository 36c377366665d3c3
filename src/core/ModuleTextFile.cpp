#include "core/ModuleTextFile.h"

#include "core/Cp1251.h"
#include "core/FileIo.h"
#include "core/Messages.h"
#include "core/TextFormat.h"

#include <cerrno>

namespace ModuleTextFile {

namespace {
// Tab, line feed, vertical tab, form feed, carriage return and the old end-of-file mark occur in
// real text files; any other control byte means the file is not text.
bool isTextByte(unsigned char b) {
    return b >= 32 || (b >= 9 && b <= 13) || b == 26;
}
} // namespace

bool Read(const QString& path, QString* text, QString* reason) {
    const FileBytes file = ReadFileBytes(path, kMaxBytes);
    switch (file.outcome) {
    case FileBytes::Outcome::Read:
        return FromBytes(file.bytes, text, reason);
    case FileBytes::Outcome::Missing:
        *reason = SystemErrorText(ENOENT);
        return false;
    case FileBytes::Outcome::TooLarge:
        *reason = Format(Messages::TextFileTooLarge, {kMaxBytes / (1024 * 1024)});
        return false;
    case FileBytes::Outcome::Failed:
        break;
    }
    *reason = file.reason;
    return false;
}

bool FromBytes(const QByteArray& bytes, QString* text, QString* reason) {
    for (const char c : bytes) {
        if (!isTextByte(static_cast<unsigned char>(c))) {
            *reason = Messages::TextFileNotText;
            return false;
        }
    }
    QString t = cp1251::decode(bytes);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    *text = t;
    return true;
}

bool ToBytes(const QString& text, QByteArray* bytes, QString* reason) {
    QString t = text;
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QString bad;
    if (!cp1251::encode(t, bytes, &bad)) {
        *reason = Messages::CharNotInCodePage.arg(bad);
        return false;
    }
    return true;
}

bool Write(const QString& path, const QString& text, QString* reason) {
    QByteArray bytes;
    if (!ToBytes(text, &bytes, reason))
        return false;
    std::vector<iovec> parts{{bytes.data(), static_cast<size_t>(bytes.size())}};
    return WriteFileDurably(path, parts, reason);
}

} // namespace ModuleTextFile
