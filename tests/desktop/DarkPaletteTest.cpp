#include "ZorvikTest.h"

#include "core/FontText.h"
#include "core/Launch.h"
#include "core/SettingsKeys.h"
#include "core/Stores.h"
#include "ui/dialogs/BevelPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/run/TestWindow.h"

#include <QApplication>
#include <QPalette>

// Under a dark desktop palette the item must stay readable, and the colours the user chose for the
// item panel must stay as chosen.

namespace {

struct Look {
    QColor background;
    QColor text;
};

class DarkPaletteTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        InstallShippedData();
        m_saved = QApplication::palette();
        QPalette dark = m_saved;
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
            dark.setColor(role, QColor(0x2B, 0x2D, 0x31));
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            dark.setColor(role, QColor(0xE6, 0xE6, 0xE6));
        QApplication::setPalette(dark);
    }
    void TearDown() override {
        QApplication::setPalette(m_saved);
        ZorvikTest::TearDown();
    }

    // The item panel's colours as the training run gets them from the main window.
    Look LaunchLook() {
        Look look;
        MainWindow main;
        main.SetRunHook([&look](TestWindow& form, const LaunchParams&) {
            const auto* panel = form.findChild<BevelPanel*>(QStringLiteral("DataPanel"));
            look = {panel->Color(), panel->FontColor()};
            return 2;
        });
        main.TrainActionExecute();
        return look;
    }

    QPalette m_saved;
};

TEST_F(DarkPaletteTest, ItemColoursStayReadableAndChosenOnesStay) {
    const QColor light(0xE6, 0xE6, 0xE6);
    struct Case {
        const char* what;
        int background;   // as settings.ini keeps it
        QString fontText; // section TestFont, empty for none
        QColor wantBackground;
        QColor wantText;
    };
    const Case cases[] = {
        {"system colours follow the palette",
         static_cast<int>(0xFF00000Fu),
         {},
         QColor(0x2B, 0x2D, 0x31),
         light},
        {"a chosen white background gets dark text", 0x00FFFFFF, {}, Qt::white, Qt::black},
        {"a chosen yellow background with the system text colour", 0x0000FFFF,
         QStringLiteral("FontSize=20\r\nFontColor=-16777208\r\n"), Qt::yellow, Qt::black},
        {"a chosen navy background keeps light text", 0x00800000, {}, QColor(0, 0, 128), light},
        {"a chosen text colour is kept even where it is hard to read", 0x00FFFFFF,
         QStringLiteral("FontColor=15790320\r\n"), Qt::white, QColor(0xF0, 0xF0, 0xF0)},
        {"a picked black stays black on navy", 0x00800000, QStringLiteral("FontColor=0\r\n"),
         QColor(0, 0, 128), Qt::black},
        {"a font without a colour keeps the palette's, made readable", 0x00FFFFFF,
         QStringLiteral("FontSize=20\r\n"), Qt::white, Qt::black},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SettingsIni().WriteInteger(Settings::Section, Settings::Key::BackgroundColor, c.background);
        WriteFontText(SettingsIni(), c.fontText);
        const Look look = LaunchLook();
        EXPECT_EQ(look.background, c.wantBackground);
        EXPECT_EQ(look.text, c.wantText);
    }
}

} // namespace
