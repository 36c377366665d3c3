#include "core/ResultRecord.h"
#include "core/BitsText.h"
#include "core/CommaText.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

QString line(const QString& key, const QString& value) {
    return key + QLatin1Char('=') + value;
}

TEST(ResultRecordTest, ReadsEveryEntryOfACompletedRun) {
    const QStringList answers{QStringLiteral("a,b"),    QStringLiteral("say \"hi\""),
                              QStringLiteral(" lead"),  QString(),
                              QStringLiteral("trail "), QStringLiteral("Ёж")};
    const QStringList presented{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")};
    const QStringList record{
        line(ResultKey::ValidAnswerList, CommaText::Write(answers)),
        line(ResultKey::MyAnswerList, CommaText::Write(presented)),
        line(ResultKey::TestDt, FloatToBitsText(0.0432)),
        line(ResultKey::NumsCnt, QStringLiteral("6")),
        line(ResultKey::OkAnswer, QStringLiteral("4")),
        line(ResultKey::BadAnswer, QStringLiteral("2")),
        line(ResultKey::Avg, FloatToBitsText(3.456)),
        line(ResultKey::ExamResult, FloatToBitsText(-2.75)),
    };
    const ResultDetails d = ParseResultRecord(record);
    EXPECT_EQ(d.answers, answers);
    EXPECT_EQ(d.presented, presented);
    EXPECT_EQ(d.testDt, 0.0432);
    EXPECT_EQ(d.avg, 3.456);
    EXPECT_EQ(d.examResult, -2.75);
    EXPECT_EQ(d.numsCnt, 6);
    EXPECT_EQ(d.okAnswer, 4);
    EXPECT_EQ(d.badAnswer, 2);
    EXPECT_FALSE(d.showNorm);
}

TEST(ResultRecordTest, MissingEntriesReadAsNothing) {
    const ResultDetails d = ParseResultRecord({QStringLiteral("Other=1"), QStringLiteral("junk")});
    EXPECT_TRUE(d.answers.isEmpty());
    EXPECT_TRUE(d.presented.isEmpty());
    EXPECT_EQ(d.testDt, 0.0);
    EXPECT_EQ(d.avg, 0.0);
    EXPECT_EQ(d.examResult, 0.0);
    EXPECT_EQ(d.numsCnt, 0);
    EXPECT_EQ(d.okAnswer, 0);
    EXPECT_EQ(d.badAnswer, 0);
    EXPECT_FALSE(d.showNorm);
}

TEST(ResultRecordTest, KeysIgnoreLetterCaseAndTheFirstLineCounts) {
    const ResultDetails d =
        ParseResultRecord({QStringLiteral("numscnt=20"), QStringLiteral("NumsCnt=30"),
                           QStringLiteral("VALIDANSWERLIST=x,y")});
    EXPECT_EQ(d.numsCnt, 20);
    EXPECT_EQ(d.answers, (QStringList{QStringLiteral("x"), QStringLiteral("y")}));
}

TEST(ResultRecordTest, InvalidCountsReadAsZero) {
    for (const QString& junk : {QStringLiteral("abc"), QStringLiteral("12abc"), QString(),
                                QStringLiteral("99999999999"), QStringLiteral("1.5")}) {
        const ResultDetails d =
            ParseResultRecord({line(ResultKey::NumsCnt, junk), line(ResultKey::OkAnswer, junk),
                               line(ResultKey::BadAnswer, junk)});
        EXPECT_EQ(d.numsCnt, 0) << junk.toStdString();
        EXPECT_EQ(d.okAnswer, 0) << junk.toStdString();
        EXPECT_EQ(d.badAnswer, 0) << junk.toStdString();
    }
}

TEST(ResultRecordTest, UnreadableOrNonFiniteNumbersReadAsZero) {
    const QString nan = FloatToBitsText(std::numeric_limits<double>::quiet_NaN());
    const QString inf = FloatToBitsText(std::numeric_limits<double>::infinity());
    const ResultDetails d =
        ParseResultRecord({line(ResultKey::TestDt, QStringLiteral("x1")), line(ResultKey::Avg, nan),
                           line(ResultKey::ExamResult, inf)});
    EXPECT_EQ(d.testDt, 0.0);
    EXPECT_EQ(d.avg, 0.0);
    EXPECT_EQ(d.examResult, 0.0);
}

struct BoolCase {
    QString text;
    bool value;
};

TEST(ResultRecordTest, ShowNormIsABooleanText) {
    const BoolCase cases[] = {
        {QStringLiteral("-1"), true},
        {QStringLiteral("1"), true},
        {QStringLiteral("7"), true},
        {QStringLiteral("0"), false},
        {QStringLiteral("-0"), false},
        {QStringLiteral("00"), false},
        {QStringLiteral("123456789012345678901234"), true},
        {QStringLiteral("True"), true},
        {QStringLiteral("TRUE"), true},
        {QStringLiteral("tRuE"), true},
        {QStringLiteral("False"), false},
        {QStringLiteral("FALSE"), false},
        {QString(), false},
        {QStringLiteral("yes"), false},
        {QStringLiteral("да"), false},
        {QStringLiteral("1x"), false},
        {QStringLiteral("-"), false},
    };
    for (const BoolCase& c : cases) {
        EXPECT_EQ(BoolTextValue(c.text), c.value) << c.text.toStdString();
        EXPECT_EQ(ParseResultRecord({line(ResultKey::ShowNorm, c.text)}).showNorm, c.value)
            << c.text.toStdString();
    }
}

} // namespace
