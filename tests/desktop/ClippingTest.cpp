#include "SampleWindows.h"
#include "ZorvikTest.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTreeView>

// Many windows were laid out for a smaller system font than the desktop's; a text cut short is
// the first thing that larger fonts and 200 % screens show. Every text of every window must fit
// the room its control has.

namespace {

QString Plain(QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text;
}

std::string Where(const QString& window, const QWidget* w) {
    return (window + QStringLiteral(": ") + w->objectName() + QStringLiteral(" (") +
            QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(')'))
        .toStdString();
}

void CheckLabel(const QString& window, const QLabel* label) {
    const QString text = Plain(label->text());
    if (label->wordWrap() || text.isEmpty() || text.contains(QLatin1Char('\n')) ||
        label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
        return;
    const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
    EXPECT_LE(label->fontMetrics().horizontalAdvance(text), room)
        << Where(window, label) << " cuts \"" << text.toStdString() << '"';
}

void CheckButton(const QString& window, const QAbstractButton* button) {
    const QString text = Plain(button->text());
    if (text.isEmpty())
        return;
    // The room the style leaves for the text: what the button's own size hint asks beyond it.
    const int chrome = button->sizeHint().width() - button->fontMetrics().horizontalAdvance(text);
    const int needed = button->fontMetrics().horizontalAdvance(text) +
                       (qobject_cast<const QPushButton*>(button) ? 4 : chrome);
    EXPECT_LE(needed, button->width())
        << Where(window, button) << " cuts \"" << text.toStdString() << '"';
}

void CheckCombo(const QString& window, const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const int icon =
        combo->itemIcon(combo->currentIndex()).isNull() ? 0 : combo->iconSize().width() + 4;
    EXPECT_LE(combo->fontMetrics().horizontalAdvance(combo->currentText()) + icon, field.width())
        << Where(window, combo) << " cuts \"" << combo->currentText().toStdString() << '"';
}

void CheckTree(const QString& window, const QTreeView* tree) {
    const QHeaderView* header = tree->header();
    const QAbstractItemModel* model = tree->model();
    for (int col = 0; col < model->columnCount(); ++col) {
        // The last column stretches to whatever room is left.
        if (col == header->count() - 1 && header->stretchLastSection())
            continue;
        const int room = tree->columnWidth(col) - 8;
        for (int row = 0; row < model->rowCount() && row < 50; ++row) {
            const QString text = model->index(row, col).data().toString().trimmed();
            EXPECT_LE(tree->fontMetrics().horizontalAdvance(text), room)
                << Where(window, tree) << " column " << col << " cuts \"" << text.toStdString()
                << '"';
        }
    }
}

class ClippingTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        InstallShippedData();
        FillSampleStores();
    }
};

TEST_F(ClippingTest, EveryTextFitsItsControl) {
    VisitSampleWindows([](const QString& name, QWidget& window) {
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisible())
                continue;
            if (const auto* label = qobject_cast<const QLabel*>(w))
                CheckLabel(name, label);
            else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                CheckButton(name, button);
            else if (const auto* combo = qobject_cast<const QComboBox*>(w))
                CheckCombo(name, combo);
            else if (const auto* tree = qobject_cast<const QTreeView*>(w))
                CheckTree(name, tree);
        }
    });
}

} // namespace
