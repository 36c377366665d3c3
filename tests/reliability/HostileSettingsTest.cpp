#include "ModalDriver.h"
#include "ZorvikTest.h"

#include "core/Launch.h"
#include "core/ModuleStore.h"
#include "core/SettingsKeys.h"
#include "core/Stores.h"
#include "ui/blink/BlinkTestWindow.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui/main/MainWindow.h"
#include "ui/run/TestWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

// A hand-edited settings.ini can hold anything. Every command that reads it runs with every
// number key at each extreme; nothing may crash, hang or grow without bound, and what reaches the
// windows stays inside the program's limits.
namespace {

const QStringList kNumberKeys = {Settings::Key::BackgroundColor, Settings::Key::TestElValue,
                                 Settings::Key::TestTimeLimit,   Settings::Key::TestTimeLimitType,
                                 Settings::Key::ExamElValue,     Settings::Key::ExamDataType,
                                 Settings::Key::MigDigWidth,     Settings::Key::MigTimeLimit,
                                 Settings::Key::InfiniteTime,    Settings::Key::DoCalc,
                                 Settings::Key::ShowCurrent,     Settings::Key::FirstStart,
                                 Settings::Key::SpeakItems,      Settings::Key::SpeakDigits};

const QStringList kHostileValues = {QStringLiteral("-2147483648"),
                                    QStringLiteral("-1"),
                                    QStringLiteral("0"),
                                    QStringLiteral("1"),
                                    QStringLiteral("2147483647"),
                                    QStringLiteral("abc"),
                                    QStringLiteral("0x7FFFFFFF"),
                                    QString(),
                                    QStringLiteral("99999999999999999999")};

// The training module of a round, and the phone pattern it meets when that module is the phone
// numbers: a long one, with the characters a shell would act on.
struct Round {
    QString dataName;
    QString phoneFormat;
};

class HostileSettings : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        InstallShippedData();
        ReopenStores();
        form = std::make_unique<MainWindow>();
        QCoreApplication::sendPostedEvents(form.get());
        desktop.urls.clear();
        form->SetRunHook([this](TestWindow&, const LaunchParams& p) {
            ++runs;
            lastItems = p.run.Items;
            lastParams = p;
            return 2; // cancelled: nothing is stored or shown afterwards
        });
    }
    void TearDown() override {
        form.reset();
        ZorvikTest::TearDown();
    }

    void WriteSettings(const QString& value, const Round& round) {
        QString text = QStringLiteral("[ZorvikSettings]\n");
        for (const QString& key : kNumberKeys)
            text += key + QLatin1Char('=') + value + QLatin1Char('\n');
        text += QStringLiteral("TestDataName=") + round.dataName + QLatin1Char('\n');
        text += QStringLiteral("PhoneFormat=") + round.phoneFormat + QLatin1Char('\n');
        WriteFile(QStringLiteral("settings.ini"), Cp1251Lines(text));
    }

    // Runs one modal command, checking its window while it is shown, then closing it.
    template <typename Window>
    void WithModal(void (MainWindow::*command)(), const std::function<void(Window&)>& check) {
        bool seen = false;
        DriveModal([&] { (form.get()->*command)(); },
                   [&](QWidget* modal) {
                       auto* w = qobject_cast<Window*>(modal);
                       if (!w)
                           return;
                       seen = true;
                       check(*w);
                       w->close();
                   });
        EXPECT_TRUE(seen);
    }

    void CheckRun(int expectedRuns) {
        ASSERT_EQ(runs, expectedRuns);
        EXPECT_GE(lastParams.run.ElementCount, 1);
        EXPECT_LE(lastParams.run.ElementCount, TestRunEngine::kMaxElementCount);
        EXPECT_GE(lastParams.run.TimeLimit, 1);
        EXPECT_LE(lastParams.run.TimeLimit, kMaxTimeLimit);
        EXPECT_FALSE(lastItems.isEmpty());
        EXPECT_LE(lastItems.size(), 1000);
        for (const QString& item : lastItems)
            ASSERT_LE(item.size(), 1000);
    }

    std::unique_ptr<MainWindow> form;
    int runs = 0;
    QStringList lastItems;
    LaunchParams lastParams;
};

TEST_F(HostileSettings, EveryCommandStaysInsideItsBounds) {
    const QString longPattern =
        QStringLiteral("\"; $(reboot) `x` '0-0'; ") + QString(200000, QLatin1Char('0'));
    const std::vector<Round> rounds = {{StandardModule2Digits, QStringLiteral("000-00-00")},
                                       {PhoneNumsId, longPattern}};
    for (const Round& round : rounds) {
        for (const QString& value : kHostileValues) {
            SCOPED_TRACE((round.dataName + QLatin1Char(' ') + value).toStdString());
            WriteSettings(value, round);
            const int before = runs;

            form->TestActionExecute();
            CheckRun(before + 1);
            EXPECT_EQ(lastItems.size(),
                      ModuleItems(ReadTestModule(ModulesIni(), StandardModule2Digits)).size());
            form->TrainActionExecute();
            CheckRun(before + 2);
            if (round.dataName == PhoneNumsId) {
                EXPECT_EQ(lastItems.size(), lastParams.run.ElementCount);
            }
            form->ExamActionExecute();
            CheckRun(before + 3);

            WithModal<BlinkTestWindow>(
                &MainWindow::BlinkTestActionExecute, [](BlinkTestWindow& blink) {
                    EXPECT_GE(blink.DigitCount(), 1);
                    EXPECT_LE(blink.DigitCount(), kMaxBlinkDigits);
                    EXPECT_GE(blink.DisplayTime(), 1);
                    blink.StartTestButtonClick();
                    EXPECT_EQ(blink.CurrentNumber().size(), blink.DigitCount());
                });

            // The dialog shows each value inside its edit's range, and OK writes those back.
            WithModal<SettingsDialog>(
                &MainWindow::SettingsActionExecute, [](SettingsDialog& dialog) {
                    for (const SpinEdit* edit : {Child<SpinEdit>(dialog, "TestElSpinEdit"),
                                                 Child<SpinEdit>(dialog, "TestTimeLimitSpinEdit"),
                                                 Child<SpinEdit>(dialog, "ExamElSpinEdit"),
                                                 Child<SpinEdit>(dialog, "MigDigWidthSpinEdit"),
                                                 Child<SpinEdit>(dialog, "MigTimeLimitSpinEdit")}) {
                        EXPECT_GE(edit->Value(), edit->MinValue())
                            << edit->objectName().toStdString();
                        EXPECT_LE(edit->Value(), edit->MaxValue())
                            << edit->objectName().toStdString();
                    }
                    dialog.accept();
                });
            const IniFile& ini = SettingsIni();
            EXPECT_GE(Settings::TestElValue(ini), 10);
            EXPECT_LE(Settings::TestElValue(ini), 1000);
            EXPECT_GE(Settings::MigDigWidth(ini), 5);
            EXPECT_LE(Settings::MigDigWidth(ini), 30);
        }
    }
}

} // namespace

namespace {

// Text a user pasted can hold line breaks; stored as they are, they would start a key or a
// section of their own at the next load.
TEST(StoreLines, LineBreaksInWrittenTextStayInsideTheirEntry) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    const QString evil = QStringLiteral("0-0\r\n[Evil]\nFirstStart=1\rX");
    {
        IniFile ini(path);
        ini.WriteString(QStringLiteral("S"), QStringLiteral("PhoneFormat"), evil);
        ini.WriteValues(QStringLiteral("S\n[T]"), {{QStringLiteral("a\nb"), evil}});
    }
    IniFile back(path);
    QStringList sections;
    back.ReadSections(sections);
    EXPECT_EQ(sections, (QStringList{QStringLiteral("S"), QStringLiteral("S [T]")}));
    const QString flat = QStringLiteral("0-0  [Evil] FirstStart=1 X");
    EXPECT_EQ(back.ReadString(QStringLiteral("S"), QStringLiteral("PhoneFormat"), {}), flat);
    EXPECT_EQ(back.ReadString(QStringLiteral("S [T]"), QStringLiteral("a b"), {}), flat);
}

} // namespace
