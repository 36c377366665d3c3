#include "ZorvikTest.h"

#include "app/MainFormUnit.h"
#include "app/ResStrUnit.h"
#include "app/Stores.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

namespace {

class MainFormTest : public ZorvikTest {};

TEST_F(MainFormTest, FirstStartOpensHelpOnceAndWritesTheFlagFirst) {
    {
        TMainForm form;
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Zorvik"));
        QCoreApplication::sendPostedEvents(&form);
        ASSERT_EQ(desktop.urls.size(), 1u);
        EXPECT_EQ(desktop.urls[0].toLocalFile(), PathOf(QStringLiteral("Help/index.htm")));
        EXPECT_EQ(ReadFile(QStringLiteral("settings.ini")),
                  QByteArray("[ZorvikSettings]\r\nFirstStart=0\r\n\r\n"));
    }
    ReopenStores();
    TMainForm again;
    QCoreApplication::sendPostedEvents(&again);
    EXPECT_EQ(desktop.urls.size(), 1u);
}

TEST_F(MainFormTest, FailedFirstStartSaveIsShownAndHelpNotOpened) {
    WriteFile(QStringLiteral("settings.ini/x"), "folder in the way");
    TMainForm form;
    prompts.ExpectMessage(QMessageBox::Ok);
    QCoreApplication::sendPostedEvents(&form);
    ASSERT_FALSE(prompts.Calls().empty());
    EXPECT_EQ(prompts.Last().caption, ResStr::Error);
    EXPECT_TRUE(prompts.Last().text.contains(PathOf(QStringLiteral("settings.ini"))));
    EXPECT_TRUE(desktop.urls.empty());
}

TEST_F(MainFormTest, StatusLineShowsTheProgramLine) {
    TMainForm form;
    const auto* label = form.findChild<QLabel*>(QStringLiteral("StatusLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(
        label->text(),
        QStringLiteral(" Zorvik - тестирование  качества и скорости запоминания информации."));
    QCoreApplication::sendPostedEvents(&form);
}

} // namespace
