#include "core/FontText.h"

#include "core/BitsText.h"
#include "core/NameValue.h"
#include "core/SettingsKeys.h"

namespace {
QStringList splitLines(const QString& text) {
    QStringList out;
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        out.append(text.mid(pos, end - pos));
        pos = end;
        if (pos < n && text[pos] == QLatin1Char('\r'))
            ++pos;
        if (pos < n && text[pos] == QLatin1Char('\n'))
            ++pos;
    }
    return out;
}
} // namespace

QString FontToIniText(const FontData& font) {
    const QLatin1String crlf("\r\n");
    QString out;
    if (!font.name.isEmpty())
        out += QStringLiteral("FontName=") + font.name + crlf;
    out += QStringLiteral("FontSize=") + QString::number(font.size) + crlf;
    out += QStringLiteral("FontColor=") + QString::number(font.color) + crlf;
    if (font.bold)
        out += QStringLiteral("FontStyleBold=1") + crlf;
    if (font.italic)
        out += QStringLiteral("FontStyleItalic=1") + crlf;
    if (font.underline)
        out += QStringLiteral("FontStyleUnderline=1") + crlf;
    if (font.strikeOut)
        out += QStringLiteral("FontStyleStrikeOut=1") + crlf;
    return out;
}

void IniTextToFont(FontData& font, const QString& text) {
    const QStringList lines = splitLines(text);
    const QString name = NameValue::Value(lines, QStringLiteral("FontName"));
    if (!name.isEmpty())
        font.name = name.left(31);
    if (const auto size = ParseIniInteger(NameValue::Value(lines, QStringLiteral("FontSize"))))
        font.size = *size;
    const QString one = QStringLiteral("1");
    if (NameValue::Value(lines, QStringLiteral("FontStyleBold")) == one)
        font.bold = true;
    if (NameValue::Value(lines, QStringLiteral("FontStyleItalic")) == one)
        font.italic = true;
    if (NameValue::Value(lines, QStringLiteral("FontStyleUnderline")) == one)
        font.underline = true;
    if (NameValue::Value(lines, QStringLiteral("FontStyleStrikeOut")) == one)
        font.strikeOut = true;
    if (const auto color = ParseIniInteger(NameValue::Value(lines, QStringLiteral("FontColor"))))
        font.color = *color;
}

QString ReadFontText(const IniFile& ini) {
    QStringList lines;
    ini.ReadSectionValues(Settings::FontSection, lines);
    return lines.join(QStringLiteral("\r\n"));
}

void WriteFontText(IniFile& ini, const QString& text) {
    ini.EraseSection(Settings::FontSection);
    for (const QString& line : splitLines(text)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        ini.WriteString(Settings::FontSection, line.left(eq), line.mid(eq + 1));
    }
}
