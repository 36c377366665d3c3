#pragma once

#include <QString>

// An answer as scoring and the details window compare it: lower-cased by the user's locale
// (Cyrillic included), then stripped of leading and trailing characters below code 33.
QString NormalizeAnswer(const QString& text);
// True when the answer matches its item by that rule; nothing else is folded (ё and е differ).
bool AnswerMatches(const QString& item, const QString& answer);
