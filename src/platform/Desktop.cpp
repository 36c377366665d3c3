#include "platform/Desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>

namespace {
class RealDesktop final : public Desktop {
public:
    bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
    bool StartProgram(const QString& program, const QStringList& arguments) override {
        return QProcess::startDetached(program, arguments);
    }
    void Beep() override { QApplication::beep(); }
};
Desktop* g_desktop = nullptr;
} // namespace

Desktop& AppDesktop() {
    static RealDesktop real;
    return g_desktop ? *g_desktop : real;
}

void SetAppDesktop(Desktop* desktop) {
    g_desktop = desktop;
}
