// The progress window over a long history: how long it takes to open (built, shown and painted
// once) over the main window, to redraw after a resize, and to switch to all exams; and the memory
// it takes on top of the main window's. Offscreen, in one process, as the program opens it.
// Usage: progress_window PROGRAM_DIR (a folder holding result.ini)
// Prints "open_ms=... resize_ms=... all_ms=... memory_mb=... exams=...", each time the median of
// 9 runs.
#include "core/HistoryModel.h"
#include "core/Stores.h"
#include "ui/main/MainWindow.h"
#include "ui/results/ProgressChart.h"
#include "ui/results/ProgressWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The resident memory of the process, in MB.
double residentMb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0.0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096.0 / (1024.0 * 1024.0) : 0.0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: progress_window PROGRAM_DIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication app(argc, argv);
    OpenStores(QString::fromLocal8Bit(argv[1]));
    MainWindow main;
    main.showMaximized();
    QApplication::processEvents();
    const HistoryModel* model = main.findChild<HistoryModel*>();
    const std::vector<HistoryEntry>& history = model->Entries();

    constexpr int kRuns = 9;
    std::vector<double> open, resize, all;
    double memory = 0.0;
    for (int run = 0; run < kRuns; ++run) {
        const double before = residentMb();
        QElapsedTimer timer;
        timer.start();
        {
            ProgressWindow form(history, &main);
            form.show();
            // Laid out and painted once, as the user first sees it.
            QApplication::processEvents();
            form.repaint();
            open.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            memory = std::max(memory, residentMb() - before);
            for (const QSize size : {QSize(1200, 800), QSize(1000, 700)}) {
                timer.restart();
                form.resize(size);
                // The new size reaches the window and its layout through events.
                QApplication::processEvents();
                form.repaint();
                resize.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            }
            timer.restart();
            form.SetPeriod(ProgressSeries::Period::All);
            QApplication::processEvents();
            form.repaint();
            all.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        QApplication::processEvents();
    }
    std::printf("open_ms=%.2f resize_ms=%.2f all_ms=%.2f memory_mb=%.1f exams=%zu\n", median(open),
                median(resize), median(all), memory, history.size());
    CloseStores();
    return 0;
}
