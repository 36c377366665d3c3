#include "ModalDriver.h"
#include "ZorvikTest.h"

#include "core/BitsText.h"
#include "core/CommaText.h"
#include "core/Launch.h"
#include "core/Messages.h"
#include "core/NameValue.h"
#include "core/Stores.h"
#include "ui/main/MainWindow.h"
#include "ui/run/TestWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

namespace {

class MainWindowTest : public ZorvikTest {};

TEST_F(MainWindowTest, FirstStartOpensHelpOnceAndWritesTheFlagFirst) {
    {
        MainWindow form;
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Zorvik"));
        QCoreApplication::sendPostedEvents(&form);
        ASSERT_EQ(desktop.urls.size(), 1u);
        EXPECT_EQ(desktop.urls[0].toLocalFile(), PathOf(QStringLiteral("Help/index.htm")));
        EXPECT_EQ(ReadFile(QStringLiteral("settings.ini")),
                  QByteArray("[ZorvikSettings]\r\nFirstStart=0\r\n\r\n"));
    }
    ReopenStores();
    MainWindow again;
    QCoreApplication::sendPostedEvents(&again);
    EXPECT_EQ(desktop.urls.size(), 1u);
}

TEST_F(MainWindowTest, FailedFirstStartSaveIsShownAndHelpNotOpened) {
    MainWindow form;
    // A folder takes the file's place after the stores loaded it.
    ASSERT_TRUE(QDir().mkpath(PathOf(QStringLiteral("settings.ini/x"))));
    prompts.ExpectMessage(QMessageBox::Ok);
    QCoreApplication::sendPostedEvents(&form);
    ASSERT_FALSE(prompts.Calls().empty());
    EXPECT_EQ(prompts.Last().caption, Messages::Error);
    EXPECT_TRUE(prompts.Last().text.contains(PathOf(QStringLiteral("settings.ini"))));
    EXPECT_TRUE(desktop.urls.empty());
}

TEST_F(MainWindowTest, StatusLineShowsTheProgramLine) {
    MainWindow form;
    const auto* label = form.findChild<QLabel*>(QStringLiteral("StatusLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(
        label->text(),
        QStringLiteral(" Zorvik - тестирование  качества и скорости запоминания информации."));
    QCoreApplication::sendPostedEvents(&form);
}

class LaunchWindowTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        QStringList letters;
        for (char c = 'a'; c <= 'j'; ++c)
            letters << QString(QLatin1Char(c));
        QStringList twoDigits;
        for (int i = 0; i < 100; ++i)
            twoDigits << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        WriteFile(
            QStringLiteral("Data/modules.ini"),
            Cp1251Lines(QStringLiteral("[TestNumsData1]\nStandart=1\nName=Двузначные\nData=") +
                        CommaText::Write(twoDigits) +
                        QStringLiteral("\n[Letters]\nStandart=0\nName=Буквы\nData=") +
                        CommaText::Write(letters) + QStringLiteral("\n[Empty]\nName=Пустой\n")));
        form = std::make_unique<MainWindow>();
        QCoreApplication::sendPostedEvents(form.get());
        desktop.urls.clear();
        form->SetRunHook([this](TestWindow& f, const LaunchParams& p) {
            ++runs;
            lastItems = p.run.Items;
            lastParams = p;
            lastCaption = f.windowTitle();
            panelHiddenDuringRun = !form->centralWidget()->isVisible();
            return hookResult ? hookResult(f) : 2;
        });
    }
    void TearDown() override {
        form.reset();
        ZorvikTest::TearDown();
    }

    std::unique_ptr<MainWindow> form;
    int runs = 0;
    QStringList lastItems;
    LaunchParams lastParams;
    QString lastCaption;
    bool panelHiddenDuringRun = false;
    std::function<int(TestWindow&)> hookResult;
};

TEST_F(LaunchWindowTest, IntroductoryTestRunsTwentyOfTheTwoDigitModule) {
    form->show();
    form->TestActionExecute();
    ASSERT_EQ(runs, 1);
    EXPECT_EQ(lastItems.size(), 100);
    LaunchParams want = IntroductoryTestParams();
    want.run.Items = lastItems;
    EXPECT_EQ(lastParams, want);
    EXPECT_EQ(lastCaption, QStringLiteral("Вводное тестирование"));
    EXPECT_TRUE(panelHiddenDuringRun);
    EXPECT_TRUE(form->centralWidget()->isVisible());
}

TEST_F(LaunchWindowTest, TrainingCutsToTheStoredRangeAndUsesInfiniteTime) {
    WriteFile(QStringLiteral("settings.ini"),
              Cp1251Lines(QStringLiteral("[ZorvikSettings]\nTestDataName=letters\nInfiniteTime=1\n"
                                         "TestRange=\"LETTERS=Start=h,End=c\"\n")));
    form->LoadModuleList();
    form->TrainActionExecute();
    ASSERT_EQ(runs, 1);
    EXPECT_EQ(lastItems.join(QString()), QStringLiteral("cdefgh"));
    EXPECT_EQ(lastParams.run.TimeLimit, 300000);
}

TEST_F(LaunchWindowTest, PhoneNumberTrainingMakesFreshNumbersFromThePattern) {
    WriteFile(QStringLiteral("settings.ini"),
              Cp1251Lines(QStringLiteral("[ZorvikSettings]\nTestDataName=PhoneNums\n"
                                         "TestElValue=30\nPhoneFormat=00-00\n")));
    form->LoadModuleList();
    form->TrainActionExecute();
    ASSERT_EQ(lastItems.size(), 30);
    for (const QString& n : lastItems)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d-\\d\\d$")).match(n).hasMatch())
            << n.toStdString();
}

TEST_F(LaunchWindowTest, EmptyModuleWarnsAndNeverOpensTheTestWindow) {
    WriteFile(QStringLiteral("settings.ini"),
              Cp1251Lines(QStringLiteral("[ZorvikSettings]\nTestDataName=Empty\n")));
    form->LoadModuleList();
    prompts.ExpectMessage(QMessageBox::Ok);
    form->TrainActionExecute();
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(prompts.Last().caption, QStringLiteral("Предупреждение"));
    EXPECT_EQ(prompts.Last().icon, QMessageBox::Warning);
    EXPECT_EQ(prompts.Last().text,
              QStringLiteral("В модуле для тестирования 'Пустой' нет данных. Введите данные в "
                             "редакторе модулей."));
    EXPECT_TRUE(form->centralWidget()->isVisibleTo(form.get()));
}

TEST_F(LaunchWindowTest, CompletedExamIsStoredWithItsCoefficient) {
    hookResult = [this](TestWindow& f) {
        f.RunOutcome.CompletedRightCount = 48;
        f.RunOutcome.PresentationSeconds = 93.0;
        form->ResultRecord = {QStringLiteral("ValidAnswerList=1"), QStringLiteral("NumsCnt=50")};
        return 1;
    };
    DriveModal([&] { form->ExamActionExecute(); }, [](QWidget* w) { w->close(); });
    ASSERT_EQ(form->ResultIds.size(), 1);
    const QString section = form->ResultIds[0];
    EXPECT_DOUBLE_EQ(
        BitsTextToFloat(ResultIni().ReadString(section, QStringLiteral("ExamResult"), {})), 16.5);
    EXPECT_EQ(NameValue::Value(form->ResultRecord, QStringLiteral("ExamResult")),
              FloatToBitsText(16.5));
}

TEST_F(LaunchWindowTest, CancelledRunsStoreAndShowNothing) {
    form->ExamActionExecute();
    form->TestActionExecute();
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(form->ResultIds.isEmpty());
    EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("result.ini"))));
}

TEST_F(LaunchWindowTest, HiddenBlinkEntryAndMenuCaptions) {
    const auto* action = form->findChild<QAction*>(QStringLiteral("BlinkTestAction"));
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isVisible());
    EXPECT_EQ(action->text(), QStringLiteral("Тест \"&Миг\""));
    EXPECT_TRUE(action->shortcut().isEmpty());
    const std::pair<const char*, const char*> captions[] = {
        {"SettingsAction", "&Настройки"},  {"ModuleEditAction", "&Редактор модулей"},
        {"ProgressAction", "Про&гресс"},   {"TestAction", "&Вводное тестирование"},
        {"TrainAction", "&Тренировка"},    {"ExamAction", "&Экзамен"},
        {"NormAction", "&Нормативы"},      {"HelpAction", "&Справка"},
        {"AboutAction", "&О программе"},   {"DelCurAction", "Очистить &активную"},
        {"DelAllAction", "Очистить &все"}, {"DetailAction", "&Подробнее"}};
    for (const auto& [name, caption] : captions) {
        const auto* a = form->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), QString::fromUtf8(caption)) << name;
    }
    EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("HelpAction"))->shortcut(),
              QKeySequence(Qt::Key_F1));
    // "Прогресс" stands on the bar after the module editor, with a letter no other command of
    // the window uses.
    const QList<QAction*> bar = form->menuBar()->actions();
    EXPECT_EQ(bar.indexOf(form->findChild<QAction*>(QStringLiteral("ProgressAction"))),
              bar.indexOf(form->findChild<QAction*>(QStringLiteral("ModuleEditAction"))) + 1);
    QStringList letters;
    for (const QAction* a : form->findChildren<QAction*>())
        letters << QKeySequence::mnemonic(a->text()).toString();
    for (const QMenu* m : form->findChildren<QMenu*>())
        letters << QKeySequence::mnemonic(m->title()).toString();
    EXPECT_EQ(letters.count(QStringLiteral("Alt+Г")), 1);
}

} // namespace
