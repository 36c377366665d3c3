#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

enum class BevelCut { Flat, Lowered, Raised };

// A panel that always paints its own colour, whatever the style would draw behind it, with a
// centred caption and the two bevels of a classic panel.
class BevelPanel : public QWidget {
    Q_OBJECT
public:
    explicit BevelPanel(QWidget* parent = nullptr);

    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    // The caption's colour (the font colour of the classic panel).
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor& color);

    BevelCut BevelInner() const { return m_inner; }
    BevelCut BevelOuter() const { return m_outer; }
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelInner(BevelCut cut);
    void SetBevelOuter(BevelCut cut);
    void SetBevelWidth(int width);

    QSize sizeHint() const override { return {185, 41}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    QColor m_fontColor;
    QString m_caption;
    BevelCut m_inner = BevelCut::Flat;
    BevelCut m_outer = BevelCut::Flat;
    int m_bevelWidth = 1;
};
