#include "ZorvikTest.h"

#include "core/Generators.h"
#include "core/Random.h"
#include "ui/dialogs/PhonePatternDialog.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

class PhonePatternDialogTest : public ZorvikTest {};

TEST_F(PhonePatternDialogTest, OpensWithTheDefaultPatternAndASampleOfIt) {
    PhonePatternDialog form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Настройка телефонных номеров"));
    EXPECT_EQ(form.PhoneEdit()->text(), QStringLiteral("000-00-00"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{3}-\\d{2}-\\d{2}$"))
                    .match(form.PhoneLabel()->text())
                    .hasMatch())
        << form.PhoneLabel()->text().toStdString();
    const auto* note = form.findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->wordWrap());
    EXPECT_EQ(note->text(), QStringLiteral("Примечание: для ввода признака цифры используйте 0, "
                                           "для разделителей номеров знак тире \"-\"."));
    EXPECT_TRUE(form.findChild<QPushButton*>(QStringLiteral("OKButton"))->isDefault());
    EXPECT_FALSE(form.PhoneEdit()->accessibleName().isEmpty());
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "a dialog border cannot be resized";
    // A screen reader says the sample number itself; what it is goes to the description.
    QAccessibleInterface* sample = QAccessible::queryAccessibleInterface(form.PhoneLabel());
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->text(QAccessible::Name), form.PhoneLabel()->text());
    EXPECT_EQ(sample->text(QAccessible::Description), QStringLiteral("Пример номера"));
}

TEST_F(PhonePatternDialogTest, EveryChangeDrawsANewSample) {
    PhonePatternDialog form;
    // The same seed in a generator of our own tells which numbers the next draws give.
    AppRandom().Seed(99);
    Random expected(99);
    for (const QString& pattern : {QStringLiteral("00-000"), QStringLiteral("+7 (0) 00"),
                                   QStringLiteral("---"), QStringLiteral("00-0000")}) {
        SCOPED_TRACE(pattern.toStdString());
        form.PhoneEdit()->setText(pattern);
        EXPECT_EQ(form.PhoneLabel()->text(), GeneratePhoneNumber(pattern, expected));
    }
}

} // namespace
