#pragma once

#include <QString>

// What a memoriser must hear for an item: numbers with their leading zeros, phone numbers in their
// groups, words and phrases as written.
namespace SpokenText {

// How a run of digits is read: as one number ("сорок семь") or digit by digit ("четыре, семь"),
// as spoken-number contests read them. The values are those stored in settings.ini.
enum class DigitReading { Numbers = 0, Digits = 1 };

// The Russian words for one item. Each leading zero of a run of digits is heard as "ноль"; a run
// longer than twelve digits is read digit by digit whatever the reading. Runs of digits parted by
// blanks or punctuation alone ("523-46-63", "12 45") are read as groups with a pause between them;
// every other character stays as written. Linear in the length of the item.
QString For(const QString& item, DigitReading reading);

} // namespace SpokenText
