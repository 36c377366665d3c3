#include "core/TextFormat.h"

#include <QLocale>
#include <QUuid>
#include <algorithm>

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

QString OneLine(QString text) {
    const auto isBreak = [](QChar c) {
        return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    };
    if (std::none_of(text.cbegin(), text.cend(), isBreak))
        return text;
    for (QChar& c : text)
        if (isBreak(c))
            c = QLatin1Char(' ');
    return text;
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

QString NewGuidText() {
    return QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
}
