#pragma once

#include <QColor>
#include <QIcon>
#include <QString>
#include <array>

// The sixteen basic colours in the files' form, in the order the colour boxes list them (their
// names are Messages::StandardColorNames).
inline constexpr std::array<int, 16> StandardColors = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// Colours as the files keep them: 0x00BBGGRR for an explicit colour (red in the lowest byte), or
// 0xFF0000nn for the desktop's system colour number nn, resolved through the current palette.
QColor ColorFromInt(int value);
// The explicit form of a colour.
int ColorToInt(const QColor& color);
// True when the value names a system colour.
bool IsSystemColor(int value);

// Each channel moves p per cent of the way to white, rounded to the nearest; 0 keeps the colour,
// 100 gives white.
QColor LightenColor(const QColor& color, int percent);

// The sample a colour list shows beside a colour's name: a small box of the colour, framed black.
QIcon ColorSample(int value);
