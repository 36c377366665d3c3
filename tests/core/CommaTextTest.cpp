#include "core/CommaText.h"
#include "core/NameValue.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace {

QString withNul(const char16_t* before, const char16_t* after) {
    return QString::fromUtf16(before) + QChar(u'\0') + QString::fromUtf16(after);
}

struct ReadCase {
    QString text;
    QStringList items;
};

TEST(CommaTextTest, ReadsByTheQuotingAndSeparatorRules) {
    const QString q = QStringLiteral("\"");
    const std::vector<ReadCase> cases = {
        {QString(), {}},
        {QStringLiteral(" \t\r\n "), {}},
        {QStringLiteral("a"), {QStringLiteral("a")}},
        {QStringLiteral("  a,b"), {QStringLiteral("a"), QStringLiteral("b")}},
        // An unquoted blank ends an item.
        {QStringLiteral("two words,third"),
         {QStringLiteral("two"), QStringLiteral("words"), QStringLiteral("third")}},
        {QStringLiteral("\"two words\",third"),
         {QStringLiteral("two words"), QStringLiteral("third")}},
        {QStringLiteral("a\tb"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a ,b"), {QStringLiteral("a"), QStringLiteral("b")}},
        // Only a comma that is the very last character adds an empty item.
        {QStringLiteral("a,"), {QStringLiteral("a"), QString()}},
        {QStringLiteral("a, "), {QStringLiteral("a")}},
        {QStringLiteral(","), {QString(), QString()}},
        {QStringLiteral(",a"), {QString(), QStringLiteral("a")}},
        {QStringLiteral("a,,b"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {QStringLiteral("\"\""), {QString()}},
        {QStringLiteral("\"a\"\"b\""), {QStringLiteral("a\"b")}},
        {QStringLiteral("\"a,b\""), {QStringLiteral("a,b")}},
        {QStringLiteral("\"x\"y"), {QStringLiteral("x"), QStringLiteral("y")}},
        // An unterminated quoted item runs to the end, doubled quotes still folded.
        {QStringLiteral("\"abc"), {QStringLiteral("abc")}},
        {QStringLiteral("\"a\"\"b, c"), {QStringLiteral("a\"b, c")}},
        {q, {QString()}},
        // A NUL outside quotes ends the text; inside quotes it is an ordinary character.
        {withNul(u"a", u"b"), {QStringLiteral("a")}},
        {withNul(u"a,", u",b"), {QStringLiteral("a"), QString()}},
        {withNul(u"\"a", u"b\""), {withNul(u"a", u"b")}},
        {withNul(u"", u"a"), {}},
        {QStringLiteral("Ёлка,мост,\"синий кит\""),
         {QStringLiteral("Ёлка"), QStringLiteral("мост"), QStringLiteral("синий кит")}},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(CommaText::Read(c.text), c.items) << c.text.toStdString();
}

struct WriteCase {
    QStringList items;
    QString text;
};

TEST(CommaTextTest, QuotesOnlyItemsThatNeedIt) {
    const std::vector<WriteCase> cases = {
        {{}, QString()},
        {{QString()}, QStringLiteral("\"\"")},
        {{QString(), QString()}, QStringLiteral(",")},
        {{QStringLiteral("a"), QString()}, QStringLiteral("a,")},
        {{QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("a,b")},
        {{QStringLiteral("a b")}, QStringLiteral("\"a b\"")},
        {{QStringLiteral(" lead"), QStringLiteral("trail ")},
         QStringLiteral("\" lead\",\"trail \"")},
        {{QStringLiteral("a\"b")}, QStringLiteral("\"a\"\"b\"")},
        {{QStringLiteral("a,b")}, QStringLiteral("\"a,b\"")},
        {{QStringLiteral("\x01")}, QStringLiteral("\"\x01\"")},
        {{QStringLiteral("\x7f")}, QStringLiteral("\x7f")},
        // Cyrillic and the other upper characters never cause quoting.
        {{QStringLiteral("Ёлка"), QStringLiteral("№5"), QStringLiteral("«кот»")},
         QStringLiteral("Ёлка,№5,«кот»")},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(CommaText::Write(c.items), c.text) << c.text.toStdString();
}

TEST(CommaTextTest, ReadingWhatWasWrittenGivesTheListBack) {
    std::mt19937 gen(20261208);
    std::uniform_int_distribution<int> count(0, 8);
    std::uniform_int_distribution<int> length(0, 10);
    std::uniform_int_distribution<int> code(0, 255);
    std::uniform_int_distribution<int> pick(0, 3);
    // Characters that drive the rules are drawn more often than chance would give them.
    const char16_t special[] = {u'"', u',', u' ', u'\0'};
    for (int round = 0; round < 3000; ++round) {
        QStringList items;
        const int n = count(gen);
        for (int i = 0; i < n; ++i) {
            QString s;
            const int len = length(gen);
            for (int k = 0; k < len; ++k)
                s += pick(gen) == 0 ? QChar(special[pick(gen)])
                                    : QChar(static_cast<char16_t>(code(gen)));
            items.append(s);
        }
        ASSERT_EQ(CommaText::Read(CommaText::Write(items)), items)
            << CommaText::Write(items).toStdString();
    }
}

TEST(CommaTextTest, MegabyteOfHostileTextIsReadInOnePass) {
    const qsizetype mb = qsizetype(1) << 20;
    EXPECT_EQ(CommaText::Read(QString(mb, QLatin1Char(','))).size(), mb + 1);
    // An opening quote, then pairs that each fold to one quote, then the closing quote.
    const QStringList quotes = CommaText::Read(QString(mb, QLatin1Char('"')));
    ASSERT_EQ(quotes.size(), 1);
    EXPECT_EQ(quotes[0].size(), mb / 2 - 1);
    EXPECT_EQ(CommaText::Read(QLatin1Char('"') + QString(mb, QLatin1Char('x')))[0].size(), mb);
    EXPECT_TRUE(CommaText::Read(QString(mb, QLatin1Char(' '))).isEmpty());
    EXPECT_EQ(CommaText::Read(QStringLiteral("\"\",").repeated(mb / 3)).size(), mb / 3 + 1);
}

// Upper- and lower-case letters of code page 1251.
const QString kUpper =
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЂЃЄЅІЇЈЉЊЋЌЎЏҐ");
const QString kLower =
    QStringLiteral("abcdefghijklmnopqrstuvwxyzабвгдеёжзийклмнопрстуфхцчшщъыьэюяђѓєѕіїјљњћќўџґ");

TEST(NameValueTest, NamesMatchWhateverTheCaseOfAnyLetter) {
    ASSERT_EQ(kUpper.size(), kLower.size());
    for (qsizetype i = 0; i < kUpper.size(); ++i) {
        const QString upper = QStringLiteral("x") + kUpper[i];
        const QString lower = QStringLiteral("X") + kLower[i];
        EXPECT_EQ(NameValue::Value({upper + QStringLiteral("=v")}, lower), QStringLiteral("v"))
            << upper.toStdString();
        EXPECT_EQ(NameValue::Value({lower + QStringLiteral("=v")}, upper), QStringLiteral("v"))
            << lower.toStdString();
    }
    // Case is all that is ignored: ё and е are different letters.
    EXPECT_EQ(NameValue::IndexOfName({QStringLiteral("ёж=1")}, QStringLiteral("еж")), -1);
}

TEST(NameValueTest, FirstMatchCountsAndLinesWithoutEqualsHaveNoName) {
    const QStringList list = {QStringLiteral("Ключ"), QStringLiteral("a=1=2"),
                              QStringLiteral("КЛЮЧ=первый"), QStringLiteral("ключ=второй")};
    EXPECT_EQ(NameValue::IndexOfName(list, QStringLiteral("ключ")), 2);
    EXPECT_EQ(NameValue::Value(list, QStringLiteral("Ключ")), QStringLiteral("первый"));
    EXPECT_EQ(NameValue::Value(list, QStringLiteral("A")), QStringLiteral("1=2"));
    EXPECT_EQ(NameValue::Value(list, QStringLiteral("нет")), QString());
    EXPECT_EQ(NameValue::NameOf(list[1]), QStringLiteral("a"));
    EXPECT_EQ(NameValue::NameOf(list[0]), QString());
    EXPECT_EQ(NameValue::ValueOf(list[0]), QString());
}

TEST(NameValueTest, SettingReplacesAppendsAndRemoves) {
    QStringList list = {QStringLiteral("a=1"), QStringLiteral("B=2"), QStringLiteral("b=3")};
    NameValue::SetValue(list, QStringLiteral("b"), QStringLiteral("9"));
    EXPECT_EQ(list,
              (QStringList{QStringLiteral("a=1"), QStringLiteral("b=9"), QStringLiteral("b=3")}));
    NameValue::SetValue(list, QStringLiteral("c"), QStringLiteral("4"));
    EXPECT_EQ(list.last(), QStringLiteral("c=4"));
    // An empty value removes only the first match; for a missing name it adds nothing.
    NameValue::SetValue(list, QStringLiteral("B"), QString());
    EXPECT_EQ(list,
              (QStringList{QStringLiteral("a=1"), QStringLiteral("b=3"), QStringLiteral("c=4")}));
    NameValue::SetValue(list, QStringLiteral("нет"), QString());
    EXPECT_EQ(list.size(), 3);
}

} // namespace
