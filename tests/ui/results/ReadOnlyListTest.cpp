#include "ui/results/ResultDetailsWindow.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Paints single cells of the details list through its delegate onto a transparent image, as the
// list would, so the colours a user sees can be checked pixel by pixel.
class ReadOnlyListTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.FillResult({QStringLiteral("1"), QString(), QStringLiteral("x")},
                        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, false, 0,
                        0, 0, 0, 0, 0);
        tree = form.findChild<QTreeWidget*>(QStringLiteral("ResultVirtualDrawTree"));
        form.show();
        QApplication::setActiveWindow(&form);
    }
    void TearDown() override { form.hide(); }

    QImage Paint(int row, int column, bool selected) const {
        QImage image(160, 20, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QStyleOptionViewItem option;
        option.initFrom(tree);
        option.widget = tree;
        option.rect = image.rect();
        option.state = QStyle::State_Enabled;
        if (selected)
            option.state |= QStyle::State_Selected;
        QPainter painter(&image);
        tree->itemDelegate()->paint(&painter, option, tree->model()->index(row, column));
        return image;
    }
    static int CountColor(const QImage& image, const QColor& color) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == color ? 1 : 0;
        return n;
    }
    QColor Role(QPalette::ColorRole role) const {
        return tree->palette().color(QPalette::Active, role);
    }

    ResultDetailsWindow form;
    QTreeWidget* tree = nullptr;
};

TEST_F(ReadOnlyListTest, FocusedRowIsHighlightedEvenWhenNotSelected) {
    tree->setFocus();
    ASSERT_TRUE(tree->hasFocus());
    tree->clearSelection();
    tree->setCurrentIndex(tree->model()->index(0, 0));
    tree->clearSelection();
    const QImage cell = Paint(0, 1, false);
    // The far right of the cell holds no text: it shows the background.
    EXPECT_EQ(cell.pixelColor(cell.width() - 2, cell.height() / 2), Role(QPalette::Highlight));
}

TEST_F(ReadOnlyListTest, SelectionOfAnUnfocusedListKeepsTextReadable) {
    form.findChild<QPushButton*>(QStringLiteral("CancelButton"))->setFocus();
    ASSERT_FALSE(tree->hasFocus());
    const QImage selected = Paint(0, 1, true);
    EXPECT_EQ(selected.pixelColor(selected.width() - 2, 10), Role(QPalette::Button));
    const QImage plain = Paint(0, 1, false);
    EXPECT_EQ(plain.pixelColor(plain.width() - 2, 10).alpha(), 0);
}

TEST_F(ReadOnlyListTest, WrongAnswersShowRedAlsoWhenEmpty) {
    const QColor red(255, 0, 0);
    EXPECT_EQ(CountColor(Paint(0, 2, false), red), 0);
    EXPECT_GT(CountColor(Paint(1, 2, false), red), 0) << "empty answer";
    EXPECT_GT(CountColor(Paint(2, 2, false), red), 0) << "wrong answer";
    EXPECT_EQ(CountColor(Paint(2, 1, false), red), 0) << "the item is never red";
}

} // namespace
