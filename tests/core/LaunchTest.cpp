#include "CoreTest.h"

#include "core/CommaText.h"
#include "core/Launch.h"
#include "core/ModuleStore.h"
#include "core/Stores.h"

namespace {

class LaunchParamsTest : public CoreTest {};

const QStringList kIds = {QStringLiteral("TestNumsData1"), QStringLiteral("TestNumsData2"),
                          QStringLiteral("{MY}"), QStringLiteral("PhoneNums")};

TEST_F(LaunchParamsTest, WithoutSettingsEachCommandUsesItsFixedValues) {
    LaunchParams intro = IntroductoryTestParams();
    EXPECT_EQ(intro.dataName, QStringLiteral("TestNumsData1"));
    EXPECT_EQ(intro.run.ElementCount, 20);
    EXPECT_EQ(intro.run.TimeLimit, 6000);
    EXPECT_FALSE(intro.run.MeanTimeLimit);
    EXPECT_TRUE(intro.run.DoCalc && intro.run.ShowCurrent && intro.run.EnterAtEnd);
    EXPECT_FALSE(intro.run.AllowTips);
    EXPECT_EQ(intro.run.MaxWrongPercent, 0);
    EXPECT_TRUE(intro.rangeKey.isEmpty());

    const LaunchParams train = TrainParams(SettingsIni(), kIds);
    EXPECT_EQ(train.dataName, QStringLiteral("TestNumsData1"));
    EXPECT_EQ(train.run.ElementCount, 20);
    EXPECT_EQ(train.run.TimeLimit, 6000);
    EXPECT_FALSE(train.run.MeanTimeLimit || train.run.DoCalc || train.run.ShowCurrent ||
                 train.run.EnterAtEnd || train.run.AllowTips);
    EXPECT_EQ(train.run.MaxWrongPercent, 0);
    EXPECT_EQ(train.rangeKey, QStringLiteral("TestRange"));

    const LaunchParams exam = ExamParams(SettingsIni());
    EXPECT_EQ(exam.dataName, QStringLiteral("TestNumsData1"));
    EXPECT_EQ(exam.run.ElementCount, 50);
    EXPECT_EQ(exam.run.TimeLimit, 11400);
    EXPECT_TRUE(exam.run.MeanTimeLimit && exam.run.DoCalc);
    EXPECT_FALSE(exam.run.ShowCurrent || exam.run.EnterAtEnd || exam.run.AllowTips);
    EXPECT_EQ(exam.run.MaxWrongPercent, 10);
}

TEST_F(LaunchParamsTest, SettingsDriveTrainingAndTheExam) {
    WriteFile(QStringLiteral("settings.ini"),
              Cp1251Lines(QStringLiteral(
                  "[ZorvikSettings]\nTestDataName={my}\nTestElValue=30\nTestTimeLimit=900\n"
                  "TestTimeLimitType=5\nInfiniteTime=1\nDoCalc=1\nShowCurrent=1\n"
                  "ExamElValue=70\nExamDataType=3\n")));
    const LaunchParams train = TrainParams(SettingsIni(), kIds);
    EXPECT_EQ(train.dataName, QStringLiteral("{MY}")) << "the module list's spelling";
    EXPECT_EQ(train.run.ElementCount, 30);
    // No time limit stands for the longest one.
    EXPECT_EQ(train.run.TimeLimit, kInfiniteTimeLimit);
    EXPECT_TRUE(train.run.MeanTimeLimit && train.run.DoCalc && train.run.ShowCurrent);
    const LaunchParams exam = ExamParams(SettingsIni());
    EXPECT_EQ(exam.dataName, QStringLiteral("TestNumsData2"));
    EXPECT_EQ(exam.run.ElementCount, 70);
    // Introductory test ignores them all.
    EXPECT_EQ(IntroductoryTestParams().run.ElementCount, 20);

    // Phone numbers are told apart by their exact id, whatever case the file has.
    SettingsIni().WriteString(QStringLiteral("ZorvikSettings"), QStringLiteral("TestDataName"),
                              QStringLiteral("phonenums"));
    EXPECT_EQ(TrainParams(SettingsIni(), kIds).dataName, QStringLiteral("PhoneNums"));
}

TEST_F(LaunchParamsTest, DeletedTrainingModuleFallsBackAndHostileCountsAreBounded) {
    struct Case {
        const char* value;
        int count;
        int time;
    };
    const Case cases[] = {{"-2147483648", 1, 1},
                          {"-1", 1, 1},
                          {"0", 1, 1},
                          {"1", 1, 1},
                          {"2147483647", 1000, 300000},
                          {"abc", 20, 6000},
                          {"0x7FFFFFFF", 1000, 300000},
                          {"", 20, 6000}};
    for (const Case& c : cases) {
        const QString v = QString::fromLatin1(c.value);
        WriteFile(QStringLiteral("settings.ini"),
                  Cp1251Lines(QStringLiteral("[ZorvikSettings]\nTestDataName=Gone\nTestElValue=") +
                              v + QStringLiteral("\nTestTimeLimit=") + v +
                              QStringLiteral("\nExamElValue=") + v + QStringLiteral("\n")));
        const LaunchParams train = TrainParams(SettingsIni(), kIds);
        EXPECT_EQ(train.dataName, QStringLiteral("TestNumsData1"));
        EXPECT_EQ(train.run.ElementCount, c.count) << c.value;
        EXPECT_EQ(train.run.TimeLimit, c.time) << c.value;
        const int examWant =
            QString::fromLatin1(c.value).isEmpty() || v == QStringLiteral("abc") ? 50 : c.count;
        EXPECT_EQ(ExamParams(SettingsIni()).run.ElementCount, examWant) << c.value;
    }
}

TEST(CutToRange, CasesOfTenLetters) {
    const QStringList items = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                               QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"),
                               QStringLiteral("g"), QStringLiteral("h"), QStringLiteral("i"),
                               QStringLiteral("j")};
    struct Case {
        const char* start;
        const char* end;
        const char* want; // joined
    };
    const Case cases[] = {
        {"h", "c", "cdefgh"},     {"C", "h", "cdefgh"},     {"c", "C", "c"},
        {"c", "c", "abcdefghij"}, {"c", "x", "abcdefghij"}, {"", "", "abcdefghij"},
        {"a", "j", "abcdefghij"}, {"j", "j", "abcdefghij"},
    };
    for (const Case& c : cases) {
        QStringList inner;
        if (*c.start)
            inner << QStringLiteral("Start=") + QString::fromLatin1(c.start);
        if (*c.end)
            inner << QStringLiteral("End=") + QString::fromLatin1(c.end);
        const QString table =
            QStringLiteral("\"mod=") + inner.join(QLatin1Char(',')) + QStringLiteral("\"");
        EXPECT_EQ(CutToRange(items, table, QStringLiteral("MOD")).join(QString()),
                  QString::fromLatin1(c.want))
            << c.start << "-" << c.end;
    }
    EXPECT_EQ(CutToRange(items, QString(), QStringLiteral("x")), items);
    EXPECT_EQ(CutToRange(items, QStringLiteral("\"\"\",junk"), QStringLiteral("x")), items);
}

TEST(CutToRange, ItemsWithBlanksAndQuotesSurviveBothLevels) {
    const QStringList items = {QStringLiteral("один два"), QStringLiteral("\"три\""),
                               QStringLiteral("четыре"), QStringLiteral("пять, шесть")};
    const QString inner =
        CommaText::Write({QStringLiteral("Start=\"три\""), QStringLiteral("End=пять, шесть")});
    const QString table = CommaText::Write({QStringLiteral("m=") + inner});
    EXPECT_EQ(CutToRange(items, table, QStringLiteral("m")), items.mid(1, 3));
}

TEST(ExamCoefficient, Examples) {
    EXPECT_DOUBLE_EQ(ExamCoefficient(50, 48, 93.0, QStringLiteral("TestNumsData1")), 16.5);
    EXPECT_DOUBLE_EQ(ExamCoefficient(50, 48, 93.0, QStringLiteral("TestNumsData2")), 24.75);
    EXPECT_DOUBLE_EQ(ExamCoefficient(5, 4, 30.0, QStringLiteral("TestNumsData1")), 0.8);
    EXPECT_DOUBLE_EQ(ExamCoefficient(20, 0, 600.0, QStringLiteral("TestNumsData1")), -16.0);
    EXPECT_DOUBLE_EQ(17 / 5.0, 3.4);
}

TEST(StripAmpersand, OnlyTheFirstGoes) {
    EXPECT_EQ(StripAmpersand(QStringLiteral("&Экзамен")), QStringLiteral("Экзамен"));
    EXPECT_EQ(StripAmpersand(QStringLiteral("a&&b")), QStringLiteral("a&b"));
    EXPECT_EQ(StripAmpersand(QStringLiteral("plain")), QStringLiteral("plain"));
}

} // namespace
