#include "ui/results/ReadOnlyList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QTreeWidget>

ReadOnlyListDelegate::ReadOnlyListDelegate(DrawNode drawNode, QObject* parent)
    : QStyledItemDelegate(parent), m_drawNode(std::move(drawNode)) {}

bool ReadOnlyListDelegate::IsFocusedRow(const QAbstractItemView* view, const QModelIndex& index) {
    if (view == nullptr || !index.isValid() || !view->hasFocus())
        return false;
    const QModelIndex current = view->currentIndex();
    return current.isValid() && current.row() == index.row() && current.parent() == index.parent();
}

QColor PlainCellColor(const QWidget* view, bool focusedRow) {
    const QPalette pal = view != nullptr ? view->palette() : QApplication::palette();
    return pal.color(QPalette::Active, focusedRow ? QPalette::HighlightedText : QPalette::Text);
}

void ReadOnlyListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const auto* view = qobject_cast<const QAbstractItemView*>(opt.widget);
    const bool focusedRow = IsFocusedRow(view, index);
    const CellLook look = m_drawNode ? m_drawNode(index, focusedRow) : CellLook{};

    painter->save();
    // The focused row of a focused list always gets the highlight, selected or not, since its
    // text is drawn in highlight text; a selected row of a list without the focus gets the
    // button face, so its window-text colour stays readable.
    if (focusedRow)
        painter->fillRect(opt.rect, opt.palette.brush(QPalette::Active, QPalette::Highlight));
    else if (opt.state.testFlag(QStyle::State_Selected))
        painter->fillRect(opt.rect, opt.palette.brush(QPalette::Active, QPalette::Button));
    const QStyle* style = opt.widget != nullptr ? opt.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
    const QRect textRect = opt.rect.adjusted(margin, 1, -margin, 0);
    QFont font = opt.font;
    font.setStrikeOut(look.strikeOut);
    painter->setFont(font);
    painter->setPen(look.color);
    const QString shown =
        QFontMetrics(font).elidedText(look.text, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
    painter->restore();
}

void SetupDrawTree(QTreeWidget* tree, ReadOnlyListDelegate::DrawNode drawNode) {
    tree->setItemDelegate(new ReadOnlyListDelegate(std::move(drawNode), tree));
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setSortingEnabled(false);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setAllColumnsShowFocus(true);
    tree->header()->setSectionsMovable(false);
}

void FitDrawTreeHeight(QTreeWidget* tree) {
    const int rows = tree->topLevelItemCount();
    const int rowHeight = rows > 0 ? tree->sizeHintForRow(0) : 0;
    const int height =
        tree->header()->sizeHint().height() + rows * rowHeight + 2 * tree->frameWidth();
    tree->setFixedHeight(height);
    tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void AddNormRow(QTreeWidget* table, const QString& range, const QString& grade) {
    table->addTopLevelItem(new QTreeWidgetItem(QStringList{range, grade}));
}
