#include "SampleWindows.h"
#include "ZorvikTest.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QWidget>
#include <algorithm>
#include <map>
#include <set>

// Walks the keyboard's way through every window of the program. A person without a mouse reaches
// a control only through the tab chain, and a screen reader can say only a control that has a
// name: its own text, a label that names it as its buddy, or an accessible name.

namespace {

QString Plain(QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.trimmed();
}

QString Describe(const QWidget* w) {
    return QStringLiteral("%1 (%2)").arg(w->objectName(),
                                         QString::fromLatin1(w->metaObject()->className()));
}

// The name a screen reader gives the control, or an empty string.
QString SpokenName(const QWidget* w, const QWidget* window) {
    // A compound control (the spin edit) lends focus to an inner part: its name counts for it.
    for (const QWidget* named = w; named != nullptr && named != window;
         named = named->parentWidget()) {
        if (named != w && named->focusProxy() != w)
            break;
        if (!named->accessibleName().trimmed().isEmpty())
            return named->accessibleName().trimmed();
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy() == named && label->isVisible() && !Plain(label->text()).isEmpty())
                return Plain(label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return Plain(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return Plain(label->text());
    if (const auto* tabs = qobject_cast<const QTabBar*>(w))
        return tabs->count() > 0 ? Plain(tabs->tabText(tabs->currentIndex())) : QString();
    return {};
}

struct WindowWalk {
    std::vector<QWidget*> stops;
    bool closed = false; // the chain comes back to the window
};

WindowWalk WalkTabChain(QWidget& window) {
    WindowWalk walk;
    QWidget* w = window.nextInFocusChain();
    for (int guard = 0; guard < 2000 && w != &window; ++guard, w = w->nextInFocusChain()) {
        if (w->window() != &window || !w->isVisible() || !w->isEnabled())
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) == 0 || w->focusProxy() != nullptr)
            continue;
        walk.stops.push_back(w);
    }
    walk.closed = w == &window;
    return walk;
}

// A user's way into a control: a tab stop, or for a button its Alt letter.
bool ReachableByKeyboard(const QAbstractButton* b, const std::set<const QWidget*>& stops) {
    return stops.count(b) > 0 || !b->shortcut().isEmpty() ||
           b->text().contains(QRegularExpression(QStringLiteral("&[^&]")));
}

class TabOrderTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        InstallShippedData();
        FillSampleStores();
    }
};

TEST_F(TabOrderTest, EveryStopOfEveryWindowHasAName) {
    std::map<QString, std::size_t> stopsPerWindow;
    VisitSampleWindows([&](const QString& name, QWidget& window) {
        const WindowWalk walk = WalkTabChain(window);
        EXPECT_TRUE(walk.closed) << name.toStdString() << ": the tab chain does not come back";
        stopsPerWindow[name] = walk.stops.size();
        for (const QWidget* w : walk.stops)
            EXPECT_FALSE(SpokenName(w, &window).isEmpty())
                << name.toStdString() << ": " << Describe(w).toStdString() << " has no name";
    });
    // Every window, and every page and step of one, was walked and offers something to tab to.
    const std::set<QString> expected = {
        QStringLiteral("main"),          QStringLiteral("progress"),
        QStringLiteral("test-start"),    QStringLiteral("test-item"),
        QStringLiteral("test-recall"),   QStringLiteral("exercise"),
        QStringLiteral("data-entry"),    QStringLiteral("details"),
        QStringLiteral("norms"),         QStringLiteral("norms-training"),
        QStringLiteral("settings"),      QStringLiteral("settings-training"),
        QStringLiteral("settings-exam"), QStringLiteral("phone"),
        QStringLiteral("modules"),       QStringLiteral("blink"),
        QStringLiteral("about")};
    for (const QString& name : expected) {
        ASSERT_EQ(stopsPerWindow.count(name), 1u) << name.toStdString() << " was not shown";
        EXPECT_GT(stopsPerWindow[name], 0u) << name.toStdString() << " has no tab stop";
    }
}

TEST_F(TabOrderTest, EveryButtonCanBeReachedWithoutAMouse) {
    VisitSampleWindows([&](const QString& name, QWidget& window) {
        const WindowWalk walk = WalkTabChain(window);
        const std::set<const QWidget*> stops(walk.stops.begin(), walk.stops.end());
        for (const QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
            const bool checkedKind = qobject_cast<const QPushButton*>(b) != nullptr ||
                                     qobject_cast<const QCheckBox*>(b) != nullptr ||
                                     qobject_cast<const QRadioButton*>(b) != nullptr;
            if (!checkedKind || !b->isVisible() || !b->isEnabled())
                continue;
            EXPECT_TRUE(ReachableByKeyboard(b, stops))
                << name.toStdString() << ": " << Describe(b).toStdString()
                << " is neither a tab stop nor has an Alt letter";
        }
    });
}

// From the control a window opens with, the keyboard walks it in reading order: each stop comes
// after the previous one, top to bottom, or in the same row left to right, except where a new
// column begins. A stop that jumps back up and left of its predecessor is one the form's tab order
// forgot.
TEST_F(TabOrderTest, TabOrderFollowsTheLayout) {
    VisitSampleWindows([&](const QString& name, QWidget& window) {
        WindowWalk walk = WalkTabChain(window);
        auto first = std::find(walk.stops.begin(), walk.stops.end(), window.focusWidget());
        // A dialog that opens on its default button at the bottom is read from the top: Tab
        // leaves the button for the first control.
        if (const auto* button = qobject_cast<const QPushButton*>(window.focusWidget());
            button != nullptr && button->isDefault() && first != walk.stops.end())
            ++first;
        if (first != walk.stops.end())
            std::rotate(walk.stops.begin(), first, walk.stops.end());
        for (std::size_t i = 1; i < walk.stops.size(); ++i) {
            const QRect a(walk.stops[i - 1]->mapTo(&window, QPoint(0, 0)),
                          walk.stops[i - 1]->size());
            const QRect b(walk.stops[i]->mapTo(&window, QPoint(0, 0)), walk.stops[i]->size());
            const bool backUp = b.bottom() < a.top();
            const bool backLeft = b.right() < a.left();
            EXPECT_FALSE(backUp && backLeft)
                << name.toStdString() << ": " << Describe(walk.stops[i]).toStdString()
                << " comes after " << Describe(walk.stops[i - 1]).toStdString();
        }
    });
}

} // namespace
