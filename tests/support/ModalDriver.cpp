#include "ModalDriver.h"

#include <QApplication>
#include <QTimer>

bool DriveModal(const std::function<void()>& showModal, const std::function<void(QWidget*)>& act) {
    bool closedByAction = true;
    // Local timers die with this call, so nothing of one drive can fire into the next.
    QTimer actTimer;
    QTimer fallback;
    actTimer.setSingleShot(true);
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, qApp, [&closedByAction] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->isModal()) {
                closedByAction = false;
                w->close();
            }
        }
    });
    QObject::connect(&actTimer, &QTimer::timeout, qApp, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        // Keys go where a person's would: the offscreen platform does not activate by itself.
        if (modal)
            QApplication::setActiveWindow(modal);
        // Started before the action, so it also runs when the action opens another modal window
        // and blocks in it; a close done by the action itself is synchronous and comes first.
        fallback.start(0);
        act(modal);
    });
    actTimer.start(0);
    showModal();
    return closedByAction;
}
