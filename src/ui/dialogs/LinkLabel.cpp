#include "ui/dialogs/LinkLabel.h"

#include "platform/Desktop.h"

#include <QEnterEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QUrl>

namespace {
std::function<QString()>& HttpCommandLookup() {
    static std::function<QString()> lookup;
    return lookup;
}

// The Exec line of the [Desktop Entry] group of a desktop file.
QString DesktopFileExec(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    bool inEntry = false;
    // A desktop file is small; the bound keeps a broken one from being read for ever.
    for (int lines = 0; lines < 10000 && !file.atEnd(); ++lines) {
        const QString line = QString::fromUtf8(file.readLine(64 * 1024)).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("Exec=")))
            return line.mid(5);
    }
    return QString();
}

QString DesktopHttpCommand() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/http")});
    if (!query.waitForStarted(2000))
        return QString();
    if (!query.waitForFinished(2000)) {
        query.kill();
        query.waitForFinished(1000);
        return QString();
    }
    const QString desktopFile = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    if (desktopFile.isEmpty() || desktopFile.contains(QLatin1Char('/')))
        return QString();
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopFile);
    return path.isEmpty() ? QString() : DesktopFileExec(path);
}
} // namespace

QString RegisteredHttpCommand() {
    const auto& lookup = HttpCommandLookup();
    return lookup ? lookup() : DesktopHttpCommand();
}

void SetHttpCommandLookup(std::function<QString()> lookup) {
    HttpCommandLookup() = std::move(lookup);
}

void OpenInBrowser(const QString& address) {
    OpenInBrowser(address, RegisteredHttpCommand());
}

void OpenInBrowser(const QString& address, const QString& registeredCommand) {
    if (address.trimmed().isEmpty())
        return;
    // The address is one argument of its own, never part of a command line, so no character in it
    // can start anything else. One that begins with "-" would be taken for an option of the
    // browser, so it goes to the desktop instead.
    const QString program = BrowserProgramFromCommand(registeredCommand);
    if (!program.isEmpty() && !address.startsWith(QLatin1Char('-')) &&
        AppDesktop().StartProgram(program, {address}))
        return;
    // Commands registered on this desktop rarely name an ".exe"; the desktop's own handling of the
    // address then opens the same browser.
    AppDesktop().OpenUrl(QUrl(address));
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
    // Reachable with Tab, but a mouse click does not take the focus, so the underline follows the
    // mouse alone for mouse users.
    setFocusPolicy(Qt::TabFocus);
}

LinkLabel::~LinkLabel() = default;

void LinkLabel::Click() {
    if (m_onClick)
        m_onClick();
    else
        OpenInBrowser(m_url);
}

void LinkLabel::SetHot(bool hot) {
    m_hot = hot;
    if (hot)
        setCursor(Qt::PointingHandCursor);
    else
        setCursor(Qt::ArrowCursor);
    UpdateUnderline();
}

void LinkLabel::UpdateUnderline() {
    QFont f = font();
    f.setUnderline(m_hot);
    setFont(f);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    SetHot(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    SetHot(false);
    m_pressed = false;
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            Click();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        Click();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

// The underline belongs to the mouse; keyboard users see the focused link framed instead.
void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    // A link takes the focus from the keyboard alone, so its frame always shows.
    option.state |= QStyle::State_KeyboardFocusChange;
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
