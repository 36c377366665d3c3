#include "ui/dialogs/BevelPanel.h"

#include <QPainter>
#include <algorithm>
#include <qdrawutil.h>

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) {
    m_color = palette().color(QPalette::Button);
    m_fontColor = palette().color(QPalette::WindowText);
    // Opaque: the panel paints every pixel itself, so a themed parent never shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(185, 41);
}

void BevelPanel::SetColor(const QColor& color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void BevelPanel::SetCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    // The caption is painted, not a child label; this lets a screen reader say it too.
    setAccessibleDescription(caption);
    update();
}

void BevelPanel::SetFontColor(const QColor& color) {
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
}

void BevelPanel::SetBevelInner(BevelCut cut) {
    m_inner = cut;
    update();
}

void BevelPanel::SetBevelOuter(BevelCut cut) {
    m_outer = cut;
    update();
}

void BevelPanel::SetBevelWidth(int width) {
    m_bevelWidth = std::max(0, width);
    update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, m_color);
    const QPalette pal = palette();
    const auto bevel = [&](BevelCut cut) {
        if (cut == BevelCut::Flat || m_bevelWidth <= 0)
            return;
        qDrawShadePanel(&p, r, pal, cut == BevelCut::Lowered, m_bevelWidth, nullptr);
        r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    };
    bevel(m_outer);
    bevel(m_inner);
    if (!m_caption.isEmpty()) {
        p.setPen(m_fontColor);
        p.setFont(font());
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, m_caption);
    }
}
