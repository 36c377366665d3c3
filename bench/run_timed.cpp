// Starts a program many times and reports its wall time from start to exit and its peak resident
// memory, as a small stand-in for a command-line benchmarking tool.
// Usage: run_timed RUNS program [args...]   (one extra warm-up run is not counted)
// Prints one line: "median_ms=... mean_ms=... min_ms=... max_ms=... peak_rss_kb=...".
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
// Wall milliseconds of one run and its peak resident set in KiB; -1 when it failed.
bool runOnce(char** argv, double* ms, long* rssKb) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    *ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    *rssKb = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: run_timed RUNS program [args...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> times;
    long peak = 0;
    for (int i = 0; i <= runs; ++i) {
        double ms = 0;
        long rss = 0;
        if (!runOnce(argv + 2, &ms, &rss)) {
            std::fprintf(stderr, "run_timed: %s failed\n", argv[2]);
            return 1;
        }
        if (i == 0)
            continue; // warm-up: caches and the dynamic loader
        times.push_back(ms);
        peak = std::max(peak, rss);
    }
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times)
        sum += t;
    std::printf("median_ms=%.2f mean_ms=%.2f min_ms=%.2f max_ms=%.2f peak_rss_kb=%ld\n",
                times[times.size() / 2], sum / static_cast<double>(times.size()), times.front(),
                times.back(), peak);
    return 0;
}
