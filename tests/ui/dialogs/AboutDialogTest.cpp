#include "BuiltProgram.h"
#include "ZorvikTest.h"

#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/LinkLabel.h"
#include "ui/dialogs/VersionInfo.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class AboutDialogTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        SetHttpCommandLookup([this] {
            ++lookups;
            return QString();
        });
    }
    void TearDown() override {
        SetHttpCommandLookup({});
        ZorvikTest::TearDown();
    }
    template <typename T> static T* Find(const QWidget& form, const char* name) {
        T* w = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    int lookups = 0;
};

TEST_F(AboutDialogTest, ShowsTheVersionOfTheBuiltProgram) {
    AboutDialog form(nullptr, BuiltProgram());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(Find<QLabel>(form, "Label1")->text(), QStringLiteral("Zorvik"));
    EXPECT_EQ(Find<QLabel>(form, "Label2")->text(), QStringLiteral("Версия:"));
    EXPECT_EQ(form.FileVersion(), QStringLiteral("1.1.0.74"));
    // As the main window opens it.
    form.SetVersionCaption(form.FileVersion());
    EXPECT_EQ(Find<QLabel>(form, "VersionLabel")->text(), QStringLiteral("1.1.0.74"));
    const QPixmap icon = Find<QLabel>(form, "Image1")->pixmap();
    EXPECT_EQ(icon.size(), QSize(32, 32));
}

TEST_F(AboutDialogTest, WithoutAVersionBlockTheVersionIsEmpty) {
    AboutDialog form; // this test program carries no block
    EXPECT_TRUE(form.FileVersion().isEmpty());
    EXPECT_TRUE(Find<QLabel>(form, "VersionLabel")->text().isEmpty());
    EXPECT_EQ(Find<QLabel>(form, "Label2")->text(), QStringLiteral("Версия:"));
}

TEST_F(AboutDialogTest, LinksShowTheirAddressInBlue) {
    AboutDialog form;
    for (const char* name : {"HLinkLabel5", "HLinkLabel1", "HLinkLabel3", "HLinkLabel2",
                             "HLinkLabel4", "EMailHLink1Label", "EMailHLink2Label"}) {
        SCOPED_TRACE(name);
        const LinkLabel* link = Find<LinkLabel>(form, name);
        ASSERT_NE(link, nullptr);
        EXPECT_FALSE(link->URL().isEmpty());
        EXPECT_EQ(link->text(), link->URL());
        EXPECT_TRUE(link->URL().contains(QStringLiteral("zorvik.example.org")));
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_FALSE(Find<LinkLabel>(form, "EMailHLink1Label")->URL().contains(QLatin1Char(':')));
}

TEST_F(AboutDialogTest, EMailLinksGoToTheMailProgramNotTheBrowser) {
    AboutDialog form;
    form.resize(form.sizeHint());
    QTest::mouseClick(Find<LinkLabel>(form, "EMailHLink1Label"), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(Find<LinkLabel>(form, "EMailHLink2Label"), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(lookups, 0);
    EXPECT_TRUE(desktop.started.empty());
    ASSERT_EQ(desktop.urls.size(), 2u);
    EXPECT_EQ(desktop.urls[0].toString(), QStringLiteral("mailto:info@zorvik.example.org"));
    EXPECT_EQ(desktop.urls[1].toString(), QStringLiteral("mailto:support@zorvik.example.org"));
}

TEST_F(AboutDialogTest, AWebLinkGoesThroughTheBrowserLookup) {
    AboutDialog form;
    QTest::mouseClick(Find<LinkLabel>(form, "HLinkLabel2"), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(lookups, 1);
    ASSERT_EQ(desktop.urls.size(), 1u);
    EXPECT_EQ(desktop.urls[0], QUrl(Find<LinkLabel>(form, "HLinkLabel2")->URL()));
}

TEST_F(AboutDialogTest, OpensOnItsButtonSoThatEnterOrEscapeCloses) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        AboutDialog form;
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        const QPushButton* close = Find<QPushButton>(form, "CloseButton");
        EXPECT_EQ(close->text(), QStringLiteral("Закрыть"));
        EXPECT_TRUE(close->isDefault());
        ASSERT_EQ(QApplication::focusWidget(), close);
        EXPECT_GT(form.height(), form.width()) << "narrow and tall";
        for (const LinkLabel* link : form.findChildren<LinkLabel*>())
            EXPECT_FALSE(link->font().underline()) << link->objectName().toStdString();
        // The key goes where the user's key goes: to the focused control.
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_FALSE(form.isVisible());
        EXPECT_TRUE(desktop.urls.empty());
        EXPECT_TRUE(desktop.started.empty());
    }
    AboutDialog form;
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "CloseButton"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(AboutDialogTest, AFocusedLinkIsFramedNotUnderlined) {
    AboutDialog form;
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    LinkLabel* link = Find<LinkLabel>(form, "HLinkLabel5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // from the button round to it
    ASSERT_TRUE(link->hasFocus());
    EXPECT_FALSE(link->font().underline());
    const QImage framed = link->grab().toImage();
    Find<QPushButton>(form, "CloseButton")->setFocus(Qt::TabFocusReason);
    EXPECT_NE(link->grab().toImage(), framed) << "the focus shows";
}

TEST_F(AboutDialogTest, AScreenReaderHearsTheVersion) {
    AboutDialog form(nullptr, BuiltProgram());
    form.SetVersionCaption(form.FileVersion());
    const QLabel* version = Find<QLabel>(form, "VersionLabel");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(const_cast<QLabel*>(version));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("1.1.0.74"));
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("Версия программы"));
}

} // namespace
