#include "core/Generators.h"
#include "core/Random.h"

#include <QString>
#include <array>
#include <climits>
#include <gtest/gtest.h>

namespace {

// The shape of a number: every digit becomes "0", so it can be compared with a kept pattern.
QString shapeOf(const QString& number) {
    QString s = number;
    for (QChar& c : s)
        if (c.isDigit())
            c = QLatin1Char('0');
    return s;
}

TEST(GeneratorsTest, PhoneNumberKeepsOnlyDigitMarksAndHyphens) {
    const std::vector<std::pair<QString, QString>> cases = {
        {QString(), QStringLiteral("000-00-00")},
        {QStringLiteral("---"), QStringLiteral("000-00-00")},
        {QStringLiteral("123 abc"), QStringLiteral("000-00-00")},
        {QStringLiteral("0"), QStringLiteral("0")},
        {QStringLiteral("+7 (000) 000-00-00"), QStringLiteral("000000-00-00")},
        {QStringLiteral("8-0 0"), QStringLiteral("-00")},
        {QStringLiteral("-0-"), QStringLiteral("-0-")},
        {QStringLiteral("ноль 0 — 0"), QStringLiteral("00")},
        // The default is decided on the whole pattern; the number is bounded afterwards.
        {QString(kMaxGeneratedDigits, QLatin1Char('-')) + QLatin1Char('0'),
         QString(kMaxGeneratedDigits, QLatin1Char('-'))},
        {QString(2000, QLatin1Char('0')), QString(kMaxGeneratedDigits, QLatin1Char('0'))},
    };
    Random random(7);
    for (const auto& [pattern, shape] : cases) {
        for (int i = 0; i < 20; ++i) {
            const QString number = GeneratePhoneNumber(pattern, random);
            ASSERT_EQ(shapeOf(number), shape)
                << pattern.toStdString() << " -> " << number.toStdString();
        }
    }
}

TEST(GeneratorsTest, PhoneNumbersComeFromTheProgramGenerator) {
    AppRandom().Seed(99);
    const QString first = GeneratePhoneNumber(QStringLiteral("0000000000"));
    AppRandom().Seed(99);
    EXPECT_EQ(GeneratePhoneNumber(QStringLiteral("0000000000")), first);
    EXPECT_NE(GeneratePhoneNumber(QStringLiteral("0000000000")), first);
}

// Chi-square of digit counts against a uniform spread, 9 degrees of freedom.
double chiSquare(const std::array<int, 10>& counts, int total) {
    const double expected = total / 10.0;
    double chi = 0;
    for (const int c : counts)
        chi += (c - expected) * (c - expected) / expected;
    return chi;
}

// 27.88 is the 0.1% point for 9 degrees of freedom; the seed is fixed, so this cannot flicker.
constexpr double kChiLimit = 27.88;

TEST(GeneratorsTest, DigitsAreUniformAtEveryPosition) {
    Random random(20261208);
    const int rounds = 20000;
    std::array<std::array<int, 10>, 4> perPosition{};
    std::array<int, 10> all{};
    for (int r = 0; r < rounds; ++r) {
        // A drawn 0 must never be drawn again, so early positions would lose zeros if it were.
        const QString number = GeneratePhoneNumber(QStringLiteral("00-00"), random);
        ASSERT_EQ(number.size(), 5);
        const std::array<qsizetype, 4> at = {0, 1, 3, 4};
        for (size_t p = 0; p < at.size(); ++p)
            ++perPosition[p][static_cast<size_t>(number[at[p]].digitValue())];
        for (const QChar c : GenerateDigits(10, random))
            ++all[static_cast<size_t>(c.digitValue())];
    }
    for (size_t p = 0; p < perPosition.size(); ++p)
        EXPECT_LT(chiSquare(perPosition[p], rounds), kChiLimit) << "position " << p;
    EXPECT_LT(chiSquare(all, rounds * 10), kChiLimit);
}

TEST(GeneratorsTest, DigitCountIsBounded) {
    Random random(1);
    const std::vector<std::pair<int, int>> cases = {
        {INT_MIN, 0},
        {-5, 0},
        {0, 0},
        {1, 1},
        {5, 5},
        {kMaxGeneratedDigits, kMaxGeneratedDigits},
        {kMaxGeneratedDigits + 1, kMaxGeneratedDigits},
        {INT_MAX, kMaxGeneratedDigits},
    };
    for (const auto& [n, size] : cases) {
        const QString digits = GenerateDigits(n, random);
        EXPECT_EQ(digits.size(), size) << n;
        for (const QChar c : digits)
            ASSERT_TRUE(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    }
}

} // namespace
