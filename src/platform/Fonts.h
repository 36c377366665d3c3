#pragma once

#include "core/FontText.h"

#include <QFont>

// Font sizes from a hand-edited file are kept to what a screen can show.
inline constexpr int kMinFontPoints = 1;
inline constexpr int kMaxFontPoints = 400;

// The font a stored font description stands for: its face, its size kept to kMinFontPoints to
// kMaxFontPoints, and its styles. The colour is not part of a QFont.
QFont FontFromData(const FontData& data);
