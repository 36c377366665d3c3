#include "core/SpokenText.h"

#include <QStringList>
#include <array>

namespace SpokenText {
namespace {

// Longer runs are no number anybody says as one; they are read digit by digit.
constexpr int kMaxNumberDigits = 12;

const std::array<QString, 10> kUnits = {QStringLiteral("ноль"),   QStringLiteral("один"),
                                        QStringLiteral("два"),    QStringLiteral("три"),
                                        QStringLiteral("четыре"), QStringLiteral("пять"),
                                        QStringLiteral("шесть"),  QStringLiteral("семь"),
                                        QStringLiteral("восемь"), QStringLiteral("девять")};
const std::array<QString, 10> kTeens = {
    QStringLiteral("десять"),      QStringLiteral("одиннадцать"),  QStringLiteral("двенадцать"),
    QStringLiteral("тринадцать"),  QStringLiteral("четырнадцать"), QStringLiteral("пятнадцать"),
    QStringLiteral("шестнадцать"), QStringLiteral("семнадцать"),   QStringLiteral("восемнадцать"),
    QStringLiteral("девятнадцать")};
const std::array<QString, 10> kTens = {QString(),
                                       QString(),
                                       QStringLiteral("двадцать"),
                                       QStringLiteral("тридцать"),
                                       QStringLiteral("сорок"),
                                       QStringLiteral("пятьдесят"),
                                       QStringLiteral("шестьдесят"),
                                       QStringLiteral("семьдесят"),
                                       QStringLiteral("восемьдесят"),
                                       QStringLiteral("девяносто")};
const std::array<QString, 10> kHundreds = {QString(),
                                           QStringLiteral("сто"),
                                           QStringLiteral("двести"),
                                           QStringLiteral("триста"),
                                           QStringLiteral("четыреста"),
                                           QStringLiteral("пятьсот"),
                                           QStringLiteral("шестьсот"),
                                           QStringLiteral("семьсот"),
                                           QStringLiteral("восемьсот"),
                                           QStringLiteral("девятьсот")};

// A scale word in its three forms: after 1, after 2 to 4, after 5 to 20 and 0.
struct Scale {
    std::array<QString, 3> forms;
    bool feminine;
};
const std::array<Scale, 3> kScales = {
    Scale{{QStringLiteral("тысяча"), QStringLiteral("тысячи"), QStringLiteral("тысяч")}, true},
    Scale{{QStringLiteral("миллион"), QStringLiteral("миллиона"), QStringLiteral("миллионов")},
          false},
    Scale{{QStringLiteral("миллиард"), QStringLiteral("миллиарда"), QStringLiteral("миллиардов")},
          false}};

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Blanks and punctuation between two groups of digits stand for a pause, not for words.
bool isGroupSeparator(QStringView text) {
    for (const QChar c : text)
        if (!c.isSpace() && c != QLatin1Char('-') && c != QLatin1Char('.') &&
            c != QLatin1Char(',') && c != QLatin1Char('/') && c != QLatin1Char('(') &&
            c != QLatin1Char(')'))
            return false;
    return true;
}

// 1..999 in words; "один" and "два" take the feminine form before "тысяча".
void appendTriple(QStringList& words, int n, bool feminine) {
    if (n >= 100)
        words.append(kHundreds[n / 100]);
    n %= 100;
    if (n >= 10 && n < 20) {
        words.append(kTeens[n - 10]);
        return;
    }
    if (n >= 20)
        words.append(kTens[n / 10]);
    n %= 10;
    if (n == 0)
        return;
    if (feminine && n == 1)
        words.append(QStringLiteral("одна"));
    else if (feminine && n == 2)
        words.append(QStringLiteral("две"));
    else
        words.append(kUnits[n]);
}

int scaleForm(int n) {
    const int lastTwo = n % 100;
    const int last = n % 10;
    if (lastTwo >= 11 && lastTwo <= 19)
        return 2;
    if (last == 1)
        return 0;
    if (last >= 2 && last <= 4)
        return 1;
    return 2;
}

// A whole number of up to twelve digits, its leading zeros already gone; "ноль" for nothing.
QString numberWords(QStringView digits) {
    if (digits.isEmpty())
        return kUnits[0];
    const qint64 value = digits.toLongLong();
    QStringList words;
    const std::array<qint64, 3> scaleValues = {1000LL, 1000000LL, 1000000000LL};
    for (int s = static_cast<int>(kScales.size()) - 1; s >= 0; --s) {
        const int part = static_cast<int>(value / scaleValues[s] % 1000);
        if (part == 0)
            continue;
        appendTriple(words, part, kScales[s].feminine);
        words.append(kScales[s].forms[scaleForm(part)]);
    }
    appendTriple(words, static_cast<int>(value % 1000), false);
    return words.join(QLatin1Char(' '));
}

QString digitWords(QStringView digits) {
    QStringList words;
    for (const QChar c : digits)
        words.append(kUnits[c.unicode() - '0']);
    return words.join(QStringLiteral(", "));
}

QString runWords(QStringView digits, DigitReading reading) {
    if (reading == DigitReading::Digits || digits.size() > kMaxNumberDigits)
        return digitWords(digits);
    // Leading zeros are part of what has to be remembered: "07" is not "7".
    qsizetype zeros = 0;
    while (zeros < digits.size() && digits[zeros] == QLatin1Char('0'))
        ++zeros;
    QStringList words;
    for (qsizetype i = 0; i < zeros; ++i)
        words.append(kUnits[0]);
    if (zeros < digits.size())
        words.append(numberWords(digits.mid(zeros)));
    return words.join(QLatin1Char(' '));
}

} // namespace

QString For(const QString& item, DigitReading reading) {
    const QString text = item.simplified();
    // Digits are parted by commas when read one by one, so groups need the longer pause.
    const QString pause =
        reading == DigitReading::Digits ? QStringLiteral(". ") : QStringLiteral(", ");
    QString out;
    bool afterDigits = false;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype j = i;
        const bool digits = isAsciiDigit(text[i]);
        while (j < text.size() && isAsciiDigit(text[j]) == digits)
            ++j;
        const QStringView run = QStringView(text).mid(i, j - i);
        if (digits) {
            // "A12" and "12abc" are heard as two words, not run together.
            if (!out.isEmpty() && out.back().isLetter())
                out += QLatin1Char(' ');
            out += runWords(run, reading);
            afterDigits = true;
        } else if (afterDigits && j < text.size() && isGroupSeparator(run)) {
            out += pause;
        } else {
            if (afterDigits && run.front().isLetter())
                out += QLatin1Char(' ');
            out += run;
            afterDigits = false;
        }
        i = j;
    }
    return out;
}

} // namespace SpokenText
