#include "ModalDriver.h"
#include "ui/results/ExamNormsWindow.h"
#include "ui/results/TrainingNormsWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using Rows = QList<QStringList>;

Rows RowsOf(const QTreeWidget* tree) {
    Rows rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        rows << QStringList{tree->topLevelItem(i)->text(0), tree->topLevelItem(i)->text(1)};
    return rows;
}

QStringList HeadersOf(const QTreeWidget* tree) {
    return {tree->headerItem()->text(0), tree->headerItem()->text(1)};
}

QString S(const char16_t* text) {
    return QString::fromUtf16(text);
}

QString LabelText(const QWidget& form, const char* name) {
    return form.findChild<QLabel*>(QLatin1String(name))->text();
}

QTreeWidget* TreeOf(const QWidget& form, const char* name) {
    return form.findChild<QTreeWidget*>(QLatin1String(name));
}

// Every row in view without scrolling, no row marked, and the close button as default and focused.
void ExpectCommonShape(QDialog& form, const QList<QTreeWidget*>& tables) {
    EXPECT_EQ(form.windowTitle(), S(u"Нормативы"));
    auto* close = form.findChild<QPushButton*>(QStringLiteral("CloseButton"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), S(u"Закрыть"));
    EXPECT_TRUE(close->isDefault());
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(QApplication::focusWidget(), close);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const QPoint offset =
        form.frameGeometry().center() - form.screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
    for (QTreeWidget* table : tables) {
        EXPECT_FALSE(table->accessibleName().isEmpty());
        EXPECT_FALSE(table->currentIndex().isValid()) << table->objectName().toStdString();
        EXPECT_EQ(table->verticalScrollBar()->maximum(), 0) << table->objectName().toStdString();
        const QRect last =
            table->visualItemRect(table->topLevelItem(table->topLevelItemCount() - 1));
        EXPECT_LE(last.bottom(), table->viewport()->height()) << table->objectName().toStdString();
    }
    form.hide();
}

TEST(NormsWindowTest, BothTablesInTheirOrder) {
    ExamNormsWindow form;
    QTreeWidget* beginner = TreeOf(form, "Norm1VirtualDrawTree");
    QTreeWidget* expert = TreeOf(form, "Norm2VirtualDrawTree");
    ASSERT_NE(beginner, nullptr);
    ASSERT_NE(expert, nullptr);
    EXPECT_EQ(HeadersOf(beginner), (QStringList{S(u"Интервал"), S(u"Оценка")}));
    EXPECT_EQ(HeadersOf(expert), (QStringList{S(u"Интервал"), S(u"Оценка")}));
    EXPECT_EQ(RowsOf(beginner), (Rows{{S(u"0 - 3,6"), S(u"2")},
                                      {S(u"3,8 - 11,3"), S(u"3")},
                                      {S(u"11,3 - 18,8"), S(u"4")},
                                      {S(u"19 - 28,4"), S(u"5")}}));
    EXPECT_EQ(RowsOf(expert), (Rows{{S(u"0 - 3,6"), S(u"2")},
                                    {S(u"3,8 - 11,3"), S(u"3-")},
                                    {S(u"11,3 - 18,8"), S(u"3")},
                                    {S(u"19 - 28,4"), S(u"4-")},
                                    {S(u"28,4 - 37,8"), S(u"4")},
                                    {S(u"38 - 47,4"), S(u"5-")},
                                    {S(u"47,4 - 56,8"), S(u"5")},
                                    {S(u"57+"), S(u"Мастер")}}));
    EXPECT_EQ(LabelText(form, "Label1"), S(u"Ученик"));
    EXPECT_EQ(LabelText(form, "Label3"), S(u"(начало занятий по мнемотехнике)"));
    EXPECT_EQ(LabelText(form, "Label2"), S(u"Профи"));
    EXPECT_EQ(LabelText(form, "Label4"), S(u"(можно использовать для соревнований)"));
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("Label1"))->font().bold());
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("Label2"))->font().bold());
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("Label3"))->font().bold());
    ExpectCommonShape(form, {beginner, expert});
}

TEST(NormsWindowTest, TrainingTableInItsOrder) {
    TrainingNormsWindow form;
    QTreeWidget* table = TreeOf(form, "NormVirtualDrawTree");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(HeadersOf(table), (QStringList{S(u"Количество запоминаемых чисел"), S(u"Оценка")}));
    EXPECT_EQ(RowsOf(table), (Rows{{S(u"0 - 18"), S(u"2")},
                                   {S(u"18 - 56"), S(u"3")},
                                   {S(u"56 - 94"), S(u"4")},
                                   {S(u"94 - 142"), S(u"5")}}));
    EXPECT_EQ(LabelText(form, "Label1"), S(u"Среднее время запоминания числа - 6 секунд."));
    EXPECT_EQ(LabelText(form, "Label2"), S(u"Количество ошибок - не более 10 процентов."));
    ExpectCommonShape(form, {table});
}

TEST(NormsWindowTest, EnterAndEscapeClose) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        ExamNormsWindow form;
        EXPECT_TRUE(DriveModal([&] { form.exec(); },
                               [&](QWidget* modal) {
                                   ASSERT_EQ(modal, &form);
                                   QTest::keyClick(QApplication::focusWidget(), key);
                               }))
            << "key " << key;
    }
}

} // namespace
