#include "cli/HistoryCli.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QFile out, err;
    // Unbuffered: the program writes its output in large pieces itself and must see each failure.
    if (!out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !err.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered))
        return CliExit::WriteFailed;
    const CliEnvironment env{QCoreApplication::applicationDirPath(),
                             qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME")};
    return RunHistoryCli(args, env, out, err);
}
