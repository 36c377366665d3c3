#include "ui/run/ItemNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface* noticeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ItemNotice") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

ItemNotice::ItemNotice(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(noticeAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void ItemNotice::Announce(const QString& text) {
    // A screen reader reads a notification when it appears: hiding it first makes every item
    // appear anew, a repeated one too.
    hide();
    setAccessibleName(text);
    show();
}

void ItemNotice::Clear() {
    hide();
    setAccessibleName(QString());
}
