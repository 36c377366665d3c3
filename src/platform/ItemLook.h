#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

// How the items of a run are drawn on the item panel.
struct ItemLook {
    QColor background;
    std::optional<QFont> font; // empty: the panel keeps its own design font
    QColor text;
};

// The look from the stored background colour number and the stored font text, applied over the
// panel's design font (without styles) and its current text colour. A text colour the user never
// chose follows the palette, and on a background the user did choose it could vanish (a dark
// palette's white text on a white background), so only such text takes black or white, whichever
// stands out more; a colour the user picked is used as picked.
ItemLook ItemLookFor(int backgroundColor, const QString& fontText, const QFont& designFont,
                     const QColor& designText);
