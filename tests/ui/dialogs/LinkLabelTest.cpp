#include "ZorvikTest.h"

#include "ui/dialogs/LinkLabel.h"

#include <QEnterEvent>
#include <QTest>

namespace {

class LinkLabelTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        SetHttpCommandLookup([this] {
            ++lookups;
            return registered;
        });
    }
    void TearDown() override {
        SetHttpCommandLookup({});
        ZorvikTest::TearDown();
    }
    QString registered;
    int lookups = 0;
};

TEST(BrowserProgramFromCommand, KeepsTheProgramUpToItsFirstExe) {
    struct Case {
        const char* command;
        QString program;
    };
    const Case cases[] = {
        {R"("C:\Program Files\Web Browser\BROWSER.EXE" -osint -url "%1")",
         QStringLiteral(R"(c:\program files\web browser\browser.exe)")},
        {R"(C:\Apps\Browser.exe %1)", QStringLiteral(R"(c:\apps\browser.exe)")},
        {R"(C:\Apps\Browser.Exe)", QStringLiteral(R"(c:\apps\browser.exe)")},
        // Only the first quote goes, and only when it comes first.
        {R"(""C:\x.exe")", QStringLiteral(R"("c:\x.exe)")},
        {R"( "C:\x.exe")", QStringLiteral(R"( "c:\x.exe)")},
        // The first ".exe" ends the program, wherever it stands.
        {R"(C:\tools.exe.d\run.exe)", QStringLiteral(R"(c:\tools.exe)")},
        {"C:\\Программы\\Обозреватель.EXE \"%1\"",
         QStringLiteral("c:\\Программы\\Обозреватель.exe")},
        {"firefox %u", QString()},
        {"/usr/bin/browser --new-window %u", QString()},
        {R"(C:\Apps\Browser.ex)", QString()},
        {"", QString()},
        {"\"", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(BrowserProgramFromCommand(QString::fromUtf8(c.command)), c.program);
    }
}

TEST_F(LinkLabelTest, TheAddressReachesTheBrowserAsOneArgument) {
    const QString command = QStringLiteral(R"("C:\Browser\B.EXE" "%1")");
    const QString addresses[] = {
        QStringLiteral("https://zorvik.example.org/"),
        QStringLiteral(R"(https://zorvik.example.org/?q="a b"&c='d')"),
        QStringLiteral("https://zorvik.example.org/;rm -rf ~;"),
        QStringLiteral("https://zorvik.example.org/$(touch /tmp/x)`id`|cat>y"),
        QStringLiteral("https://zorvik.example.org/a\nb\r\nc"),
        QStringLiteral("https://zorvik.example.org/ %1 \"%2\""),
    };
    for (const QString& address : addresses) {
        SCOPED_TRACE(address.toStdString());
        desktop.started.clear();
        OpenInBrowser(address, command);
        ASSERT_EQ(desktop.started.size(), 1u);
        EXPECT_EQ(desktop.started[0].program, QStringLiteral(R"(c:\browser\b.exe)"));
        EXPECT_EQ(desktop.started[0].arguments, QStringList{address});
    }
    EXPECT_TRUE(desktop.urls.empty());
}

TEST_F(LinkLabelTest, WithoutAnExeProgramTheDesktopOpensTheAddress) {
    for (const QString& command :
         {QString(), QStringLiteral("firefox %u"), QStringLiteral("\"/opt/browser\" %u")}) {
        SCOPED_TRACE(command.toStdString());
        desktop.urls.clear();
        OpenInBrowser(QStringLiteral("https://zorvik.example.org/a"), command);
        ASSERT_EQ(desktop.urls.size(), 1u);
        EXPECT_EQ(desktop.urls[0], QUrl(QStringLiteral("https://zorvik.example.org/a")));
    }
    EXPECT_TRUE(desktop.started.empty());
}

TEST_F(LinkLabelTest, AnAddressThatLooksLikeAnOptionNeverReachesTheProgram) {
    OpenInBrowser(QStringLiteral("--user-data-dir=/tmp/x"), QStringLiteral("C:\\b.exe %1"));
    EXPECT_TRUE(desktop.started.empty());
    EXPECT_EQ(desktop.urls.size(), 1u);
}

TEST_F(LinkLabelTest, AnEmptyAddressOpensNothing) {
    OpenInBrowser(QStringLiteral("  "), QStringLiteral("C:\\b.exe %1"));
    OpenInBrowser(QString(), QString());
    EXPECT_TRUE(desktop.started.empty());
    EXPECT_TRUE(desktop.urls.empty());
}

// A desktop whose program start fails, as when a registered ".exe" does not exist here.
class NoProgramDesktop final : public Desktop {
public:
    bool OpenUrl(const QUrl& url) override {
        urls.push_back(url);
        return true;
    }
    bool StartProgram(const QString&, const QStringList&) override { return false; }
    void Beep() override {}
    std::vector<QUrl> urls;
};

TEST_F(LinkLabelTest, AProgramThatWillNotStartFallsBackToTheDesktop) {
    NoProgramDesktop failing;
    SetAppDesktop(&failing);
    OpenInBrowser(QStringLiteral("https://zorvik.example.org/"), QStringLiteral("C:\\b.exe"));
    SetAppDesktop(&desktop);
    ASSERT_EQ(failing.urls.size(), 1u);
    EXPECT_EQ(failing.urls[0], QUrl(QStringLiteral("https://zorvik.example.org/")));
}

TEST_F(LinkLabelTest, HoverUnderlinesOnlyWhileTheMouseIsOver) {
    LinkLabel label;
    label.setText(QStringLiteral("https://zorvik.example.org/"));
    EXPECT_EQ(label.palette().color(QPalette::WindowText), label.palette().color(QPalette::Link));
    EXPECT_FALSE(label.font().underline());

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&label, &enter);
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&label, &leave);
    EXPECT_FALSE(label.font().underline());
    EXPECT_EQ(label.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(LinkLabelTest, AClickOpensTheUrlThroughTheRegisteredBrowser) {
    registered = QStringLiteral(R"("C:\Browser\B.EXE" "%1")");
    LinkLabel label;
    label.setURL(QStringLiteral("https://zorvik.example.org/zorvik/"));
    label.resize(200, 20);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(lookups, 1);
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].arguments, QStringList{label.URL()});
}

TEST_F(LinkLabelTest, AnAssignedHandlerReplacesTheDefaultClick) {
    LinkLabel label;
    label.setURL(QStringLiteral("https://zorvik.example.org/"));
    label.resize(200, 20);
    int clicks = 0;
    label.SetOnClick([&] { ++clicks; });
    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::keyClick(&label, Qt::Key_Space);
    QTest::keyClick(&label, Qt::Key_Return);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(lookups, 0);
    EXPECT_TRUE(desktop.started.empty());
    EXPECT_TRUE(desktop.urls.empty());
}

TEST_F(LinkLabelTest, AReleaseOutsideTheLabelIsNoClick) {
    LinkLabel label;
    label.resize(200, 20);
    int clicks = 0;
    label.SetOnClick([&] { ++clicks; });
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(500, 5));
    EXPECT_EQ(clicks, 0);
}

} // namespace
