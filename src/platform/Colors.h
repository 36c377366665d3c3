#pragma once

#include <QColor>
#include <QString>

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
