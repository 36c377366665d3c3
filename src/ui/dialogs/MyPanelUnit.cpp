#include "ui/dialogs/MyPanelUnit.h"

#include <QPainter>
#include <algorithm>
#include <qdrawutil.h>

TMyCustomPanel::TMyCustomPanel(QWidget* parent) : QWidget(parent) {
    m_color = palette().color(QPalette::Button);
    m_fontColor = palette().color(QPalette::WindowText);
    // Opaque: the panel paints every pixel itself, so a themed parent never shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(185, 41);
}

void TMyCustomPanel::SetColor(const QColor& color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TMyCustomPanel::SetCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    // The caption is painted, not a child label; this lets a screen reader say it too.
    setAccessibleDescription(caption);
    update();
}

void TMyCustomPanel::SetFontColor(const QColor& color) {
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
}

void TMyCustomPanel::SetBevelInner(TBevelCut cut) {
    m_inner = cut;
    update();
}

void TMyCustomPanel::SetBevelOuter(TBevelCut cut) {
    m_outer = cut;
    update();
}

void TMyCustomPanel::SetBevelWidth(int width) {
    m_bevelWidth = std::max(0, width);
    update();
}

void TMyCustomPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, m_color);
    const QPalette pal = palette();
    const auto bevel = [&](TBevelCut cut) {
        if (cut == TBevelCut::bvNone || m_bevelWidth <= 0)
            return;
        qDrawShadePanel(&p, r, pal, cut == TBevelCut::bvLowered, m_bevelWidth, nullptr);
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
