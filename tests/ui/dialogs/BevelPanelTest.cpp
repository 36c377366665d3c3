#include "ZorvikTest.h"

#include "ui/dialogs/BevelPanel.h"

#include <QImage>
#include <QStyle>
#include <QStyleFactory>

namespace {

TEST(BevelPanelTest, PaintsItsOwnColourUnderEveryStyle) {
    const QColor chosen(0x20, 0xC0, 0x60);
    for (const QString& key : QStyleFactory::keys()) {
        SCOPED_TRACE(key.toStdString());
        std::unique_ptr<QStyle> style(QStyleFactory::create(key));
        QWidget parent;
        parent.setStyle(style.get());
        // A themed or styled parent must not show through the panel.
        parent.setStyleSheet(QStringLiteral("QWidget { background: #0000ff; }"));
        parent.resize(300, 100);
        auto* panel = new BevelPanel(&parent);
        panel->setGeometry(10, 10, 200, 60);
        panel->SetColor(chosen);
        panel->SetBevelWidth(3);
        panel->SetBevelOuter(BevelCut::Raised);
        const QImage image = parent.grab().toImage();
        EXPECT_EQ(image.pixelColor(110, 40), chosen);
        EXPECT_EQ(image.pixelColor(16, 16), chosen) << "inside the bevel";
        EXPECT_NE(image.pixelColor(10, 10), chosen) << "the bevel itself";
    }
}

TEST(BevelPanelTest, CaptionUsesTheFontColour) {
    BevelPanel panel;
    panel.resize(200, 80);
    panel.SetColor(Qt::white);
    QFont f = panel.font();
    f.setPixelSize(40);
    panel.setFont(f);
    panel.SetCaption(QStringLiteral("88"));
    panel.SetFontColor(QColor(255, 0, 0));
    const QImage image = panel.grab().toImage();
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y)
        for (int x = 0; x < image.width() && !red; ++x)
            red = image.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_TRUE(red);
}

} // namespace
