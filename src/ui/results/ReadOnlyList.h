#pragma once

#include <QColor>
#include <QString>
#include <QStyledItemDelegate>
#include <functional>

class QAbstractItemView;
class QTreeWidget;

// How one cell of a read-only list is drawn.
struct CellLook {
    QString text;
    QColor color;
    bool strikeOut = false;
};

// Paints the cells of the program's read-only lists. The window decides each cell's look through
// its draw-node handler; the delegate supplies whether the cell is in the focused row and does the
// painting: selection, then the text left-aligned one pixel below the top edge, elided to the cell.
class ReadOnlyListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using DrawNode = std::function<CellLook(const QModelIndex& index, bool focusedRow)>;

    ReadOnlyListDelegate(DrawNode drawNode, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // True when the list has the keyboard focus and the index lies in its current row.
    static bool IsFocusedRow(const QAbstractItemView* view, const QModelIndex& index);

private:
    DrawNode m_drawNode;
};

// The colour of ordinary cell text: highlight text in the focused row, window text elsewhere.
QColor PlainCellColor(const QWidget* view, bool focusedRow);

// Sets a tree up as a read-only list of whole-row records drawn by the handler.
void SetupDrawTree(QTreeWidget* tree, ReadOnlyListDelegate::DrawNode drawNode);

// Makes a short fixed table exactly as high as its header and rows, so no row hides behind a
// scroll bar.
void FitDrawTreeHeight(QTreeWidget* tree);

// Appends one row of a norms table.
void AddNormRow(QTreeWidget* table, const QString& range, const QString& grade);
