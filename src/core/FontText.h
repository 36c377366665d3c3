#pragma once

#include "core/IniFile.h"

#include <QString>

// The item font as the settings keep it. Plain data, so that the rules live without a window.
struct FontData {
    QString name;
    int size = 8;
    int color = static_cast<int>(0xFF000008u); // system colour: window text
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// Lines "FontName=", "FontSize=", "FontColor=", then "FontStyleBold=1" ... for each style set, each
// ended by CR LF; an empty face name gives no FontName line.
QString FontToIniText(const FontData& font);

// Applies such a text onto a font: a non-empty FontName (at most 31 characters used), FontSize and
// FontColor when they parse, and each style whose value is exactly "1". Styles are only added.
void IniTextToFont(FontData& font, const QString& text);

// Section TestFont as font text (its lines joined with CR LF).
QString ReadFontText(const IniFile& ini);

// Erases section TestFont, then writes each line of the text as name and value, in order.
void WriteFontText(IniFile& ini, const QString& text);
