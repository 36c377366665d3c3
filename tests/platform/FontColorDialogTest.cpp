#include "ZorvikTest.h"

#include "platform/Colors.h"
#include "platform/FontColorDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class FontColorDialogTest : public ZorvikTest {
protected:
    static QFont Font(int points) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSize(points);
        return f;
    }
    static QColor SampleColor(const FontColorDialog& d) {
        const auto* sample =
            d.FontChooser()->findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit"));
        return sample != nullptr ? sample->palette().color(QPalette::Text) : QColor();
    }
    // Shows the dialog, as the settings dialog does, and lets the action work on it.
    static int Run(FontColorDialog& d, const std::function<void()>& act) {
        QTimer::singleShot(0, qApp, [&d, act] {
            QApplication::setActiveWindow(&d);
            act();
            if (d.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                d.done(QDialog::Rejected);
            }
        });
        return d.exec();
    }
};

TEST_F(FontColorDialogTest, StartsFromTheStoredColourAndKeepsASystemOneUntilAnotherIsPicked) {
    struct Case {
        int stored;
        QString shown;
    };
    const Case cases[] = {
        {0x000080, QStringLiteral("Бордовый")},
        {0xFFFFFF, QStringLiteral("Белый")},
        {static_cast<int>(0xFF000008u), QStringLiteral("Текст окна")},
        {0x123456, QStringLiteral("Другой цвет")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        FontColorDialog d(nullptr, Font(14), c.stored);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Шрифт"));
        EXPECT_EQ(d.ColorBox()->currentText(), c.shown);
        EXPECT_EQ(d.SelectedColor(), c.stored);
        EXPECT_EQ(SampleColor(d), ColorFromInt(c.stored));
        EXPECT_EQ(d.SelectedFont().pointSize(), 14);
        // The sixteen basic colours, the stored one if it is none of them, and "Другой...".
        const bool basic = d.ColorBox()->currentIndex() < 16;
        EXPECT_EQ(d.ColorBox()->count(), basic ? 17 : 18);
        EXPECT_EQ(d.ColorBox()->itemText(d.ColorBox()->count() - 1), QStringLiteral("Другой..."));
    }
}

TEST_F(FontColorDialogTest, StartsFromTheStoredStyles) {
    for (const bool bold : {false, true})
        for (const bool italic : {false, true}) {
            SCOPED_TRACE(testing::Message() << bold << italic);
            QFont stored(QStringLiteral("DejaVu Serif"));
            stored.setPointSize(20);
            stored.setBold(bold);
            stored.setItalic(italic);
            FontColorDialog d(nullptr, stored, 0);
            const QFont shown = d.SelectedFont();
            EXPECT_EQ(shown.family(), QStringLiteral("DejaVu Serif"));
            EXPECT_EQ(shown.bold(), bold);
            EXPECT_EQ(shown.italic(), italic);
            EXPECT_EQ(shown.pointSize(), 20);
        }
}

TEST_F(FontColorDialogTest, APickedColourIsTheUsersEvenWhereThePaletteShowsTheSame) {
    FontColorDialog d(nullptr, Font(12), static_cast<int>(0xFF000008u));
    QComboBox* box = d.ColorBox();
    const int result = Run(d, [&] {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home); // the first entry: black
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(d.SelectedColor(), 0x000000);
    EXPECT_EQ(SampleColor(d), QColor(Qt::black));
}

TEST_F(FontColorDialogTest, OtherOpensTheColourDialogAndCancelKeepsTheShownColour) {
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok);
        FontColorDialog d(nullptr, Font(12), 0x0000FF);
        QComboBox* box = d.ColorBox();
        QTimer::singleShot(0, qApp, [ok] {
            auto* colors = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(colors, nullptr);
            EXPECT_EQ(colors->currentColor(), QColor(255, 0, 0)) << "starts from the shown colour";
            colors->setCurrentColor(QColor(0x12, 0x34, 0x56));
            ok ? colors->accept() : colors->reject();
        });
        box->setCurrentIndex(box->count() - 1);
        Q_EMIT box->activated(box->count() - 1);
        EXPECT_EQ(d.SelectedColor(), ok ? 0x563412 : 0x0000FF);
        EXPECT_EQ(box->currentText(),
                  ok ? QStringLiteral("Другой цвет") : QStringLiteral("Красный"));
        EXPECT_EQ(SampleColor(d), ok ? QColor(0x12, 0x34, 0x56) : QColor(255, 0, 0));
    }
}

TEST_F(FontColorDialogTest, EnterAnywhereTakesTheFontAndEscapeCancels) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        FontColorDialog d(nullptr, Font(12), 0x000000);
        auto* size = d.FontChooser()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).value(2);
        ASSERT_NE(size, nullptr);
        const int result = Run(d, [&] {
            size->setFocus();
            size->selectAll();
            QTest::keyClicks(size, QStringLiteral("36"));
            QTest::keyClick(QApplication::focusWidget(), key);
        });
        EXPECT_EQ(result, key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(d.SelectedFont().pointSize(), 36);
        EXPECT_FALSE(d.FontChooser()->isHidden()) << "the chooser is part of the dialog";
    }
}

TEST_F(FontColorDialogTest, EveryControlHasARussianName) {
    FontColorDialog d(nullptr, Font(12), 0x000000);
    d.show();
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisible() ||
            qobject_cast<QPushButton*>(w) != nullptr)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
            continue; // the toolkit's own check boxes say their text
        SCOPED_TRACE(w->metaObject()->className());
        EXPECT_TRUE(w->accessibleName().contains(QRegularExpression(QStringLiteral("[А-Яа-я]"))))
            << w->accessibleName().toStdString();
    }
    EXPECT_EQ(d.ColorBox()->accessibleName(), QStringLiteral("Цвет"));
    EXPECT_EQ(d.findChild<QPushButton*>(QStringLiteral("CancelButton"))->text(),
              QStringLiteral("Отмена"));
}

} // namespace
