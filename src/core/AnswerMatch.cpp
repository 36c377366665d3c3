#include "core/AnswerMatch.h"

#include "core/TextFormat.h"

#include <QLocale>

QString NormalizeAnswer(const QString& text) {
    return TrimControl(QLocale().toLower(text));
}

bool AnswerMatches(const QString& item, const QString& answer) {
    return NormalizeAnswer(item) == NormalizeAnswer(answer);
}
