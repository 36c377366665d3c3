#pragma once

#include "core/BrowserCommand.h"

#include <QLabel>
#include <QString>
#include <functional>

// The command line the desktop has registered for opening "http" addresses; empty when none is.
QString RegisteredHttpCommand();
// Tests replace the lookup; an empty function puts the desktop's back.
void SetHttpCommandLookup(std::function<QString()> lookup);

// Opens an address in the web browser: the registered browser program with the address as its one
// argument when the registered command names one, the desktop's default handling otherwise.
// Failures are not reported.
void OpenInBrowser(const QString& address);
// The same with a given registered command instead of the desktop's.
void OpenInBrowser(const QString& address, const QString& registeredCommand);

// A label that looks and acts like a hyperlink: hot-track colour, underline and hand cursor while
// the mouse is over it, a click opens URL in the browser unless a click handler replaces that.
class LinkLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE setURL)
public:
    explicit LinkLabel(QWidget* parent = nullptr);
    ~LinkLabel() override;

    QString URL() const { return m_url; }
    // Only stores the address; the caption is the form's business.
    void setURL(const QString& url) { m_url = url; }

    // Replaces the default click action; an empty handler puts it back.
    void SetOnClick(std::function<void()> handler) { m_onClick = std::move(handler); }
    // What a click does: the assigned handler, or opening URL in the browser.
    void Click();

    bool Hot() const { return m_hot; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetHot(bool hot);
    void UpdateUnderline();

    QString m_url;
    std::function<void()> m_onClick;
    bool m_hot = false;
    bool m_pressed = false;
};
