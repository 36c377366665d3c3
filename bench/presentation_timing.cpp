// Runs a 50-item presentation of 500 ms items through the real test window and the real clock, and
// prints how long each item really stayed on screen: the overrun is what the 10 ms tick and the
// event loop add to the display time. With --busy a child process spins on the other core for the
// whole run, as a compiler or a browser would.
#include "ui/run/TestWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
// A child that keeps one core busy until it is killed; 0 when none could be started.
pid_t startBusyChild() {
    const pid_t pid = fork();
    if (pid == 0) {
        volatile unsigned long n = 0;
        for (;;)
            n = n + 1;
    }
    return pid > 0 ? pid : 0;
}
} // namespace

int main(int argc, char** argv) {
    const bool busy = argc > 1 && std::strcmp(argv[1], "--busy") == 0;
    const pid_t child = busy ? startBusyChild() : 0;
    struct StopChild {
        pid_t pid;
        ~StopChild() {
            if (pid > 0) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
            }
        }
    } stopChild{child};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication app(argc, argv);

    constexpr int kItems = 50;
    constexpr int kDisplayMs = 500;
    QStringList items;
    for (int i = 0; i < kItems; ++i)
        items.append(QString::number(100 + i));

    TestWindow form;
    QElapsedTimer clock;
    std::vector<qint64> steps; // nanoseconds at each change of the item panel
    QEventLoop loop;
    QObject::connect(&form, &TestWindow::PresentationStep, &form, [&] {
        steps.push_back(clock.nsecsElapsed());
        if (static_cast<int>(steps.size()) == kItems + 1)
            loop.quit();
    });
    if (!form.StartRun(items, kItems, kDisplayMs, false, false, false, false, false, 0))
        return 1;
    form.show();
    clock.start();
    form.StartTestButtonClick();
    QTimer::singleShot(kItems * kDisplayMs * 2 + 5000, &loop, &QEventLoop::quit);
    loop.exec();
    if (static_cast<int>(steps.size()) != kItems + 1) {
        std::fprintf(stderr, "presentation did not finish (%zu steps)\n", steps.size());
        return 1;
    }

    std::vector<double> overruns;
    std::printf("item  shown_ms  overrun_ms\n");
    for (int i = 0; i < kItems; ++i) {
        const double shown = static_cast<double>(steps[static_cast<std::size_t>(i) + 1] -
                                                 steps[static_cast<std::size_t>(i)]) /
                             1e6;
        overruns.push_back(shown - kDisplayMs);
        std::printf("%4d  %8.3f  %10.3f\n", i + 1, shown, shown - kDisplayMs);
    }
    std::vector<double> sorted = overruns;
    std::sort(sorted.begin(), sorted.end());
    const auto p99 =
        sorted[static_cast<std::size_t>(0.99 * static_cast<double>(sorted.size() - 1))];
    double sum = 0;
    for (double v : sorted)
        sum += v;
    std::printf("min overrun %.3f ms, mean %.3f ms, 99th percentile %.3f ms, worst %.3f ms\n",
                sorted.front(), sum / static_cast<double>(sorted.size()), p99, sorted.back());
    std::printf("p99_ms=%.3f worst_ms=%.3f busy=%d\n", p99, sorted.back(), busy ? 1 : 0);
    form.done(2);
    return 0;
}
