#include "HistoryFixture.h"

#include "core/BitsText.h"
#include "core/CommaText.h"
#include "core/Cp1251.h"

#include <QFile>
#include <QRandomGenerator>
#include <array>

namespace HistoryFixture {
namespace {

const std::array<const char16_t*, 16> kWords = {u"яблоко",   u"дорога",  u"светильник", u"облако",
                                                u"карандаш", u"ёлка",    u"мост",       u"часы",
                                                u"переход",  u"сосна",   u"книга",      u"молоко",
                                                u"ветер",    u"корабль", u"звезда",     u"площадь"};

QString item(QRandomGenerator& rng, int kind) {
    switch (kind) {
    case 0: // two-digit numbers, the exam's own kind
        return QStringLiteral("%1").arg(rng.bounded(100), 2, 10, QLatin1Char('0'));
    case 1:
        return QString::number(rng.bounded(100, 1000));
    case 2:
        return QString::fromUtf16(kWords[rng.bounded(static_cast<int>(kWords.size()))]);
    default:
        return QStringLiteral("8-(9%1)-%2-%3-%4")
            .arg(rng.bounded(10, 100))
            .arg(rng.bounded(100, 1000))
            .arg(rng.bounded(10, 100))
            .arg(rng.bounded(10, 100));
    }
}

} // namespace

QStringList ExamRecord(int exam, int items) {
    QRandomGenerator rng(static_cast<quint32>(exam) * 2654435761u + 17u);
    const int kind = exam % 4;
    QStringList shown, typed;
    int right = 0;
    for (int i = 0; i < items; ++i) {
        shown.append(item(rng, kind));
        if (rng.bounded(10) == 0) {
            typed.append(item(rng, kind));
        } else {
            typed.append(shown.back());
            ++right;
        }
    }
    const double seconds = items * (0.5 + rng.generateDouble());
    return {QStringLiteral("ValidAnswerList=") + CommaText::Write(typed),
            QStringLiteral("MyAnswerList=") + CommaText::Write(shown),
            QStringLiteral("TestDt=") + FloatToBitsText(seconds / 86400.0),
            QStringLiteral("NumsCnt=") + QString::number(items),
            QStringLiteral("OkAnswer=") + QString::number(right),
            QStringLiteral("BadAnswer=") + QString::number(items - right),
            QStringLiteral("Avg=") + FloatToBitsText(seconds / items)};
}

namespace {

QString sectionText(int exam) {
    QRandomGenerator rng(static_cast<quint32>(exam) + 99u);
    // GUIDs are fixed by the seed rather than fresh, so the file is the same on every run.
    const QString guid = QStringLiteral("{%1-%2-%3-%4-%5}")
                             .arg(rng.generate(), 8, 16, QLatin1Char('0'))
                             .arg(rng.bounded(0x10000), 4, 16, QLatin1Char('0'))
                             .arg(rng.bounded(0x10000), 4, 16, QLatin1Char('0'))
                             .arg(rng.bounded(0x10000), 4, 16, QLatin1Char('0'))
                             .arg(rng.generate64() & 0xFFFFFFFFFFFFull, 12, 16, QLatin1Char('0'))
                             .toUpper();
    const double date = 39156.0 + exam * 0.37;
    const double result = rng.generateDouble() * 30.0 - 3.0;
    QString out = QLatin1Char('[') + guid + QStringLiteral("]\r\n");
    out += QStringLiteral("ExamDate=") + FloatToBitsText(date) + QStringLiteral("\r\n");
    out += QStringLiteral("ExamResult=") + FloatToBitsText(result) + QStringLiteral("\r\n");
    for (const QString& line : ExamRecord(exam))
        out += line + QStringLiteral("\r\n");
    out += QStringLiteral("\r\n");
    return out;
}

QByteArray encode(const QString& text) {
    QByteArray bytes;
    cp1251::encode(text, &bytes);
    return bytes;
}

} // namespace

QByteArray HistoryBytes(int exams) {
    QByteArray out;
    for (int i = 0; i < exams; ++i)
        out += encode(sectionText(i));
    return out;
}

QByteArray HistoryOfSize(qint64 bytes) {
    QByteArray out;
    out.reserve(bytes + 4096);
    for (int i = 0; out.size() < bytes; ++i)
        out += encode(sectionText(i));
    return out;
}

QStringList ModuleItems(qint64 bytes) {
    QRandomGenerator rng(7);
    QStringList items;
    qint64 size = 0;
    while (size < bytes) {
        QString s = QString::fromUtf16(kWords[rng.bounded(static_cast<int>(kWords.size()))]);
        const int extra = rng.bounded(4);
        for (int i = 0; i < extra; ++i)
            s += QLatin1Char(' ') +
                 QString::fromUtf16(kWords[rng.bounded(static_cast<int>(kWords.size()))]);
        if (rng.bounded(20) == 0)
            s += QStringLiteral(", \"цитата\"");
        size += s.size() + 1;
        items.append(s);
    }
    return items;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace HistoryFixture
