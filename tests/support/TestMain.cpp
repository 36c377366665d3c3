#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

// Every test runs offscreen under a Russian locale, as the program's users see it.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // A private runtime folder, so that Qt stays quiet and no lock is shared with a real copy.
        const QString dir = QDir::tempPath() + QStringLiteral("/zorvik-tests-runtime");
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
    }
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
