#include "CoreTest.h"

#include "core/FontText.h"
#include "core/SettingsKeys.h"
#include "core/SettingsValues.h"
#include "core/Stores.h"

namespace {

class SettingsTest : public CoreTest {};

TEST_F(SettingsTest, MissingFileGivesEveryDefault) {
    const IniFile& ini = SettingsIni();
    EXPECT_EQ(Settings::BackgroundColor(ini), -16777201);
    EXPECT_EQ(Settings::PhoneFormat(ini), QStringLiteral("000-00-00"));
    EXPECT_EQ(Settings::TestElValue(ini), 20);
    EXPECT_EQ(Settings::TestDataName(ini), QStringLiteral("TestNumsData1"));
    EXPECT_EQ(Settings::TestTimeLimit(ini), 6000);
    EXPECT_EQ(Settings::TestTimeLimitType(ini), 0);
    EXPECT_FALSE(Settings::InfiniteTime(ini));
    EXPECT_FALSE(Settings::DoCalc(ini));
    EXPECT_FALSE(Settings::ShowCurrent(ini));
    EXPECT_TRUE(Settings::TestRange(ini).isEmpty());
    EXPECT_EQ(Settings::ExamElValue(ini), 50);
    EXPECT_EQ(Settings::ExamDataType(ini), 0);
    EXPECT_EQ(Settings::MigDigWidth(ini), 5);
    EXPECT_EQ(Settings::MigTimeLimit(ini), 3000);
    EXPECT_TRUE(Settings::FirstStart(ini));
    EXPECT_EQ(ReadSettingsValues(ini), SettingsValues{});
}

TEST_F(SettingsTest, TheDialogsValuesGoOutInTheCommandsOrderAndComeBack) {
    WriteFile(QStringLiteral("settings.ini"),
              Cp1251Lines(QStringLiteral("[ZorvikSettings]\nTestTimeLimitType=7\nExamDataType=-1\n"
                                         "TestDataName=Kept\n")));
    SettingsValues v = ReadSettingsValues(SettingsIni(), 9, 900);
    EXPECT_EQ(v.TestTimeLimitType, 1); // any other type is the mean-time rule
    EXPECT_EQ(v.ExamDataType, 1);
    EXPECT_EQ(v.MigDigWidth, 9);
    EXPECT_EQ(v.MigTimeLimit, 900);
    v.PhoneFormat = QStringLiteral("00-00");
    v.TestFontText = QStringLiteral("FontName=Arial\r\nFontSize=30");
    v.TestDataName = QString(); // no module chosen: the stored one stays
    v.RangeTable = {QStringLiteral("W=Start=a,End=b")};
    v.DoCalc = true;
    v.SpeakItems = true;
    v.SpeakVoice = QStringLiteral("Russian+Alex");
    WriteSettingsValues(SettingsIni(), v);
    EXPECT_EQ(ReadFile(QStringLiteral("settings.ini")),
              Cp1251Lines(QStringLiteral(
                  "[ZorvikSettings]\nTestTimeLimitType=1\nExamDataType=1\nTestDataName=Kept\n"
                  "BackgroundColor=-16777201\nPhoneFormat=00-00\nTestElValue=20\n"
                  "TestTimeLimit=6000\nDoCalc=1\nInfiniteTime=0\nShowCurrent=0\n"
                  "ExamElValue=50\nTestRange=\"W=Start=a,End=b\"\nMigDigWidth=9\n"
                  "MigTimeLimit=900\nSpeakItems=1\nSpeakVoice=Russian+Alex\nSpeakDigits=0\n"
                  "\n[TestFont]\nFontName=Arial\nFontSize=30\n\n")));
    ReopenStores();
    v.TestDataName = QStringLiteral("Kept");
    EXPECT_EQ(ReadSettingsValues(SettingsIni(), 9, 900), v);
}

TEST_F(SettingsTest, HandEditedValuesParseOrFallBack) {
    WriteFile(QStringLiteral("settings.ini"),
              Cp1251Lines(QStringLiteral("[ZorvikSettings]\nBackgroundColor=0x0000FF\n"
                                         "TestElValue=abc\nTestTimeLimitType=5\nDoCalc=2\n"
                                         "ExamElValue = 70\nFirstStart=0\nSpeakDigits=-3\n"
                                         "SpeakVoice=") +
                          QString(201, QLatin1Char('x'))));
    const IniFile& ini = SettingsIni();
    EXPECT_EQ(Settings::BackgroundColor(ini), 0x0000FF);
    EXPECT_EQ(Settings::TestElValue(ini), 20);
    EXPECT_EQ(Settings::TestTimeLimitType(ini), 5);
    EXPECT_TRUE(Settings::DoCalc(ini));
    EXPECT_EQ(Settings::ExamElValue(ini), 70);
    EXPECT_FALSE(Settings::FirstStart(ini));
    EXPECT_EQ(Settings::SpeakDigits(ini), 1);
    EXPECT_EQ(Settings::SpeakVoice(ini), QString());
}

TEST(FontText, TextFormAndApplication) {
    FontData f;
    f.name = QStringLiteral("Arial");
    f.size = 24;
    f.color = 255;
    f.bold = true;
    f.strikeOut = true;
    EXPECT_EQ(FontToIniText(f), QStringLiteral("FontName=Arial\r\nFontSize=24\r\nFontColor=255\r\n"
                                               "FontStyleBold=1\r\nFontStyleStrikeOut=1\r\n"));
    f.name.clear();
    EXPECT_FALSE(FontToIniText(f).contains(QStringLiteral("FontName")));

    FontData g;
    IniTextToFont(g, QStringLiteral("fontname=") + QString(40, QLatin1Char('N')) +
                         QStringLiteral("\r\nFontSize=x\r\nFontStyleItalic=1\r\n"
                                        "FontStyleBold=2\r\nFontColor=0x0000FF"));
    EXPECT_EQ(g.name, QString(31, QLatin1Char('N')));
    EXPECT_EQ(g.size, 8);
    EXPECT_TRUE(g.italic);
    EXPECT_FALSE(g.bold);
    EXPECT_EQ(g.color, 255);

    // Styles are only ever added.
    FontData bold;
    bold.bold = true;
    IniTextToFont(bold, QStringLiteral("FontSize=10"));
    EXPECT_TRUE(bold.bold);
}

TEST_F(SettingsTest, FontSectionHoldsExactlyTheNewText) {
    FontData f;
    f.name = QStringLiteral("Times");
    f.size = 30;
    f.color = 0;
    f.bold = true;
    WriteFontText(SettingsIni(), FontToIniText(f));
    f.bold = false;
    WriteFontText(SettingsIni(), FontToIniText(f));
    ReopenStores();
    FontData back;
    IniTextToFont(back, ReadFontText(SettingsIni()));
    EXPECT_EQ(back.name, QStringLiteral("Times"));
    EXPECT_EQ(back.size, 30);
    EXPECT_FALSE(back.bold);
    EXPECT_EQ(
        ReadFile(QStringLiteral("settings.ini")),
        Cp1251Lines(QStringLiteral("[TestFont]\nFontName=Times\nFontSize=30\nFontColor=0\n\n")));
}

} // namespace
