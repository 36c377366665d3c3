#include "app/Clock.h"
#include "app/MainFormUnit.h"
#include "app/Random.h"
#include "app/ResStrUnit.h"
#include "app/Stores.h"
#include "app/ZorvikApplication.h"
#include "platform/InstanceGuard.h"

#include <QDateTime>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>

namespace {
// The executable's folder without the application object, so that a second copy can leave before
// it touches the display or any file.
QString executableDir(const char* argv0) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}
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
    QApplication::setApplicationName(ResStr::AppTitle);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(QIcon(programDir + QStringLiteral("/zorvik.png")));
    app.InstallRussianTranslations();

    int rc = 0;
    {
        TMainForm mainForm;
        mainForm.showMaximized();
        rc = ZorvikApplication::exec();
    }
    // Every change was saved when it was made; the stores go without writing.
    CloseStores();
    return rc;
}
