#include "core/SpokenText.h"

#include <gtest/gtest.h>

namespace {

using SpokenText::DigitReading;

TEST(SpokenText, ItemsAreHeardAsAMemoriserMustHearThem) {
    struct Row {
        const char* item;
        DigitReading reading;
        const char* spoken;
    };
    const Row rows[] = {
        {"47", DigitReading::Numbers, "сорок семь"},
        {"07", DigitReading::Numbers, "ноль семь"},
        {"000", DigitReading::Numbers, "ноль ноль ноль"},
        {"519", DigitReading::Numbers, "пятьсот девятнадцать"},
        {"523-46-63", DigitReading::Numbers, "пятьсот двадцать три, сорок шесть, шестьдесят три"},
        {"+7 (495) 012", DigitReading::Numbers, "+семь, четыреста девяносто пять, ноль двенадцать"},
        {"47", DigitReading::Digits, "четыре, семь"},
        {"523-46", DigitReading::Digits, "пять, два, три. четыре, шесть"},
        {"2001", DigitReading::Numbers, "две тысячи один"},
        {"21000", DigitReading::Numbers, "двадцать одна тысяча"},
        {"11345678912", DigitReading::Numbers,
         "одиннадцать миллиардов триста сорок пять миллионов шестьсот семьдесят восемь тысяч "
         "девятьсот двенадцать"},
        {"1234567890123", DigitReading::Numbers,
         "один, два, три, четыре, пять, шесть, семь, восемь, девять, ноль, один, два, три"},
        {"  big  cat ", DigitReading::Numbers, "big cat"},
        {"кто-то", DigitReading::Digits, "кто-то"},
        {"Ту-154", DigitReading::Numbers, "Ту-сто пятьдесят четыре"},
        {"A12b", DigitReading::Numbers, "A двенадцать b"},
        {"12-", DigitReading::Numbers, "двенадцать-"},
        {"", DigitReading::Numbers, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(SpokenText::For(QString::fromUtf8(r.item), r.reading),
                  QString::fromUtf8(r.spoken))
            << r.item;
}

} // namespace
