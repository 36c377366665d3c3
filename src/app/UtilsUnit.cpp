#include "app/UtilsUnit.h"

#include <QLocale>
#include <QUuid>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>

namespace {
const QDateTime& epoch() {
    static const QDateTime e(QDate(1899, 12, 30), QTime(0, 0));
    return e;
}
} // namespace

QString FloatToBitsText(double value) {
    return QString::number(std::bit_cast<std::int64_t>(value));
}

double BitsTextToFloat(const QString& text) {
    bool ok = false;
    const qlonglong bits = text.toLongLong(&ok, 10);
    return ok ? std::bit_cast<double>(static_cast<std::int64_t>(bits)) : 0.0;
}

QString TimeSeparator() {
    // The locale keeps no separate separator; take the first non-letter after the hours.
    const QString fmt = QLocale().timeFormat(QLocale::LongFormat);
    const qsizetype h = fmt.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (h >= 0) {
        for (qsizetype i = h; i < fmt.size(); ++i) {
            const QChar c = fmt[i];
            if (!c.isLetter() && c != QLatin1Char('\''))
                return QString(c);
        }
    }
    return QStringLiteral(":");
}

qint64 DurationToMSecs(TDateTime days) {
    if (!std::isfinite(days))
        return 0;
    const double ms = days * kMSecsPerDay;
    if (ms > 9.0e18 || ms < -9.0e18)
        return 0;
    return std::llround(ms);
}

namespace {
// Milliseconds of the time-of-day part, as the day-count form splits a value: the whole value is
// rounded to milliseconds first, so 0.99999999999 days becomes the next day's midnight.
qint64 timeOfDayMSecs(TDateTime value) {
    const qint64 total = DurationToMSecs(std::fabs(value));
    return total % 86400000;
}
} // namespace

QString FormatDuration(TDateTime value) {
    const qint64 ms = timeOfDayMSecs(value);
    const qint64 s = ms / 1000;
    const QString sep = TimeSeparator();
    const auto two = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return two(s / 3600) + sep + two((s / 60) % 60) + sep + two(s % 60);
}

double TimeOfDaySeconds(TDateTime value) {
    return static_cast<double>(timeOfDayMSecs(value)) / 1000.0;
}

std::optional<int> ParseIniInteger(const QString& text) {
    bool ok = false;
    if (text.size() > 2 && text[0] == QLatin1Char('0') &&
        (text[1] == QLatin1Char('x') || text[1] == QLatin1Char('X'))) {
        QStringView digits = QStringView(text).mid(2);
        // Leading zeros add nothing to the value, so they do not count against its 8 digits.
        while (digits.size() > 8 && digits.front() == QLatin1Char('0'))
            digits = digits.mid(1);
        if (digits.size() > 8)
            return std::nullopt;
        for (const QChar c : digits)
            if (!std::isxdigit(c.unicode() < 128 ? c.unicode() : 'g'))
                return std::nullopt;
        const uint v = digits.toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        return static_cast<int>(v);
    }
    const qlonglong v = text.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(v);
}

TDateTime DateTimeFromQDateTime(const QDateTime& dt) {
    // Local wall-clock fields, not UTC: the stored value is local time with no zone.
    const QDateTime local = dt.toLocalTime();
    const qint64 days = epoch().date().daysTo(local.date());
    const double frac = local.time().msecsSinceStartOfDay() / kMSecsPerDay;
    return days >= 0 ? days + frac : days - frac;
}

QDateTime QDateTimeFromDateTime(TDateTime value) {
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6)
        return QDateTime(epoch());
    const double whole = std::trunc(value);
    const qint64 ms = std::llround(std::fabs(value - whole) * kMSecsPerDay);
    QDate date = epoch().date().addDays(static_cast<qint64>(whole));
    qint64 tod = ms;
    if (tod >= 86400000) {
        date = date.addDays(1);
        tod -= 86400000;
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(tod)));
}

QString NewGuidText() {
    return QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
}

QString TrimControl(const QString& text) {
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b].unicode() < 33)
        ++b;
    while (e > b && text[e - 1].unicode() < 33)
        --e;
    return text.mid(b, e - b);
}

QString Format(const QString& tmpl, const QVariantList& args) {
    QString out;
    out.reserve(tmpl.size() + 16);
    qsizetype argIndex = 0;
    const qsizetype n = tmpl.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tmpl[i];
        if (c != QLatin1Char('%') || i + 1 >= n) {
            out += c;
            continue;
        }
        if (tmpl[i + 1] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        const bool left = j < n && tmpl[j] == QLatin1Char('-');
        if (left)
            ++j;
        int width = 0;
        while (j < n && tmpl[j].isDigit() && width < 1000)
            width = width * 10 + tmpl[j++].digitValue();
        int precision = -1;
        if (j < n && tmpl[j] == QLatin1Char('.')) {
            precision = 0;
            ++j;
            while (j < n && tmpl[j].isDigit() && precision < 100)
                precision = precision * 10 + tmpl[j++].digitValue();
        }
        if (j >= n || argIndex >= args.size()) {
            out += c;
            continue;
        }
        const QChar conv = tmpl[j].toLower();
        QString piece;
        if (conv == QLatin1Char('d')) {
            piece = QString::number(args[argIndex].toLongLong());
        } else if (conv == QLatin1Char('s')) {
            piece = args[argIndex].toString();
        } else if (conv == QLatin1Char('f')) {
            piece = QString::number(args[argIndex].toDouble(), 'f', precision < 0 ? 2 : precision);
            const QString dp = QLocale().decimalPoint();
            piece.replace(QLatin1Char('.'), dp);
        } else {
            out += c;
            continue;
        }
        ++argIndex;
        if (piece.size() < width)
            piece = left ? piece.leftJustified(width) : piece.rightJustified(width);
        out += piece;
        i = j;
    }
    return out;
}

QString NormalizeAnswer(const QString& text) {
    return TrimControl(QLocale().toLower(text));
}

bool AnswerMatches(const QString& item, const QString& answer) {
    return NormalizeAnswer(item) == NormalizeAnswer(answer);
}
