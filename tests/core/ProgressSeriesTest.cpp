#include "core/ProgressSeries.h"
#include "core/NormBand.h"
#include "core/TimeTick.h"

#include <QDate>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// A day count at noon of the given date.
double Noon(int y, int m, int d) {
    return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate(y, m, d))) + 0.5;
}

std::vector<HistoryEntry> Exams(const std::vector<std::pair<double, double>>& exams) {
    std::vector<HistoryEntry> out;
    for (const auto& [date, result] : exams)
        out.push_back({QStringLiteral("{%1}").arg(out.size()), date, result});
    return out;
}

TEST(ProgressSeries, BandsComeFromTheNormsTexts) {
    const std::vector<NormBand> bands = NormBand::FromRows(Messages::ExpertNorms);
    ASSERT_EQ(bands.size(), 8u);
    EXPECT_EQ(bands[0].from, 0.0);
    EXPECT_EQ(bands[0].to, 3.6);
    EXPECT_EQ(bands[1].from, 3.8);
    EXPECT_EQ(bands[1].grade, QStringLiteral("3-"));
    EXPECT_EQ(bands[7].from, 57.0);
    EXPECT_FALSE(bands[7].to.has_value());
    EXPECT_EQ(bands[7].grade, QStringLiteral("Мастер"));
}

TEST(ProgressSeries, ValueAxis) {
    const double huge = 1e300;
    struct Case {
        const char* name;
        std::vector<double> results;
        double low, high;
    };
    std::vector<double> withSlip(60, 12.0);
    withSlip.push_back(19.0);
    withSlip.push_back(huge);
    const std::vector<Case> cases = {
        {"a round number above the best", {3.15, 7.1, 5.2}, 0.0, 8.0},
        {"no exam, or all at 0: the lowest grades", {0.0}, 0.0, 6.0},
        {"a negative result", {-2.4, 1.0}, -3.0, 3.0},
        {"a best just under a round number gets room", {19.9}, 0.0, 25.0},
        {"a hand-edited slip does not flatten the rest", withSlip, 0.0, 20.0},
        {"nor one below", {-huge, 10.0, 11.0, 12.0}, 0.0, 12.5},
        {"all of them huge: drawn to scale", {huge, huge}, 0.0, 1.2e300},
        {"one unusually good day is no slip", {1.0, 30.0}, 0.0, 40.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<double, double>> exams;
        for (double r : c.results)
            exams.push_back({Noon(2007, 3, 1) + static_cast<double>(exams.size()), r});
        const ProgressSeries series(Exams(exams));
        const ProgressSeries::Scale scale = ProgressSeries::ScaleOf(series.Points());
        EXPECT_NEAR(scale.low, c.low, 1e-9 * std::max(1.0, std::fabs(c.low)));
        EXPECT_NEAR(scale.high, c.high, 1e-9 * c.high);
        EXPECT_GT(scale.step, 0.0);
    }
}

TEST(ProgressSeries, PeriodsEndOnTheLastExamsDay) {
    const ProgressSeries series(Exams({{Noon(2006, 12, 31), 1.0},
                                       {Noon(2007, 3, 16), 2.0},
                                       {Noon(2008, 1, 15), 3.0},
                                       {Noon(2008, 2, 15), 4.0},
                                       {Noon(2008, 3, 15), 5.0}}));
    struct Case {
        ProgressSeries::Period period;
        QDate from;
        size_t first;
    };
    const Case cases[] = {{ProgressSeries::Period::All, QDate(2006, 12, 31), 0},
                          {ProgressSeries::Period::Year, QDate(2007, 3, 16), 1},
                          {ProgressSeries::Period::ThreeMonths, QDate(2007, 12, 16), 2},
                          {ProgressSeries::Period::Month, QDate(2008, 2, 16), 4}};
    for (const Case& c : cases) {
        const ProgressSeries::Range range = series.RangeOf(c.period);
        EXPECT_EQ(range.from, c.from);
        EXPECT_EQ(range.to, QDate(2008, 3, 15));
        EXPECT_EQ(range.first, c.first);
        EXPECT_EQ(range.last, 5u);
    }
    EXPECT_TRUE(ProgressSeries().RangeOf(ProgressSeries::Period::Year).empty());
}

TEST(ProgressSeries, CountsWhatTheCommandCountsInItsOrder) {
    std::vector<HistoryEntry> entries =
        Exams({{Noon(2007, 3, 2), 2.0}, {Noon(2007, 3, 1), 1.0}, {Noon(2007, 3, 2), 3.0}});
    entries.push_back({QStringLiteral("{bad}"), 0.0, 0.0, StoredExam::Fault::NotNumber});
    entries.push_back({QStringLiteral("{0}"), Noon(2007, 3, 2), 2.0, StoredExam::Fault::Repeated});
    const ProgressSeries series(entries);
    EXPECT_EQ(series.LeftOut(), 1);
    ASSERT_EQ(series.Points().size(), 3u);
    // By time, exams of one moment in saving order; the mean runs over the exams so far.
    EXPECT_EQ(series.Points()[0].entry, 1);
    EXPECT_EQ(series.Points()[1].entry, 0);
    EXPECT_EQ(series.Points()[2].entry, 2);
    EXPECT_DOUBLE_EQ(series.Points()[2].recentMean, 2.0);
}

TEST(ProgressSeries, TimeTicksFitTheSpan) {
    const auto key = [](int y, int m, int d) {
        return QDate(1899, 12, 30).daysTo(QDate(y, m, d)) * qint64{86400000};
    };
    struct Case {
        qint64 from, to;
        int max;
        QStringList labels;
    };
    const Case cases[] = {
        {key(2007, 3, 14),
         key(2007, 3, 16),
         10,
         {QStringLiteral("14 мар."), QStringLiteral("15 мар."), QStringLiteral("16 мар.")}},
        {key(2007, 11, 10),
         key(2008, 2, 10),
         4,
         {QStringLiteral("дек. 2007"), QStringLiteral("янв. 2008"), QStringLiteral("февр.")}},
        {key(1990, 6, 1),
         key(2007, 6, 1),
         4,
         {QStringLiteral("1995"), QStringLiteral("2000"), QStringLiteral("2005")}},
        // No span at all still gets its day.
        {key(2007, 3, 15), key(2007, 3, 15), 5, {QStringLiteral("15 мар.")}},
    };
    for (const Case& c : cases) {
        QStringList labels;
        for (const TimeTick& t : TimeTick::Between(c.from, c.to, c.max))
            labels << t.label;
        EXPECT_EQ(labels, c.labels);
    }
}

} // namespace
