#include "app/ZorvikApplication.h"
#include "core/Clock.h"
#include "core/Messages.h"
#include "core/Random.h"
#include "core/Stores.h"
#include "platform/InstanceGuard.h"
#include "ui/main/MainWindow.h"

#include <QDateTime>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QTimer>

namespace {
// The executable's folder without the application object, so that a second copy can leave before
// it touches the display or any file.
QString executableDir(const char* argv0) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

// For the start-up benchmark (bench/, ZORVIK_EXIT_AFTER_SHOW=1): leaves as soon as the main window
// has painted, so that a start can be timed from the process start to its exit.
class ExitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int main(int argc, char** argv) {
    // A second copy ends at once, silently, with exit code 0 and no file touched.
    InstanceGuard guard;
    if (!guard.Acquire())
        return 0;

    const QString programDir = executableDir(argv[0]);
    AppRandom().Seed(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
    OpenStores(programDir);

    ZorvikApplication app(argc, argv);
    QApplication::setApplicationName(Messages::AppTitle);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(QIcon(programDir + QStringLiteral("/zorvik.png")));
    app.InstallRussianTranslations();

    ExitAfterFirstPaint exitAfterShow;
    if (qEnvironmentVariableIsSet("ZORVIK_EXIT_AFTER_SHOW"))
        app.installEventFilter(&exitAfterShow);

    int rc = 0;
    {
        MainWindow mainWindow;
        mainWindow.showMaximized();
        rc = ZorvikApplication::exec();
    }
    // Every change was saved when it was made; the stores go without writing.
    CloseStores();
    return rc;
}
