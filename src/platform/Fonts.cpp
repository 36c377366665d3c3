#include "platform/Fonts.h"

#include <algorithm>

QFont FontFromData(const FontData& data) {
    QFont font(data.name);
    font.setPointSize(std::clamp(data.size, kMinFontPoints, kMaxFontPoints));
    font.setBold(data.bold);
    font.setItalic(data.italic);
    font.setUnderline(data.underline);
    font.setStrikeOut(data.strikeOut);
    return font;
}
