// Saves a picture of every window of the program, filled with sample data, as <out>/<name>.png.
// Run offscreen by scripts/screenshots; QT_SCALE_FACTOR=2 gives the pictures at 200 % and --dark
// a dark palette, to see that nothing is clipped or unreadable.
//
//   zorvik_screenshots --out DIR [--dark] [name...]

#include "SampleWindows.h"

#include "app/ZorvikApplication.h"
#include "core/Stores.h"
#include "platform/Desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace {

// Nothing the windows do while they are pictured may open a browser or beep.
class QuietDesktop final : public Desktop {
public:
    bool OpenUrl(const QUrl&) override { return true; }
    bool StartProgram(const QString&, const QStringList&) override { return true; }
    void Beep() override {}
};

QPalette DarkPalette() {
    QPalette p;
    const QColor window(0x2B, 0x2D, 0x31);
    const QColor base(0x1E, 0x1F, 0x22);
    const QColor text(0xE6, 0xE6, 0xE6);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x3A, 0x3D, 0x42));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(0xFF, 0x6B, 0x6B));
    p.setColor(QPalette::Light, QColor(0x50, 0x54, 0x5A));
    p.setColor(QPalette::Midlight, QColor(0x45, 0x48, 0x4E));
    p.setColor(QPalette::Mid, QColor(0x33, 0x35, 0x3A));
    p.setColor(QPalette::Dark, QColor(0x19, 0x1A, 0x1D));
    p.setColor(QPalette::Shadow, QColor(0x0A, 0x0A, 0x0A));
    p.setColor(QPalette::Highlight, QColor(0x3D, 0x7A, 0xD6));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x7A, 0xB4, 0xFF));
    p.setColor(QPalette::PlaceholderText, QColor(0x9A, 0x9A, 0x9A));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return p;
}

bool CopyShippedData(const QString& to) {
    const QString from = QStringLiteral(ZORVIK_SOURCE_DIR "/data");
    for (const QString& rel :
         {QStringLiteral("Data/modules.ini"), QStringLiteral("Help/index.htm")}) {
        QDir().mkpath(QFileInfo(to + QLatin1Char('/') + rel).absolutePath());
        if (!QFile::copy(from + QLatin1Char('/') + rel, to + QLatin1Char('/') + rel))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QString outDir;
    bool dark = false;
    QStringList only;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--out") && i + 1 < argc)
            outDir = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--dark"))
            dark = true;
        else
            only.append(arg);
    }
    if (outDir.isEmpty()) {
        std::fputs("usage: zorvik_screenshots --out DIR [--dark] [name...]\n", stderr);
        return 2;
    }

    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ZorvikApplication app(argc, argv);
    app.InstallRussianTranslations();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (dark)
        QApplication::setPalette(DarkPalette());

    QTemporaryDir programDir;
    if (!programDir.isValid() || !CopyShippedData(programDir.path())) {
        std::fputs("zorvik_screenshots: cannot prepare a program folder\n", stderr);
        return 1;
    }
    QuietDesktop desktop;
    SetAppDesktop(&desktop);
    OpenStores(programDir.path());
    FillSampleStores();

    QDir().mkpath(outDir);
    int failures = 0;
    VisitSampleWindows(
        [&](const QString& name, QWidget& window) {
            if (!only.isEmpty() && !only.contains(name))
                return;
            const QString file = QDir(outDir).filePath(name + QStringLiteral(".png"));
            if (!window.grab().save(file)) {
                std::fprintf(stderr, "zorvik_screenshots: cannot write %s\n", qPrintable(file));
                ++failures;
                return;
            }
            std::printf("%s\n", qPrintable(file));
        },
        QStringLiteral(ZORVIK_BIN));

    CloseStores();
    SetAppDesktop(nullptr);
    return failures == 0 ? 0 : 1;
}
