#include "core/History.h"

#include "core/BitsText.h"
#include "core/Messages.h"
#include "core/NameValue.h"
#include "core/ResultRecord.h"
#include "core/TextFormat.h"

#include <QLocale>
#include <cmath>

const QStringList kRecordKeys = {
    ResultKey::ValidAnswerList, ResultKey::MyAnswerList, ResultKey::TestDt, ResultKey::NumsCnt,
    ResultKey::OkAnswer,        ResultKey::BadAnswer,    ResultKey::Avg};

namespace {
const QString& kExamDate = ResultKey::ExamDate;
const QString& kExamResult = ResultKey::ExamResult;
} // namespace

std::vector<HistoryEntry> ReadHistory(const IniFile& ini) {
    std::vector<HistoryEntry> out;
    ini.ReadIndexed(StoredExam::NumberKeyNames(), [&out](const IniFile::IndexedSection& s) {
        // Bits text can spell NaN or an infinity; such a value reads as 0 like any other junk, so
        // that sorting and drawing always see ordinary numbers.
        const StoredExam exam = StoredExam::Read(s.values);
        const bool counted = exam.fault == StoredExam::Fault::None;
        out.push_back(
            {s.name, counted ? exam.date : StoredExam::NumberOrZero(s.values[StoredExam::ExamDate]),
             counted ? exam.coefficient
                     : StoredExam::NumberOrZero(s.values[StoredExam::ExamResult]),
             s.repeated ? StoredExam::Fault::Repeated : exam.fault});
    });
    return out;
}

QString SaveExamSection(IniFile& ini, const QStringList& record, double coefficient, DateTime now) {
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

QStringList ReadStoredRecord(const IniFile& ini, const QString& section) {
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

QString HistoryDateText(DateTime date) {
    const QDateTime dt = QDateTimeFromDateTime(date);
    const QLocale locale;
    QString text = locale.toString(dt.date(), QLocale::ShortFormat);
    if (dt.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(dt.time(), LongTimeFormat());
    return Format(Messages::HistoryDateCell,
                  {text, locale.toString(dt.date(), QStringLiteral("dddd"))});
}

QString HistoryResultText(double result) {
    return Format(Messages::HistoryResultCell, {result});
}

QString HistoryChartLabel(DateTime date) {
    // The whole days of the day count are the date; no time zone work is needed for a label, and
    // a label is made for every bar that has room for one.
    static const QDate epoch(1899, 12, 30);
    const qint64 day =
        std::isfinite(date) && std::fabs(date) < 3.0e6 ? static_cast<qint64>(date) : 0;
    return QLocale().toString(epoch.addDays(day), QLocale::ShortFormat);
}
