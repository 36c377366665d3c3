#include "platform/ItemLook.h"

#include "core/FontText.h"
#include "platform/Colors.h"
#include "platform/Fonts.h"

#include <cmath>

namespace {

// The system colour "window text", which the item font has until the user picks a colour.
constexpr int kDesignTextColor = static_cast<int>(0xFF000008u);

QColor ReadableOn(const QColor& background, const QColor& text) {
    const auto luma = [](const QColor& c) {
        return 0.299 * c.redF() + 0.587 * c.greenF() + 0.114 * c.blueF();
    };
    if (std::abs(luma(background) - luma(text)) >= 0.4)
        return text;
    return luma(background) >= 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace

ItemLook ItemLookFor(int backgroundColor, const QString& fontText, const QFont& designFont,
                     const QColor& designText) {
    ItemLook look{ColorFromInt(backgroundColor), std::nullopt, designText};
    bool textChosen = false;
    if (!fontText.isEmpty()) {
        FontData fd;
        fd.name = designFont.family();
        fd.size = designFont.pointSize() > 0 ? designFont.pointSize() : 24;
        // Without a FontColor line the text keeps the design colour, which follows the palette.
        fd.color = kDesignTextColor;
        IniTextToFont(fd, fontText);
        look.font = FontFromData(fd);
        textChosen = !IsSystemColor(fd.color);
        if (fd.color != kDesignTextColor)
            look.text = ColorFromInt(fd.color);
    }
    if (!textChosen && !IsSystemColor(backgroundColor))
        look.text = ReadableOn(look.background, look.text);
    return look;
}
