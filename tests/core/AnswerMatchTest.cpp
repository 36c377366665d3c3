#include "core/AnswerMatch.h"

#include <cctype>
#include <gtest/gtest.h>

namespace {

struct MatchCase {
    const char* name;
    QString item;
    QString answer;
    bool matches;
};

void PrintTo(const MatchCase& c, std::ostream* os) {
    *os << c.name;
}

class AnswerMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(AnswerMatchTest, ComparesAsScoringDoes) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(AnswerMatches(c.item, c.answer), c.matches) << c.name;
    EXPECT_EQ(AnswerMatches(c.answer, c.item), c.matches) << c.name << " (swapped)";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnswerMatchTest,
    ::testing::Values(
        MatchCase{"equal digits", QStringLiteral("4711"), QStringLiteral("4711"), true},
        MatchCase{"other digits", QStringLiteral("4711"), QStringLiteral("4712"), false},
        MatchCase{"latin case", QStringLiteral("Apple"), QStringLiteral("aPPLE"), true},
        MatchCase{"cyrillic case", QStringLiteral("Москва"), QStringLiteral("мОСКВА"), true},
        MatchCase{"cyrillic yo case", QStringLiteral("Ёлка"), QStringLiteral("ёЛКА"), true},
        MatchCase{"yo is not ye", QStringLiteral("ёлка"), QStringLiteral("елка"), false},
        MatchCase{"outer blanks and controls", QStringLiteral(" \t12\r\n"), QStringLiteral("12"),
                  true},
        MatchCase{"control chars below 33", QStringLiteral("\x01x\x1f"), QStringLiteral("X"), true},
        MatchCase{"inner blank", QStringLiteral("12"), QStringLiteral("1 2"), false},
        MatchCase{"no-break space is not trimmed", QStringLiteral("12\u00a0"), QStringLiteral("12"),
                  false},
        MatchCase{"punctuation kept", QStringLiteral("a."), QStringLiteral("a"), false},
        MatchCase{"untouched field", QStringLiteral("123"), QStringLiteral("???"), false},
        MatchCase{"item that is ???", QStringLiteral("???"), QStringLiteral(" ??? "), true},
        MatchCase{"empty answer", QStringLiteral("5"), QString(), false},
        MatchCase{"both empty", QString(), QString(), true},
        MatchCase{"blank item, empty answer", QStringLiteral("  "), QString(), true}),
    [](const ::testing::TestParamInfo<MatchCase>& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

} // namespace
