#include "CliTestSupport.h"

#include "cli/HistoryExport.h"
#include "core/CommaText.h"
#include "core/History.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

using namespace clitest;

namespace {

// 15 March 2007, 14:30:00 local time.
constexpr double kDay = 39156.0;
constexpr double kDate = kDay + 14.5 / 24.0;

struct Expected {
    QString section, date;
    double coefficient;
    QStringList presented, answers;
};

// Exams as a user makes them, and as a hand-edited file or a hostile answer can leave them: text
// with quotes, commas, blanks, Cyrillic, and answers a spreadsheet would take for formulas.
const QStringList kAnswers = {QStringLiteral("=1+1"), QStringLiteral("-5"),
                              QStringLiteral("+7"),   QStringLiteral("@sum"),
                              QStringLiteral("'x"),   QStringLiteral("ёлка, \"зелёная\""),
                              QStringLiteral("12")};
const QStringList kPresented = {QStringLiteral("=HYPERLINK(\"x\")"),
                                QStringLiteral("сосна"),
                                QStringLiteral("a,b"),
                                QStringLiteral("\""),
                                QStringLiteral(" "),
                                QStringLiteral("Ж"),
                                QStringLiteral("12")};

ExamSet ReadText(const QByteArray& bytes) {
    QTemporaryDir dir;
    const IniFile ini(WriteHistory(dir, bytes));
    return ReadExams(ini);
}

TEST(HistoryExport, CsvAndJsonRoundTripEveryField) {
    // The section names are written in reverse order of the dates: the export is oldest first.
    const QByteArray file =
        Cp(Section(QStringLiteral("-{later}"), kDate + 1.0 + 0.0005, -2.4,
                   {QStringLiteral("ValidAnswerList=") + CommaText::Write(kAnswers),
                    QStringLiteral("MyAnswerList=") + CommaText::Write(kPresented),
                    QStringLiteral("TestDt=") + FloatToBitsText(30.0 / 86400.0),
                    QStringLiteral("NumsCnt=7"), QStringLiteral("OkAnswer=1"),
                    QStringLiteral("BadAnswer=6"),
                    QStringLiteral("Avg=") + FloatToBitsText(30.0 / 7.0)}) +
           Section(QStringLiteral("{5B1E7C2A-0D4F-4A8B-9C3E-71F2A6D80B14}"), kDate, 0.8,
                   {QStringLiteral("ValidAnswerList=12,45,07,88,31"),
                    QStringLiteral("MyAnswerList=12,45,70,88,31"),
                    QStringLiteral("TestDt=4555040743114238999"), QStringLiteral("NumsCnt=5"),
                    QStringLiteral("OkAnswer=4"), QStringLiteral("BadAnswer=1"),
                    QStringLiteral("Avg=4618441417868443648")}));
    // And one exam saved the way the main window saves it.
    QTemporaryDir dir;
    const QString path = WriteHistory(dir, file);
    QString saved;
    {
        IniFile program(path);
        saved = SaveExamSection(program,
                                {QStringLiteral("ValidAnswerList=") + CommaText::Write(kPresented),
                                 QStringLiteral("MyAnswerList=") + CommaText::Write(kAnswers),
                                 QStringLiteral("TestDt=") + FloatToBitsText(9.5 / 86400.0),
                                 QStringLiteral("NumsCnt=7"), QStringLiteral("OkAnswer=0"),
                                 QStringLiteral("BadAnswer=7"),
                                 QStringLiteral("Avg=") + FloatToBitsText(9.5 / 7.0)},
                                5.5, kDate + 2.0);
    }
    const IniFile ini(path);
    ExamSet set = ReadExams(ini);
    ASSERT_TRUE(set.warnings.isEmpty()) << set.warnings.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(set.exams.size(), 3u);
    // A field can hold any character only in memory (the file keeps one line per value): line
    // breaks and control characters must still come out quoted and escaped.
    ExamRow synthetic = set.exams[0];
    synthetic.section = QStringLiteral("@a\r\nb\tc\x01");
    synthetic.presented = {QStringLiteral("MyAnswerList=\"x\ny\""), 13};
    synthetic.items.reset();
    synthetic.seconds.reset();
    set.exams.push_back(synthetic);

    const std::vector<Expected> expected = {
        {QStringLiteral("{5B1E7C2A-0D4F-4A8B-9C3E-71F2A6D80B14}"),
         QStringLiteral("2007-03-15T14:30:00"), 0.8, Words({"12", "45", "70", "88", "31"}),
         Words({"12", "45", "07", "88", "31"})},
        {QStringLiteral("-{later}"), QStringLiteral("2007-03-16T14:30:43.200"), -2.4, kPresented,
         kAnswers},
        {saved, QStringLiteral("2007-03-17T14:30:00"), 5.5, kAnswers, kPresented},
        {synthetic.section, QStringLiteral("2007-03-15T14:30:00"), 0.8,
         QStringList{QStringLiteral("x\ny")}, Words({"12", "45", "07", "88", "31"})},
    };

    QByteArray csv = CsvHeader();
    QByteArray json = "[";
    for (const ExamRow& e : set.exams) {
        AppendCsvRow(e, csv);
        if (json.size() > 1)
            json += ',';
        AppendJsonObject(e, json);
    }
    json += ']';
    ASSERT_TRUE(IsUtf8(csv));
    ASSERT_TRUE(IsUtf8(json));

    const std::vector<QStringList> rows = ReadCsv(csv);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].join(QLatin1Char(',')),
              QStringLiteral("section,date,coefficient,items,right,wrong,seconds,"
                             "seconds_per_item,presented,answers"));
    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(json, &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    ASSERT_EQ(array.size(), 4);

    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const Expected& x = expected[i];
        const QStringList& r = rows[i + 1];
        ASSERT_EQ(r.size(), 10);
        EXPECT_EQ(Unguard(r[0]), x.section);
        EXPECT_EQ(r[1], x.date);
        EXPECT_EQ(r[2].toDouble(), x.coefficient);
        EXPECT_EQ(CommaText::Read(Unguard(r[8])), x.presented);
        EXPECT_EQ(CommaText::Read(Unguard(r[9])), x.answers);
        // What a spreadsheet would run stays text; what is a number stays a bare number.
        for (const int f : {0, 8, 9})
            EXPECT_FALSE(QStringLiteral("=+-@").contains(r[f].front())) << r[f].toStdString();
        for (const int f : {2, 3, 4, 5, 6, 7}) {
            bool ok = true;
            if (!r[f].isEmpty())
                r[f].toDouble(&ok);
            EXPECT_TRUE(ok) << r[f].toStdString();
        }

        const QJsonObject o = array[static_cast<qsizetype>(i)].toObject();
        EXPECT_EQ(o[QStringLiteral("section")].toString(), x.section);
        EXPECT_EQ(o[QStringLiteral("date")].toString(), x.date);
        EXPECT_EQ(o[QStringLiteral("coefficient")].toDouble(), x.coefficient);
        QStringList presented, answers;
        for (const QJsonValue& v : o[QStringLiteral("presented")].toArray())
            presented.append(v.toString());
        for (const QJsonValue& v : o[QStringLiteral("answers")].toArray())
            answers.append(v.toString());
        EXPECT_EQ(presented, x.presented);
        EXPECT_EQ(answers, x.answers);
    }
    // The counts and times: the example section's 30 s over 5 items, the second's over 7; a
    // missing number is an empty field and a JSON null.
    EXPECT_EQ(rows[1].mid(3, 5).join(QLatin1Char(',')), QStringLiteral("5,4,1,30,6"));
    EXPECT_EQ(rows[2].mid(3, 5).join(QLatin1Char(',')),
              QStringLiteral("7,1,6,30,") + QString::fromLatin1(NumberText(30.0 / 7.0)));
    EXPECT_EQ(rows[3].mid(3, 5).join(QLatin1Char(',')),
              QStringLiteral("7,0,7,9.5,") + QString::fromLatin1(NumberText(9.5 / 7.0)));
    EXPECT_EQ(rows[4][3], QString());
    EXPECT_TRUE(array[3].toObject()[QStringLiteral("items")].isNull());
    EXPECT_EQ(array[0].toObject()[QStringLiteral("seconds_per_item")].toDouble(), 6.0);
    EXPECT_EQ(array[1].toObject()[QStringLiteral("right")].toInt(), 1);
}

TEST(HistoryExport, AnyByteOfTheFileComesOutAsUtf8) {
    QByteArray bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    QByteArray name = "{\x01\x7f";
    for (int b = 0x80; b < 256; ++b)
        name += static_cast<char>(b);
    name += '}';
    const QByteArray file = "[" + name + "]\r\nExamDate=" + FloatToBitsText(kDate).toLatin1() +
                            "\r\nExamResult=0\r\nValidAnswerList=\"" + bytes.replace('"', "\"\"") +
                            "\"\r\n\r\n";
    const ExamSet set = ReadText(file);
    ASSERT_EQ(set.exams.size(), 1u);
    const ExamRow& e = set.exams[0];
    QByteArray csv = CsvHeader();
    AppendCsvRow(e, csv);
    QByteArray json = "[";
    AppendJsonObject(e, json);
    json += ']';
    ASSERT_TRUE(IsUtf8(csv));
    const std::vector<QStringList> rows = ReadCsv(csv);
    ASSERT_EQ(rows.size(), 2u);
    const QString answers = e.answers.view().toString();
    EXPECT_EQ(Unguard(rows[1][9]), answers);
    EXPECT_EQ(CommaText::Read(answers).size(), 1);
    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(json, &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(array[0].toObject()[QStringLiteral("answers")].toArray()[0].toString(),
              CommaText::Read(answers).value(0));
    EXPECT_EQ(array[0].toObject()[QStringLiteral("section")].toString(), e.section);
    EXPECT_EQ(e.section, cp1251::decode(name));
    EXPECT_EQ(Unguard(rows[1][0]), e.section);
}

TEST(HistoryExport, BadSectionsAreSkippedWithOneWarningEach) {
    const QByteArray file =
        Cp(QStringLiteral("[{NoDate}]\r\nExamResult=0\r\n\r\n") +
           Section(QStringLiteral("{Good}"), kDate, 1.5) +
           QStringLiteral("[{NoResult}]\r\nExamDate=") + FloatToBitsText(kDate) +
           QStringLiteral("\r\n\r\n") +
           Section(QStringLiteral("{BadCount}"), kDate, 1.0, {QStringLiteral("NumsCnt=пять")}) +
           Section(QStringLiteral("{NaN}"), std::numeric_limits<double>::quiet_NaN(), 1.0) +
           Section(QStringLiteral("{Year10000}"), 2958466.0, 1.0) +
           Section(QStringLiteral("{LastMs}"), std::nextafter(2958466.0, 0.0), 1.0) +
           Section(QStringLiteral("{BadAvg}"), kDate, 1.0, {QStringLiteral("avg=1.5")}) +
           Section(QStringLiteral("{HugeDt}"), kDate, 1.0,
                   {QStringLiteral("TestDt=") + FloatToBitsText(1e305)}) +
           QStringLiteral("[{BadDate}]\r\nExamDate=вчера\r\nExamResult=0\r\n\r\n") +
           // The last line of a key counts, as in the store's every read.
           Section(QStringLiteral("{Hex}"), kDate, 2.0,
                   {QStringLiteral("NumsCnt=пять"), QStringLiteral("numscnt=0x14")}) +
           // The store serves the last section of a name for both: one exam, not two.
           Section(QStringLiteral("{good}"), kDate - 1.0, 1.5));
    const ExamSet set = ReadText(file);
    ASSERT_EQ(set.exams.size(), 2u);
    EXPECT_EQ(set.exams[0].section, QStringLiteral("{Good}"));
    EXPECT_EQ(set.exams[1].items, 20);
    const QString prefix = QStringLiteral("zorvik-history: раздел [%1] пропущен: %2");
    EXPECT_EQ(
        set.warnings,
        (QStringList{
            prefix.arg(QStringLiteral("{NoDate}"), QStringLiteral("нет даты экзамена (ExamDate)")),
            prefix.arg(QStringLiteral("{NoResult}"),
                       QStringLiteral("нет коэффициента (ExamResult)")),
            prefix.arg(QStringLiteral("{BadCount}"), QStringLiteral("значение NumsCnt не число")),
            prefix.arg(QStringLiteral("{NaN}"), QStringLiteral("значение ExamDate не число")),
            prefix.arg(QStringLiteral("{Year10000}"), QStringLiteral("дата вне 1–9999 годов")),
            prefix.arg(QStringLiteral("{LastMs}"), QStringLiteral("дата вне 1–9999 годов")),
            prefix.arg(QStringLiteral("{BadAvg}"), QStringLiteral("значение Avg не число")),
            prefix.arg(QStringLiteral("{HugeDt}"), QStringLiteral("значение TestDt не число")),
            prefix.arg(QStringLiteral("{BadDate}"),
                       QStringLiteral("значение ExamDate не число"))}));
}

TEST(HistoryExport, DatesBeforeTheEpochKeepTheirTimeOfDay) {
    // -1.25 is 29 December 1899 at 06:00 and -1.75 the same day at 18:00: the later one has the
    // smaller number, and must still come second.
    const ExamSet set = ReadText(Cp(Section(QStringLiteral("{Evening}"), -1.75, 2.0) +
                                    Section(QStringLiteral("{Morning}"), -1.25, 1.0)));
    ASSERT_EQ(set.exams.size(), 2u);
    EXPECT_EQ(IsoDateTime(set.exams[0].day, set.exams[0].msOfDay), "1899-12-29T06:00:00");
    EXPECT_EQ(IsoDateTime(set.exams[1].day, set.exams[1].msOfDay), "1899-12-29T18:00:00");
}

TEST(HistoryExport, JsonListsAreReadAsTheProgramReadsThem) {
    for (const char* text :
         {"", ",", "a,", ",a", "a,,b", "12,45,07", "ёлка,сосна", "a b,c", "\"a,b\",c", " a , b ",
          "x\x01y,z", "\"\"", "a,\"b", "a\\b,c\\", "1,=2,@3"}) {
        ExamRow row;
        row.day = QDate(2007, 3, 15);
        row.answers = {S(text), 0};
        QByteArray json;
        AppendJsonObject(row, json);
        QStringList read;
        for (const QJsonValue& v :
             QJsonDocument::fromJson("[" + json + "]")[0][QStringLiteral("answers")].toArray())
            read.append(v.toString());
        EXPECT_EQ(read, CommaText::Read(S(text))) << text;
    }
}

TEST(HistoryExport, FormulaGuard) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"=1+1", "'=1+1"}, {"+7", "'+7"}, {"-5", "'-5"}, {"@a", "'@a"},  {"\tx", "'\tx"},
        {"'q", "''q"},     {"", ""},      {"12", "12"},  {"a=b", "a=b"}, {"ёлка", "ёлка"}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(GuardFormula(S(in)), S(out)) << in;
}

// A day count at noon of the given date.
double Noon(int y, int m, int d) {
    return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate(y, m, d))) + 0.5;
}

TEST(HistoryStats, FiguresComputedByHand) {
    struct Case {
        const char* name;
        std::vector<std::pair<double, double>> exams; // date, coefficient
        QString text;
        QDate from = {}, to = {}; // --from and --to
    };
    std::vector<std::pair<double, double>> twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back({Noon(2007, 1, 27) + i, i + 1.0});
    const std::vector<Case> cases = {
        {"none", {}, QStringLiteral("Экзаменов: 0\n")},
        // Days 0, 10 and 40 with 10, 12 and 16: Sxy = 760 - 3 * 50/3 * 38/3 = 126.67,
        // Sxx = 1700 - 3 * (50/3)^2 = 866.67, slope 0.146154 a day, 4.3846 per 30 days.
        {"three",
         {{Noon(2007, 3, 1), 10.0}, {Noon(2007, 3, 11), 12.0}, {Noon(2007, 4, 10), 16.0}},
         QStringLiteral("Экзаменов: 3\n"
                        "Лучший коэффициент: 16,00 — 10.04.2007 12:00:00 (вторник)\n"
                        "Среднее за последние 3: 12,67\n"
                        "Среднее по месяцам:\n"
                        "  март 2007: 11,00 (экзаменов: 2, лучший: 12,00)\n"
                        "  апрель 2007: 16,00 (экзаменов: 1, лучший: 16,00)\n"
                        "Тренд: +4,38 за 30 дней (по экзаменам: 3)\n")},
        // 1 to 12 on consecutive days: the last ten average (3 + 12) / 2 = 7.5, the slope is one
        // a day; January holds 1..5 (mean 3), February 6..12 (mean 9).
        {"twelve", twelve,
         QStringLiteral("Экзаменов: 12\n"
                        "Лучший коэффициент: 12,00 — 07.02.2007 12:00:00 (среда)\n"
                        "Среднее за последние 10: 7,50\n"
                        "Среднее по месяцам:\n"
                        "  январь 2007: 3,00 (экзаменов: 5, лучший: 5,00)\n"
                        "  февраль 2007: 9,00 (экзаменов: 7, лучший: 12,00)\n"
                        "Тренд: +30,00 за 30 дней (по экзаменам: 12)\n")},
        // Falling results, the first best kept on a tie, and one moment only: no slope.
        {"one moment",
         {{Noon(2008, 2, 29), -1.0}, {Noon(2008, 2, 29), -0.5}, {Noon(2008, 2, 29), -0.5}},
         QStringLiteral("Экзаменов: 3\n"
                        "Лучший коэффициент: -0,50 — 29.02.2008 12:00:00 (пятница)\n"
                        "Среднее за последние 3: -0,67\n"
                        "Среднее по месяцам:\n"
                        "  февраль 2008: -0,67 (экзаменов: 3, лучший: -0,50)\n"
                        "Тренд: недостаточно данных (по экзаменам: 3)\n")},
        // A period: 1 to 5 February hold 6..10.
        {"twelve, a period", twelve,
         QStringLiteral("Экзаменов: 5\n"
                        "Лучший коэффициент: 10,00 — 05.02.2007 12:00:00 (понедельник)\n"
                        "Среднее за последние 5: 8,00\n"
                        "Среднее по месяцам:\n"
                        "  февраль 2007: 8,00 (экзаменов: 5, лучший: 10,00)\n"
                        "Тренд: +30,00 за 30 дней (по экзаменам: 5)\n"),
         QDate(2007, 2, 1), QDate(2007, 2, 5)},
        // Both ends of a one-day period belong to it, to the last second of the day.
        {"one day",
         {{kDay - 1.0 / 86400, 1.0}, {kDay, 2.0}, {kDay + 86399.0 / 86400, 3.0}, {kDay + 1.0, 4.0}},
         QStringLiteral("Экзаменов: 2\n"
                        "Лучший коэффициент: 3,00 — 15.03.2007 23:59:59 (четверг)\n"
                        "Среднее за последние 2: 2,50\n"
                        "Среднее по месяцам:\n"
                        "  март 2007: 2,50 (экзаменов: 2, лучший: 3,00)\n"
                        "Тренд: +30,00 за 30 дней (по экзаменам: 2)\n"),
         QDate(2007, 3, 15),
         QDate(2007, 3, 15)},
        // A month without exams has no line; the slope spans the gap: 2 in 59 days.
        {"a gap",
         {{Noon(2007, 1, 10), 2.0}, {Noon(2007, 3, 10), 4.0}},
         QStringLiteral("Экзаменов: 2\n"
                        "Лучший коэффициент: 4,00 — 10.03.2007 12:00:00 (суббота)\n"
                        "Среднее за последние 2: 3,00\n"
                        "Среднее по месяцам:\n"
                        "  январь 2007: 2,00 (экзаменов: 1, лучший: 2,00)\n"
                        "  март 2007: 4,00 (экзаменов: 1, лучший: 4,00)\n"
                        "Тренд: +1,02 за 30 дней (по экзаменам: 2)\n")},
        // A hand-edited slip: a figure beyond a trillion is written in exponent form.
        {"a slip",
         {{Noon(2008, 5, 1), 1e300}, {Noon(2008, 5, 2), 2.0}},
         QStringLiteral("Экзаменов: 2\n"
                        "Лучший коэффициент: 1,00E+300 — 01.05.2008 12:00:00 (четверг)\n"
                        "Среднее за последние 2: 5,00E+299\n"
                        "Среднее по месяцам:\n"
                        "  май 2008: 5,00E+299 (экзаменов: 2, лучший: 1,00E+300)\n"
                        "Тренд: -3,00E+301 за 30 дней (по экзаменам: 2)\n")},
        {"falling",
         {{Noon(2008, 1, 1), 3.0}, {Noon(2008, 1, 31), 1.0}},
         QStringLiteral("Экзаменов: 2\n"
                        "Лучший коэффициент: 3,00 — 01.01.2008 12:00:00 (вторник)\n"
                        "Среднее за последние 2: 2,00\n"
                        "Среднее по месяцам:\n"
                        "  январь 2008: 2,00 (экзаменов: 2, лучший: 3,00)\n"
                        "Тренд: -2,00 за 30 дней (по экзаменам: 2)\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString file;
        for (size_t i = 0; i < c.exams.size(); ++i)
            file += Section(QStringLiteral("{%1}").arg(i), c.exams[i].first, c.exams[i].second);
        const ExamSet set = ReadText(Cp(file));
        const std::vector<HistoryStats::Exam> exams =
            StatsExams(ExamsBetween(set.exams, c.from, c.to));
        EXPECT_EQ(StatsText(ComputeStats(exams), exams), c.text);
    }
    // The tie: the first of the two -0.5 exams is the best.
    const ExamSet tie = ReadText(
        Cp(Section(QStringLiteral("{a}"), 1.0, -0.5) + Section(QStringLiteral("{b}"), 2.0, -0.5)));
    EXPECT_EQ(ComputeStats(StatsExams(tie.exams)).best, 0u);
}

} // namespace
