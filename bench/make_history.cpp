// Writes the benchmarks' result.ini of a given number of exams.
// Usage: make_history EXAMS PATH
#include "HistoryFixture.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_history EXAMS PATH\n");
        return 2;
    }
    const QByteArray bytes = HistoryFixture::HistoryBytes(std::atoi(argv[1]));
    return HistoryFixture::WriteFile(QString::fromLocal8Bit(argv[2]), bytes) ? 0 : 1;
}
