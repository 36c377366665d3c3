#pragma once

#include <QString>

#include <algorithm>

// The store the crash test's child keeps saving. Save number s (from 1) sets Step=s and entry
// K<(s-1) mod kGrowKeys>, so the store grows to kGrowKeys entries and then keeps changing at the
// same size; each content is a function of s alone, which lets the parent tell a complete file
// from a mixed one.
namespace Grow {

inline constexpr int kKeys = 300;

inline QString Section() {
    return QStringLiteral("Grow");
}
inline QString Key(int slot) {
    return QStringLiteral("K%1").arg(slot);
}
// Long enough that a save takes a while, and of a length that changes from one save to the next.
inline QString Value(int step) {
    return QStringLiteral("%1;").arg(step).repeated(20 + step % 17);
}

// The whole file after save number s, in the saving format.
inline QString Text(int s) {
    QString out = QStringLiteral("[Grow]\r\nStep=%1\r\n").arg(s);
    for (int slot = 0; slot < std::min(s, kKeys); ++slot) {
        const int step = slot + kKeys * ((s - 1 - slot) / kKeys);
        out += Key(slot) + QLatin1Char('=') + Value(step) + QStringLiteral("\r\n");
    }
    return out + QStringLiteral("\r\n");
}

} // namespace Grow
