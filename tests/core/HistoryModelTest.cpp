#include "core/HistoryModel.h"
#include "core/Messages.h"

#include <gtest/gtest.h>

namespace {

TEST(HistoryModel, RowsAreOldestFirstAndTextsComeFromTheRecords) {
    HistoryModel model;
    model.SetEntries({{QStringLiteral("{B}"), 40000.5, 10.0},
                      {QStringLiteral("{A}"), 39156.0, -2.4},
                      {QStringLiteral("{C}"), 40000.5, 3.0}});
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 2);
    // Exams of the same moment keep their saving order; the records keep it too.
    QStringList sections;
    for (int row = 0; row < model.rowCount(); ++row)
        sections << model.EntryAt(row).section;
    EXPECT_EQ(sections,
              (QStringList{QStringLiteral("{A}"), QStringLiteral("{B}"), QStringLiteral("{C}")}));
    EXPECT_EQ(model.Entries()[0].section, QStringLiteral("{B}"));
    EXPECT_EQ(model.index(0, 0).data().toString(), QStringLiteral("15.03.2007 (четверг)"));
    EXPECT_EQ(model.index(0, 1).data().toString(), QStringLiteral("   -2,40"));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), Messages::HistoryDateColumn);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), Messages::HistoryResultColumn);

    model.SetEntries({});
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
