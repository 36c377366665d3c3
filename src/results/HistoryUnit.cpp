#include "results/HistoryUnit.h"

#include "app/NameValue.h"
#include "app/ResStrUnit.h"

#include <QHash>
#include <QLocale>

const QStringList kRecordKeys = {QStringLiteral("ValidAnswerList"),
                                 QStringLiteral("MyAnswerList"),
                                 QStringLiteral("TestDt"),
                                 QStringLiteral("NumsCnt"),
                                 QStringLiteral("OkAnswer"),
                                 QStringLiteral("BadAnswer"),
                                 QStringLiteral("Avg")};

namespace {
const QString kExamDate = QStringLiteral("ExamDate");
const QString kExamResult = QStringLiteral("ExamResult");
} // namespace

std::vector<THistoryEntry> ReadHistory(const TMyIniFile& ini, const QStringList& sections) {
    std::vector<THistoryEntry> out;
    out.reserve(static_cast<size_t>(sections.size()));
    for (const QString& s : sections)
        out.push_back({s, BitsTextToFloat(ini.ReadString(s, kExamDate, QString())),
                       BitsTextToFloat(ini.ReadString(s, kExamResult, QString()))});
    return out;
}

QString SaveExamSection(TMyIniFile& ini, const QStringList& record, double coefficient,
                        TDateTime now) {
    const QString section = NewGuidText();
    QList<QPair<QString, QString>> entries;
    entries.append({kExamDate, FloatToBitsText(now)});
    entries.append({kExamResult, FloatToBitsText(coefficient)});
    for (const QString& line : record) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            entries.append({line.left(eq), line.mid(eq + 1)});
    }
    ini.WriteValues(section, entries);
    return section;
}

QStringList ReadStoredRecord(const TMyIniFile& ini, const QString& section) {
    QStringList record;
    QStringList keys = kRecordKeys;
    keys.append(kExamResult);
    for (const QString& key : keys)
        NameValue::SetValue(record, key, ini.ReadString(section, key, QString()));
    return record;
}

QString LongTimeFormat() {
    QString fmt = QLocale().timeFormat(QLocale::LongFormat);
    fmt.remove(QLatin1Char('t'));
    return fmt.trimmed();
}

namespace {

// The locale and its formats, asked for once per list rather than once per row.
struct DateFormats {
    QLocale locale;
    QString timeFormat = LongTimeFormat();
};

// The date-only parts of a row: the short date and the weekday name.
struct DayTexts {
    QString shortDate;
    QString weekday;
};

DayTexts dayTexts(const DateFormats& f, QDate date) {
    return {f.locale.toString(date, QLocale::ShortFormat),
            f.locale.toString(date, QStringLiteral("dddd"))};
}

QString dateCell(const DateFormats& f, const QDateTime& dt, const DayTexts& day) {
    QString text = day.shortDate;
    if (dt.time() != QTime(0, 0))
        text += QLatin1Char(' ') + f.locale.toString(dt.time(), f.timeFormat);
    return Format(ResStr::HistoryDateCell, {text, day.weekday});
}

} // namespace

QString HistoryDateText(TDateTime date) {
    const DateFormats f;
    const QDateTime dt = QDateTimeFromDateTime(date);
    return dateCell(f, dt, dayTexts(f, dt.date()));
}

std::vector<THistoryTexts> HistoryTexts(const std::vector<THistoryEntry>& entries) {
    const DateFormats f;
    // Exams come a few a day, so most rows find their day's texts already made.
    QHash<qint64, DayTexts> days;
    std::vector<THistoryTexts> out;
    out.reserve(entries.size());
    for (const THistoryEntry& e : entries) {
        const QDateTime dt = QDateTimeFromDateTime(e.date);
        const QDate date = dt.date();
        auto it = days.constFind(date.toJulianDay());
        if (it == days.cend())
            it = days.insert(date.toJulianDay(), dayTexts(f, date));
        out.push_back({dateCell(f, dt, *it), HistoryResultText(e.result), it->shortDate});
    }
    return out;
}

QString HistoryResultText(double result) {
    return Format(ResStr::HistoryResultCell, {result});
}

QString HistoryChartLabel(TDateTime date) {
    return QLocale().toString(QDateTimeFromDateTime(date).date(), QLocale::ShortFormat);
}
