#include "CoreTest.h"

#include "core/BitsText.h"
#include "core/CommaText.h"
#include "core/TestRunEngine.h"

#include <QSet>

namespace {

using Kind = TestRunEngine::Frame::Kind;
using Outcome = TestRunEngine::Check::Outcome;

QStringList Numbers(int count, int first = 100) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(QString::number(first + i));
    return out;
}

TestRunEngine::Config Fixed(QStringList items, int count, int ms) {
    TestRunEngine::Config c;
    c.Items = std::move(items);
    c.ElementCount = count;
    c.TimeLimit = ms;
    return c;
}

class EngineTest : public CoreTest {
protected:
    // Starts at t = 0 and shows the first item.
    void Start(const TestRunEngine::Config& config) {
        ASSERT_TRUE(engine.Setup(config));
        now = 0;
        engine.StartPresentation(now);
        ASSERT_EQ(engine.Tick(now).kind, Kind::NewItem);
    }
    TestRunEngine::Frame TickAt(qint64 t) {
        now = t;
        return engine.Tick(now);
    }
    // Ticks every 10 ms from now until the presentation is over.
    void RunToEnd() {
        for (int guard = 0; guard < 10000000; ++guard) {
            now += 10;
            if (engine.Tick(now).kind == Kind::Done)
                return;
        }
        FAIL() << "presentation never ended";
    }

    TestRunEngine engine;
    qint64 now = 0;
};

TEST_F(EngineTest, FadesHalfWayAndTurnsRedForTheLast700Ms) {
    struct Row {
        int display;
        qint64 elapsed;
        Kind kind;
        int fade;
        bool red;
    };
    const Row rows[] = {
        {6000, 10, Kind::Unchanged, 0, false},    {6000, 120, Kind::Unchanged, 1, false},
        {6000, 3000, Kind::Unchanged, 25, false}, {6000, 5300, Kind::Unchanged, 44, false},
        {6000, 5301, Kind::Unchanged, 44, true},  {6000, 6000, Kind::Unchanged, 50, true},
        {6000, 6001, Kind::NewItem, 0, false},    {700, 10, Kind::Unchanged, 0, true},
        {500, 10, Kind::Unchanged, 1, true},      {500, 500, Kind::Unchanged, 50, true},
        {500, 501, Kind::NewItem, 0, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.display << " ms, at " << r.elapsed);
        Start(Fixed(Numbers(10), 5, r.display));
        const TestRunEngine::Frame f = TickAt(r.elapsed);
        EXPECT_EQ(f.kind, r.kind);
        EXPECT_EQ(f.fadePercent, r.fade);
        EXPECT_EQ(f.red, r.red);
    }
}

TEST_F(EngineTest, LateTicksDoNotLengthenAnItem) {
    Start(Fixed(Numbers(10), 3, 1000));
    // A tick delayed by 300 ms still replaces the item at once, and the next item's time runs
    // from that tick, not from a count of ticks.
    EXPECT_EQ(TickAt(1300).kind, Kind::NewItem);
    EXPECT_EQ(TickAt(2300).kind, Kind::Unchanged);
    EXPECT_EQ(TickAt(2301).kind, Kind::NewItem);
    EXPECT_EQ(TickAt(3302).kind, Kind::Done);
    EXPECT_EQ(engine.CurrentPhase(), TestRunEngine::Phase::PresentationDone);
    EXPECT_EQ(engine.Tick(5000).kind, Kind::Unchanged) << "a stray tick after the end";
}

TEST_F(EngineTest, AnExtraTickAimedAtTheItemEndReplacesItThen) {
    Start(Fixed(Numbers(10), 3, 500));
    EXPECT_EQ(engine.MSecsUntilItemEnds(490), 11);
    const qint64 end = 490 + *engine.MSecsUntilItemEnds(490);
    EXPECT_EQ(TickAt(end - 1).kind, Kind::Unchanged);
    EXPECT_EQ(TickAt(end).kind, Kind::NewItem);
    EXPECT_EQ(engine.MSecsUntilItemEnds(end), 501);
    EXPECT_EQ(engine.MSecsUntilItemEnds(end + 900), 0) << "never negative";

    // Mean mode holds items until asked: nothing to aim at.
    TestRunEngine::Config mean = Fixed(Numbers(10), 3, 11400);
    mean.MeanTimeLimit = true;
    Start(mean);
    EXPECT_FALSE(engine.MSecsUntilItemEnds(100).has_value());
}

TEST_F(EngineTest, DrawsWithoutRepetitionUntilThePoolIsUsedUp) {
    struct Row {
        int items;
        int count;
    };
    for (const Row r : {Row{5, 5}, Row{3, 8}, Row{1, 4}, Row{50, 50}}) {
        SCOPED_TRACE(testing::Message() << r.items << " items, " << r.count << " shown");
        Start(Fixed(Numbers(r.items), r.count, 100));
        RunToEnd();
        const QStringList shown = engine.Presented();
        ASSERT_EQ(shown.size(), r.count);
        for (int cycle = 0; cycle * r.items < r.count; ++cycle) {
            const QStringList part = shown.mid(cycle * r.items, r.items);
            EXPECT_EQ(QSet<QString>(part.begin(), part.end()).size(), part.size());
        }
    }
}

TEST_F(EngineTest, ShowNextMovesOnWithoutReArmAndTimeoutDoesReArm) {
    Start(Fixed(Numbers(10), 4, 1000));
    engine.ShowNext();
    const TestRunEngine::Frame byClick = TickAt(10);
    EXPECT_EQ(byClick.kind, Kind::NewItem);
    EXPECT_FALSE(byClick.rearm);
    const TestRunEngine::Frame byTimeout = TickAt(1011);
    EXPECT_EQ(byTimeout.kind, Kind::NewItem);
    EXPECT_TRUE(byTimeout.rearm);
}

TEST_F(EngineTest, MeanModeHoldsAnItemWithoutVisibleFading) {
    TestRunEngine::Config c = Fixed(Numbers(10), 3, 11400);
    c.MeanTimeLimit = true;
    Start(c);
    const TestRunEngine::Frame f = TickAt(20000);
    EXPECT_EQ(f.kind, Kind::Unchanged);
    EXPECT_EQ(f.fadePercent, 0);
    EXPECT_FALSE(f.red);
    engine.ShowNext();
    EXPECT_EQ(TickAt(20010).kind, Kind::NewItem);
}

TEST_F(EngineTest, PaceRuleBreaksJustPastTheMeanLimit) {
    TestRunEngine::Config c = Fixed(Numbers(100), 50, 11400);
    c.MeanTimeLimit = true;
    Start(c);
    // Second item shown at 480 s; 570 s in all is exactly the limit and still allowed.
    engine.ShowNext();
    ASSERT_EQ(TickAt(480000).kind, Kind::NewItem);
    EXPECT_EQ(TickAt(570000).kind, Kind::Unchanged);
    const TestRunEngine::Frame f = TickAt(570001);
    ASSERT_EQ(f.kind, Kind::PaceBroken);
    EXPECT_EQ(f.message,
              QStringLiteral("Тест не пройден. Запоминаете очень медленно. Превышено максимально "
                             "допустимое среднее время запоминания элемента (11,40). Всего "
                             "элементов для запоминания: 50. Прошло времени: 00:01:30."));
    EXPECT_EQ(engine.CurrentPhase(), TestRunEngine::Phase::Finished);
    EXPECT_EQ(engine.Tick(570010).kind, Kind::Unchanged);
}

TEST_F(EngineTest, PaceMessageCountsTheItemOnScreenAfterAMoveOnRequest) {
    TestRunEngine::Config c = Fixed(Numbers(10), 2, 1000);
    c.MeanTimeLimit = true;
    Start(c);
    engine.ShowNext(); // asked, but the breaking tick comes first
    const TestRunEngine::Frame f = TickAt(2001);
    ASSERT_EQ(f.kind, Kind::PaceBroken);
    EXPECT_TRUE(f.message.endsWith(QStringLiteral("Прошло времени: 00:00:02.")))
        << f.message.toStdString();
}

TEST_F(EngineTest, RestartGivesTheItemANewFullDisplayTime) {
    Start(Fixed(Numbers(10), 2, 1000));
    TickAt(800);
    engine.RestartItem(800);
    EXPECT_EQ(TickAt(1700).kind, Kind::Unchanged);
    EXPECT_EQ(TickAt(1800).kind, Kind::Unchanged);
    EXPECT_EQ(TickAt(1801).kind, Kind::NewItem);
}

TEST_F(EngineTest, HostileConfigurationsAreBounded) {
    struct Row {
        int count;
        int time;
        int boundedCount;
        int boundedTime;
    };
    for (const Row r : {Row{0, 0, 1, 1}, Row{-5, -100, 1, 1}, Row{5000000, 500, 1000, 500},
                        Row{1000, 2147483647, 1000, 2147483647}}) {
        SCOPED_TRACE(testing::Message() << r.count << " / " << r.time);
        TestRunEngine::Config c = Fixed(Numbers(3), r.count, r.time);
        c.MeanTimeLimit = r.time == 2147483647;
        ASSERT_TRUE(engine.Setup(c));
        EXPECT_EQ(engine.Configuration().ElementCount, r.boundedCount);
        EXPECT_EQ(engine.Configuration().TimeLimit, r.boundedTime);
        if (r.time < 1000) {
            Start(c);
            RunToEnd();
            EXPECT_EQ(engine.Presented().size(), r.boundedCount);
        }
    }
    EXPECT_FALSE(engine.Setup(Fixed({}, 5, 1000)));
    engine.StartPresentation(0);
    EXPECT_EQ(engine.Tick(10).kind, Kind::Unchanged);
    EXPECT_TRUE(engine.Presented().isEmpty());
}

class ScoringTest : public EngineTest {
protected:
    void Present(int count, int maxWrong) {
        TestRunEngine::Config c = Fixed(Numbers(count), count, 100);
        c.MaxWrongPercent = maxWrong;
        Start(c);
        RunToEnd();
        engine.BeginRecall();
    }
    Outcome Answer(bool right) {
        const QString item = engine.Tip();
        EXPECT_TRUE(engine.AddAnswer(right ? item : item + QStringLiteral("x")));
        return engine.CheckAnswers().outcome;
    }
};

TEST_F(ScoringTest, ErrorRuleFailsOnlyPastTheLimit) {
    struct Row {
        int count;
        int limit;
        int wrongThatPass;
    };
    for (const Row r : {Row{50, 10, 5}, Row{20, 10, 2}, Row{20, 0, 20}}) {
        SCOPED_TRACE(testing::Message() << r.count << " items, limit " << r.limit);
        Present(r.count, r.limit);
        for (int i = 0; i < r.wrongThatPass; ++i) {
            const Outcome o = Answer(false);
            EXPECT_EQ(o, i + 1 == r.count ? Outcome::Completed : Outcome::Continue);
        }
        if (r.wrongThatPass == r.count)
            continue;
        const int given = r.wrongThatPass + 1;
        const TestRunEngine::Check fail = [&] {
            engine.AddAnswer(QStringLiteral("wrong"));
            return engine.CheckAnswers();
        }();
        ASSERT_EQ(fail.outcome, Outcome::Failed);
        EXPECT_EQ(fail.message, QStringLiteral("Тест не пройден. Слишком много ошибок. Превышен "
                                               "максимально допустимый процент неправильных "
                                               "ответов (10%)."));
        EXPECT_EQ(engine.Result.WrongCount, given);
        EXPECT_EQ(engine.Result.CompletedRightCount, 0);
        EXPECT_EQ(engine.Answers().size(), r.count) << "padded to the presented count";
        EXPECT_TRUE(engine.Answers().back().isEmpty());
        EXPECT_DOUBLE_EQ(fail.meanTime, engine.Result.PresentationSeconds / given);
        EXPECT_FALSE(engine.AddAnswer(QStringLiteral("late")));
    }
}

TEST_F(ScoringTest, AnswersMatchIgnoringCaseAndOuterBlanksOnly) {
    Start(Fixed({QStringLiteral("Ёлка зелёная")}, 1, 100));
    RunToEnd();
    engine.BeginRecall();
    struct Row {
        QString answer;
        bool right;
    };
    const Row rows[] = {{QStringLiteral("  ёЛКА ЗЕЛЁНАЯ\t"), true},
                        {QStringLiteral("ёлка  зелёная"), false},
                        {QStringLiteral("елка зелёная"), false},
                        {QStringLiteral("???"), false}};
    for (const Row& r : rows) {
        TestRunEngine probe = engine;
        probe.AddAnswer(r.answer);
        probe.CheckAnswers();
        EXPECT_EQ(probe.Result.RightCount, r.right ? 1 : 0) << r.answer.toStdString();
    }
}

TEST_F(ScoringTest, CompletedRunWritesSevenEntriesThatKeepAwkwardAnswers) {
    const QStringList items = {QStringLiteral("a,b"), QStringLiteral("say \"hi\""),
                               QStringLiteral(" two words ")};
    Start(Fixed(items, 3, 1000));
    RunToEnd();
    engine.BeginRecall();
    const QStringList answers = {QStringLiteral("x, y"), QStringLiteral("\"q\""),
                                 QStringLiteral("  ")};
    for (const QString& a : answers) {
        EXPECT_EQ(engine.RecallCounterText().isEmpty(), false);
        engine.AddAnswer(a);
    }
    EXPECT_TRUE(engine.RecallCounterText().isEmpty());
    const TestRunEngine::Check c = engine.CheckAnswers();
    ASSERT_EQ(c.outcome, Outcome::Completed);
    const QStringList record = engine.ResultRecord();
    const QStringList keys = {QStringLiteral("ValidAnswerList"),
                              QStringLiteral("MyAnswerList"),
                              QStringLiteral("TestDt"),
                              QStringLiteral("NumsCnt"),
                              QStringLiteral("OkAnswer"),
                              QStringLiteral("BadAnswer"),
                              QStringLiteral("Avg")};
    ASSERT_EQ(record.size(), keys.size());
    for (int i = 0; i < keys.size(); ++i)
        EXPECT_TRUE(record[i].startsWith(keys[i] + QLatin1Char('='))) << i;
    const auto value = [&](int i) { return record[i].mid(keys[i].size() + 1); };
    EXPECT_EQ(CommaText::Read(value(0)), answers);
    EXPECT_EQ(CommaText::Read(value(1)), engine.Presented());
    // Three items of 1000 ms each, each replaced at the first tick past its time.
    EXPECT_EQ(DurationToMSecs(BitsTextToFloat(value(2))), 3030);
    EXPECT_DOUBLE_EQ(engine.Result.PresentationSeconds, 3.03);
    EXPECT_EQ(value(3), QStringLiteral("3"));
    EXPECT_EQ(value(4), QStringLiteral("0"));
    EXPECT_EQ(value(5), QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(BitsTextToFloat(value(6)), 1.01);
}

TEST_F(ScoringTest, CountersAndTipFollowTheAnswers) {
    Present(20, 0);
    EXPECT_EQ(engine.ShownCounterText(), QStringLiteral("Отображается 20 элемент из 20."));
    EXPECT_EQ(engine.RecallCounterText(), QStringLiteral("Введите 1 элемент из 20."));
    EXPECT_EQ(engine.Tip(), engine.Presented().first());
    Answer(true);
    EXPECT_EQ(engine.RecallCounterText(), QStringLiteral("Введите 2 элемент из 20."));
    EXPECT_EQ(engine.Tip(), engine.Presented().at(1));
}

} // namespace
