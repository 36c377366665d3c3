#include "core/HistoryModel.h"

#include "core/ResStrUnit.h"

#include <algorithm>
#include <numeric>

THistoryModel::THistoryModel(QObject* parent) : QAbstractTableModel(parent) {}

void THistoryModel::SetEntries(std::vector<THistoryEntry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    m_order.resize(m_entries.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    std::stable_sort(m_order.begin(), m_order.end(), [this](int a, int b) {
        return m_entries[static_cast<size_t>(a)].date < m_entries[static_cast<size_t>(b)].date;
    });
    endResetModel();
}

const THistoryEntry& THistoryModel::EntryAt(int row) const {
    return m_entries[static_cast<size_t>(m_order[static_cast<size_t>(row)])];
}

int THistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int THistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant THistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole)
        return {};
    const THistoryEntry& e = EntryAt(index.row());
    return index.column() == 0 ? HistoryDateText(e.date) : HistoryResultText(e.result);
}

QVariant THistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return ResStr::HistoryDateColumn;
    if (section == 1)
        return ResStr::HistoryResultColumn;
    return {};
}
