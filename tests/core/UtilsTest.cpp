#include "core/BitsText.h"
#include "core/Cp1251.h"
#include "core/DateTimeText.h"
#include "core/TextFormat.h"

#include <QLocale>
#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

TEST(BitsText, KnownValues) {
    const std::pair<double, const char*> cases[] = {
        {1.0, "4607182418800017408"},
        {2.5, "4612811918334230528"},
        {-8.0, "-4602678819172646912"},
        {0.0, "0"},
        {39156.604166666664, "4675614456281388373"},
        {0.8, "4605380978949069210"},
        {6.0, "4618441417868443648"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FloatToBitsText(value), QString::fromLatin1(text)) << value;
        EXPECT_EQ(BitsTextToFloat(QString::fromLatin1(text)), value) << text;
    }
    for (const char* junk : {"", "junk", "1.5", "99999999999999999999", " "})
        EXPECT_EQ(BitsTextToFloat(QString::fromLatin1(junk)), 0.0) << junk;
}

TEST(BitsText, EveryFiniteDoubleRoundTrips) {
    std::mt19937_64 gen(7);
    std::vector<double> values = {
        -0.0, std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
        std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
    for (int i = 0; i < 20000; ++i) {
        const double d = std::bit_cast<double>(gen());
        if (std::isfinite(d))
            values.push_back(d);
    }
    for (double d : values) {
        const double back = BitsTextToFloat(FloatToBitsText(d));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(d));
    }
    EXPECT_TRUE(std::signbit(BitsTextToFloat(FloatToBitsText(-0.0))));
}

// The history reads its numbers straight from the file's bytes: any bytes read there as their code
// page 1251 text reads.
TEST(BitsText, BytesReadAsTheirText) {
    std::vector<QByteArray> inputs = {"",
                                      "-",
                                      "+5",
                                      "-0",
                                      "007",
                                      "0x1F",
                                      "0X",
                                      "-9223372036854775808",
                                      "9223372036854775808",
                                      "99999999999999999999",
                                      "1\xA0",
                                      "\xB9"};
    std::mt19937 gen(3);
    const char alphabet[] = "0123456789+-x \xA0\xC0";
    for (int i = 0; i < 20000; ++i) {
        QByteArray b;
        for (unsigned n = gen() % 21; n > 0; --n)
            b += alphabet[gen() % (sizeof alphabet - 1)];
        inputs.push_back(b);
    }
    for (const QByteArray& b : inputs) {
        const QString text = cp1251::decode(b);
        bool ok = false;
        text.toLongLong(&ok, 10);
        const std::optional<double> v = BitsBytesToFloat(b);
        ASSERT_EQ(v.has_value(), ok) << b.toStdString();
        if (v) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(*v),
                      std::bit_cast<std::uint64_t>(BitsTextToFloat(text)));
        }
        EXPECT_EQ(ParseIniInteger(QByteArrayView(b)), ParseIniInteger(text)) << b.toStdString();
    }
}

TEST(FormatDuration, TimeOfDayOnlyWithTheLocaleSeparator) {
    const std::pair<double, const char*> cases[] = {
        {0.5, "12:00:00"},
        {1.25, "06:00:00"},
        {0.0, "00:00:00"},
        {(3600 + 120 + 5) / 86400.0, "01:02:05"},
        {93.0 / 86400.0, "00:01:33"},
        {0.999999999999, "00:00:00"},
        {-0.5, "12:00:00"},
        {std::numeric_limits<double>::infinity(), "00:00:00"},
        {std::nan(""), "00:00:00"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatDuration(value), QString::fromLatin1(text)) << value;
}

TEST(Format, PlaceholdersUseTheUserDecimalSeparator) {
    struct Case {
        const char* tmpl;
        QVariantList args;
        QString want;
    };
    const Case cases[] = {
        {"%d из %d", {3, 20}, QStringLiteral("3 из 20")},
        {"(%2f)", {11.4}, QStringLiteral("(11,40)")},
        {"%2f", {3.456}, QStringLiteral("3,46")},
        {"%2f", {-2.4}, QStringLiteral("-2,40")},
        {"%8.2f", {16.5}, QStringLiteral("   16,50")},
        {"%8.2f", {-2.4}, QStringLiteral("   -2,40")},
        {"(%d%%)", {10}, QStringLiteral("(10%)")},
        {"%s (%s)", {QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("a (b)")},
        {"%d %d", {1}, QStringLiteral("1 %d")},
        {"100%", {}, QStringLiteral("100%")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(QString::fromUtf8(c.tmpl), c.args), c.want) << c.tmpl;
}

TEST(ParseIniInteger, DecimalHexAndJunk) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"0x1F", 31},
        {"0X1f", 31},
        {"0xFFFFFFFF", -1},
        {"0x7FFFFFFF", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", {}},
        {"abc", {}},
        {"", {}},
        {"0x", {}},
        {"0x-1", {}},
        {"12a", {}},
        {"-16777201", -16777201},
        {"0x0000FF", 255},
        {"0x00000001F", 31}, // leading zeros do not count against the 8 digits
        {"0x0000000000000000", 0},
        {"0x1FFFFFFFF", {}},
    };
    for (const auto& [text, want] : cases)
        EXPECT_EQ(ParseIniInteger(QString::fromLatin1(text)), want) << text;
}

TEST(DateTime, DayCountMatchesTheLocalCalendar) {
    const QDateTime dt(QDate(2007, 3, 15), QTime(14, 30));
    EXPECT_NEAR(DateTimeFromQDateTime(dt), 39156.604166666664, 1e-9);
    EXPECT_EQ(QDateTimeFromDateTime(39156.604166666664), dt);
    EXPECT_EQ(QDateTimeFromDateTime(0.0), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    EXPECT_EQ(QDateTimeFromDateTime(1e300), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
}

TEST(OneLine, EveryLineBreakBecomesABlank) {
    EXPECT_EQ(OneLine(QStringLiteral("a\r\nb\rc\nd\u2028e\u2029f\tg")),
              QStringLiteral("a  b c d e f\tg"));
    EXPECT_EQ(OneLine(QStringLiteral("plain")), QStringLiteral("plain"));
}

TEST(Guid, RegistryFormUpperCase) {
    const QString g = NewGuidText();
    EXPECT_EQ(g.size(), 38);
    EXPECT_EQ(g, g.toUpper());
    EXPECT_TRUE(g.startsWith(QLatin1Char('{')) && g.endsWith(QLatin1Char('}')));
    EXPECT_NE(g, NewGuidText());
}

} // namespace
