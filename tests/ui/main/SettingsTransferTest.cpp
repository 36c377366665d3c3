#include "SettingsFixture.h"

#include "core/Cp1251.h"
#include "core/FontText.h"
#include "core/SettingsKeys.h"
#include "ui/dialogs/SpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

class SettingsTransferTest : public SettingsFixture {
protected:
    QString SettingsText() const {
        return cp1251::decode(ReadFile(QStringLiteral("settings.ini")));
    }
    QString Stored(const QString& key) const {
        return SettingsIni().ReadString(Settings::Section, key, QStringLiteral("<none>"));
    }
    // Changes the font, the phone pattern and a range, then presses the given button.
    static void ChangeEverythingAndPress(QWidget* modal, const QString& button,
                                         ScriptedPrompts& prompts) {
        auto* f = qobject_cast<SettingsDialog*>(modal);
        ASSERT_NE(f, nullptr);
        f->PhoneFormat = QStringLiteral("0-0-0");
        QFont font(QStringLiteral("Courier New"));
        font.setPointSize(24);
        font.setBold(true);
        prompts.ExpectFont(true, font, 0xFF0000);
        f->FontSampleButtonClick();
        Child<QComboBox>(*f, "TestDataComboBox")->setCurrentIndex(1);
        Pick(Child<QComboBox>(*f, "TestBeginRangeComboBox"), 1);
        f->findChild<QPushButton*>(button)->click();
    }
};

TEST_F(SettingsTransferTest, OkOnAFreshInstallationWritesEveryKeyInOrder) {
    WriteSettings(QStringLiteral("[ZorvikSettings]\nFirstStart=0\n"));
    Open();
    SettingsTransferOut(*form, range);
    EXPECT_EQ(SettingsText(), QStringLiteral("[ZorvikSettings]\r\nFirstStart=0\r\n"
                                             "BackgroundColor=-16777201\r\n"
                                             "PhoneFormat=000-00-00\r\n"
                                             "TestTimeLimitType=0\r\n"
                                             "TestElValue=20\r\n"
                                             "TestDataName=TestNumsData1\r\n"
                                             "TestTimeLimit=6000\r\n"
                                             "DoCalc=0\r\nInfiniteTime=0\r\nShowCurrent=0\r\n"
                                             "ExamElValue=50\r\n"
                                             "ExamDataType=0\r\n"
                                             "TestRange=\r\n"
                                             "MigDigWidth=5\r\nMigTimeLimit=3000\r\n"
                                             "SpeakItems=0\r\nSpeakVoice=\r\nSpeakDigits=0\r\n"
                                             "\r\n"));
}

TEST_F(SettingsTransferTest, EveryStoredValueComesBackUnchanged) {
    WriteSettings(QStringLiteral("[ZorvikSettings]\nBackgroundColor=16777215\nPhoneFormat=00 - 00\n"
                                 "TestElValue=130\nTestDataName=WORDS\nTestTimeLimit=2500\n"
                                 "TestTimeLimitType=1\nInfiniteTime=1\nDoCalc=1\nShowCurrent=1\n"
                                 "TestRange=\"Words=Start=Кот,End=Dog\"\nExamElValue=300\n"
                                 "ExamDataType=1\nMigDigWidth=12\nMigTimeLimit=700\n"
                                 "SpeakItems=1\nSpeakVoice=Gone\nSpeakDigits=1\n"
                                 "[TestFont]\nFontName=Arial\nFontSize=30\nFontColor=255\n"
                                 "FontStyleUnderline=1\n"));
    const QString fontText = ReadFontText(SettingsIni());
    SettingsDialog& f = Open();
    EXPECT_EQ(Child<QComboBox>(f, "TestDataComboBox")->currentText(), QStringLiteral("Мои слова"));
    EXPECT_EQ(Child<SpinEdit>(f, "TestElSpinEdit")->Value(), 130);
    EXPECT_EQ(f.TimeLimitItemIndex(), 1);
    EXPECT_EQ(f.ExamTypeItemIndex(), 1);
    EXPECT_EQ(f.TestFontText, fontText);
    EXPECT_EQ(Child<QComboBox>(f, "TestBeginRangeComboBox")->currentText(), QStringLiteral("Кот"));

    SettingsTransferOut(f, range);
    ReopenStores();
    const IniFile& ini = SettingsIni();
    EXPECT_EQ(Settings::BackgroundColor(ini), 0xFFFFFF);
    EXPECT_EQ(Settings::PhoneFormat(ini), QStringLiteral("00 - 00"));
    EXPECT_EQ(Settings::TestElValue(ini), 130);
    EXPECT_EQ(Settings::TestDataName(ini), QStringLiteral("Words")) << "the id as the list has it";
    EXPECT_EQ(Settings::TestTimeLimit(ini), 2500);
    EXPECT_EQ(Settings::TestTimeLimitType(ini), 1);
    EXPECT_TRUE(Settings::InfiniteTime(ini));
    EXPECT_TRUE(Settings::DoCalc(ini));
    EXPECT_TRUE(Settings::ShowCurrent(ini));
    EXPECT_EQ(Settings::TestRange(ini), QStringLiteral("\"Words=Start=Кот,End=Dog\""));
    EXPECT_EQ(Settings::ExamElValue(ini), 300);
    EXPECT_EQ(Settings::ExamDataType(ini), 1);
    EXPECT_EQ(Settings::MigDigWidth(ini), 12);
    EXPECT_EQ(Settings::MigTimeLimit(ini), 700);
    EXPECT_TRUE(Settings::SpeakItems(ini));
    EXPECT_EQ(Settings::SpeakVoice(ini), QStringLiteral("Gone")) << "a voice the engine lacks";
    EXPECT_EQ(Settings::SpeakDigits(ini), 1);
    EXPECT_EQ(ReadFontText(ini), fontText);
}

TEST_F(SettingsTransferTest, HandEditedValuesComeBackWithinTheControlsBounds) {
    struct Case {
        const char* key;
        const char* stored;
        const char* written;
    };
    const Case cases[] = {
        {"TestElValue", "99999", "1000"},
        {"TestElValue", "-5", "10"},
        {"TestElValue", "abc", "20"},
        {"TestTimeLimit", "1", "500"},
        {"TestTimeLimit", "2147483647", "12000"},
        {"ExamElValue", "5", "20"},
        {"MigDigWidth", "100", "30"},
        {"MigDigWidth", "0", "5"},
        {"MigTimeLimit", "-2147483648", "500"},
        {"TestTimeLimitType", "5", "1"},
        {"TestTimeLimitType", "-3", "1"}, // training reads any non-zero type as the mean rule
        {"ExamDataType", "7", "1"},
        {"BackgroundColor", "0x0000FF", "255"},
        {"BackgroundColor", "1193046", "1193046"}, // a colour the box does not list
        {"DoCalc", "2", "1"},
        {"PhoneFormat", "((+7))", "((+7))"},
    };
    for (const Case& c : cases) {
        const QString key = QString::fromLatin1(c.key);
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        WriteSettings(QStringLiteral("[ZorvikSettings]\n") + key + QLatin1Char('=') +
                      QString::fromLatin1(c.stored) + QLatin1Char('\n'));
        Open();
        SettingsTransferOut(*form, range);
        EXPECT_EQ(Stored(key), QString::fromLatin1(c.written));
    }
}

TEST_F(SettingsTransferTest, RangeItemsWithBlanksAndQuotesSurviveBothLevels) {
    SettingsDialog& f = Open();
    SelectModule(QStringLiteral("Words"));
    Pick(Child<QComboBox>(f, "TestBeginRangeComboBox"), 1); // say "hi"
    Pick(Child<QComboBox>(f, "TestEndRangeComboBox"), 0);   // big cat
    SettingsTransferOut(f, range);
    EXPECT_EQ(Stored(Settings::Key::TestRange),
              QStringLiteral("\"Words=\"\"Start=say \"\"\"\"hi\"\"\"\"\"\",\"\"End=big cat\"\"\""));

    ReopenStores();
    SettingsDialog& again = Open();
    EXPECT_EQ(Child<QComboBox>(again, "TestBeginRangeComboBox")->currentIndex(), 1);
    EXPECT_EQ(Child<QComboBox>(again, "TestEndRangeComboBox")->currentIndex(), 0);
}

TEST_F(SettingsTransferTest, WithoutAValidModuleOkKeepsTheStoredModuleName) {
    ids = QStringList{QStringLiteral("Words"), PhoneNumsId};
    for (const char* stored :
         {static_cast<const char*>("Deleted"), static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(stored ? stored : "missing");
        WriteSettings(stored ? QStringLiteral("[ZorvikSettings]\nTestDataName=") +
                                   QString::fromLatin1(stored) + QLatin1Char('\n')
                             : QString());
        Open();
        ASSERT_EQ(Child<QComboBox>(*form, "TestDataComboBox")->currentIndex(), -1);
        SettingsTransferOut(*form, range);
        EXPECT_EQ(Stored(Settings::Key::TestDataName),
                  stored ? QString::fromLatin1(stored) : QStringLiteral("TestNumsData1"));
    }
}

TEST_F(SettingsTransferTest, CancelLeavesTheFileByteForByteUnchanged) {
    WriteSettings(QStringLiteral("[ZorvikSettings]\nFirstStart=0\nPhoneFormat=000-000\n"
                                 "TestRange=\n[TestFont]\nFontName=Arial\nFontSize=30\n"));
    const QByteArray before = ReadFile(QStringLiteral("settings.ini"));
    bool accepted = false;
    DriveModal([&] { accepted = SettingsActionExecute(nullptr, ids); },
               [this](QWidget* modal) {
                   ChangeEverythingAndPress(modal, QStringLiteral("CancelButton"), prompts);
               });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(ReadFile(QStringLiteral("settings.ini")), before);
    EXPECT_EQ(Stored(Settings::Key::PhoneFormat), QStringLiteral("000-000"));
}

TEST_F(SettingsTransferTest, EscapeCountsAsCancelAndCreatesNoFile) {
    bool accepted = false;
    DriveModal([&] { accepted = SettingsActionExecute(nullptr, ids); },
               [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_FALSE(accepted);
    EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("settings.ini"))));
}

TEST_F(SettingsTransferTest, OkWritesWhatWasChangedInTheDialog) {
    bool accepted = false;
    DriveModal([&] { accepted = SettingsActionExecute(nullptr, ids); },
               [this](QWidget* modal) {
                   ChangeEverythingAndPress(modal, QStringLiteral("OKButton"), prompts);
               });
    EXPECT_TRUE(accepted);
    ReopenStores();
    const IniFile& ini = SettingsIni();
    EXPECT_EQ(Settings::PhoneFormat(ini), QStringLiteral("0-0-0"));
    EXPECT_EQ(Settings::TestDataName(ini), QStringLiteral("Words"));
    EXPECT_EQ(Settings::TestRange(ini),
              QStringLiteral("\"Words=\"\"Start=say \"\"\"\"hi\"\"\"\"\"\","
                             "End=Dog\""));
    EXPECT_EQ(ReadFontText(ini), QStringLiteral("FontName=Courier New\r\nFontSize=24\r\n"
                                                "FontColor=16711680\r\nFontStyleBold=1"));
}

TEST_F(SettingsTransferTest, AFailedSaveAbandonsTheRemainingWritesAndIsShown) {
    // A folder where the file should be: every save fails.
    QFile::remove(PathOf(QStringLiteral("settings.ini")));
    ASSERT_TRUE(QDir(Dir()).mkdir(QStringLiteral("settings.ini")));
    ReopenStores();
    prompts.ExpectMessage(QMessageBox::Ok);
    bool accepted = false;
    DriveModal([&] { accepted = SettingsActionExecute(nullptr, ids); },
               [](QWidget* modal) {
                   modal->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
               });
    EXPECT_TRUE(accepted);
    ASSERT_FALSE(prompts.Calls().empty());
    EXPECT_EQ(prompts.Last().caption, QStringLiteral("Ошибка"));
    EXPECT_TRUE(prompts.Last().text.contains(QStringLiteral("settings.ini")));
    // The first write stays in memory; nothing after it was attempted.
    EXPECT_TRUE(SettingsIni().ValueExists(Settings::Section, Settings::Key::BackgroundColor));
    EXPECT_FALSE(SettingsIni().ValueExists(Settings::Section, Settings::Key::PhoneFormat));
}

} // namespace
