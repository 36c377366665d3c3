#include "core/ResultRecord.h"

#include "core/BitsText.h"
#include "core/CommaText.h"
#include "core/NameValue.h"

#include <cmath>

namespace {
// A hand-edited record can carry the bit pattern of NaN or infinity; neither means anything to the
// reader, and both would print as words in the summary lines.
double finiteFloat(const QString& bitsText) {
    const double v = BitsTextToFloat(bitsText);
    return std::isfinite(v) ? v : 0.0;
}

int decimalInt(const QString& text) {
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? v : 0;
}

// Sign and decimal digits only; too long for any integer type still counts as a number.
bool isDecimalNumber(QStringView text, bool* nonZero) {
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')))
        text = text.mid(1);
    if (text.isEmpty())
        return false;
    *nonZero = false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        if (c != QLatin1Char('0'))
            *nonZero = true;
    }
    return true;
}
} // namespace

bool BoolTextValue(const QString& text) {
    const QString t = text.trimmed();
    bool nonZero = false;
    if (isDecimalNumber(t, &nonZero))
        return nonZero;
    if (const auto v = ParseIniInteger(t))
        return *v != 0;
    return t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

ResultDetails ParseResultRecord(const QStringList& record) {
    const auto value = [&record](const QString& key) { return NameValue::Value(record, key); };
    ResultDetails d;
    d.answers = CommaText::Read(value(ResultKey::ValidAnswerList));
    d.presented = CommaText::Read(value(ResultKey::MyAnswerList));
    d.testDt = finiteFloat(value(ResultKey::TestDt));
    d.avg = finiteFloat(value(ResultKey::Avg));
    d.examResult = finiteFloat(value(ResultKey::ExamResult));
    d.numsCnt = decimalInt(value(ResultKey::NumsCnt));
    d.okAnswer = decimalInt(value(ResultKey::OkAnswer));
    d.badAnswer = decimalInt(value(ResultKey::BadAnswer));
    d.showNorm = BoolTextValue(value(ResultKey::ShowNorm));
    return d;
}
