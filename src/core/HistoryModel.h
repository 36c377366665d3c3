#pragma once

#include "core/History.h"

#include <QAbstractTableModel>
#include <QString>
#include <vector>

// The exam history as the main window lists it: one small record per exam, and the two cell texts
// made only when the list draws a row, so that a lifetime of exams costs a record each. Rows are
// the oldest first, exams of the same moment in saving order; the records themselves keep the
// saving order, which the chart shows.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit HistoryModel(QObject* parent = nullptr);

    // Replaces every row (a model reset).
    void SetEntries(std::vector<HistoryEntry> entries);
    // The records in saving order.
    const std::vector<HistoryEntry>& Entries() const { return m_entries; }
    // The record a row shows; row must lie in [0, rowCount()).
    const HistoryEntry& EntryAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Column 0 the date text, column 1 the result text.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<HistoryEntry> m_entries;
    // Row -> index into m_entries.
    std::vector<int> m_order;
};
