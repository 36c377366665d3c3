#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

enum class TBevelCut { bvNone, bvLowered, bvRaised };

// A panel that always paints its own colour, whatever the style would draw behind it, with a
// centred caption and the two bevels of a classic panel.
class TMyCustomPanel : public QWidget {
    Q_OBJECT
public:
    explicit TMyCustomPanel(QWidget* parent = nullptr);

    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    // The caption's colour (the font colour of the classic panel).
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor& color);

    TBevelCut BevelInner() const { return m_inner; }
    TBevelCut BevelOuter() const { return m_outer; }
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelInner(TBevelCut cut);
    void SetBevelOuter(TBevelCut cut);
    void SetBevelWidth(int width);

    QSize sizeHint() const override { return {185, 41}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    QColor m_fontColor;
    QString m_caption;
    TBevelCut m_inner = TBevelCut::bvNone;
    TBevelCut m_outer = TBevelCut::bvNone;
    int m_bevelWidth = 1;
};

class TMyPanel : public TMyCustomPanel {
    Q_OBJECT
public:
    using TMyCustomPanel::TMyCustomPanel;
};
