#include "core/HistoryModel.h"

#include "core/Messages.h"

#include <algorithm>
#include <numeric>

HistoryModel::HistoryModel(QObject* parent) : QAbstractTableModel(parent) {}

void HistoryModel::SetEntries(std::vector<HistoryEntry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    m_order.resize(m_entries.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    std::stable_sort(m_order.begin(), m_order.end(), [this](int a, int b) {
        return m_entries[static_cast<size_t>(a)].date < m_entries[static_cast<size_t>(b)].date;
    });
    endResetModel();
}

const HistoryEntry& HistoryModel::EntryAt(int row) const {
    return m_entries[static_cast<size_t>(m_order[static_cast<size_t>(row)])];
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole)
        return {};
    const HistoryEntry& e = EntryAt(index.row());
    return index.column() == 0 ? HistoryDateText(e.date) : HistoryResultText(e.result);
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return Messages::HistoryDateColumn;
    if (section == 1)
        return Messages::HistoryResultColumn;
    return {};
}
