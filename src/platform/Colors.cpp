#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <algorithm>

namespace {
QPalette::ColorRole roleOf(int index, QPalette::ColorGroup* group) {
    *group = QPalette::Active;
    switch (index) {
    case 0:
        return QPalette::Button; // scroll bar
    case 1:
        return QPalette::Dark; // desktop
    case 2:
        return QPalette::Highlight; // active caption
    case 3:
        *group = QPalette::Inactive;
        return QPalette::Highlight;
    case 4:
        return QPalette::Window; // menu
    case 5:
        return QPalette::Base; // window
    case 6:
        return QPalette::Shadow; // window frame
    case 7:
        return QPalette::WindowText; // menu text
    case 8:
        return QPalette::Text; // window text
    case 9:
        return QPalette::HighlightedText; // caption text
    case 10:
        return QPalette::Mid; // active border
    case 11:
        *group = QPalette::Inactive;
        return QPalette::Mid;
    case 12:
        return QPalette::Dark; // application workspace
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button; // button face
    case 16:
        return QPalette::Dark; // button shadow
    case 17:
        *group = QPalette::Disabled;
        return QPalette::Text; // grey text
    case 18:
        return QPalette::ButtonText;
    case 19:
        *group = QPalette::Inactive;
        return QPalette::HighlightedText;
    case 20:
        return QPalette::Light; // button highlight
    case 21:
        return QPalette::Shadow; // 3-D dark shadow
    case 22:
        return QPalette::Midlight; // 3-D light
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 26:
        return QPalette::Link; // hot-tracked item
    case 27:
        return QPalette::Highlight;
    case 28:
        *group = QPalette::Inactive;
        return QPalette::Highlight;
    case 29:
        return QPalette::Highlight; // menu highlight
    case 30:
        return QPalette::Window; // menu bar
    default:
        return QPalette::Window;
    }
}
} // namespace

bool IsSystemColor(int value) {
    return (static_cast<unsigned>(value) & 0xFF000000u) == 0xFF000000u;
}

QColor ColorFromInt(int value) {
    const auto u = static_cast<unsigned>(value);
    if (IsSystemColor(value)) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = roleOf(static_cast<int>(u & 0xFFu), &group);
        const QColor c = QGuiApplication::palette().color(group, role);
        return QColor(c.red(), c.green(), c.blue());
    }
    return QColor(static_cast<int>(u & 0xFFu), static_cast<int>((u >> 8) & 0xFFu),
                  static_cast<int>((u >> 16) & 0xFFu));
}

int ColorToInt(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QColor LightenColor(const QColor& color, int percent) {
    const auto channel = [percent](int c) {
        // Rounded to the nearest, halves away from zero.
        const int num = (255 - c) * percent;
        const int q = (num >= 0 ? num + 50 : num - 50) / 100;
        return std::clamp(c + q, 0, 255);
    };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()));
}

QIcon ColorSample(int value) {
    QPixmap pixmap(16, 12);
    pixmap.fill(ColorFromInt(value));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}
