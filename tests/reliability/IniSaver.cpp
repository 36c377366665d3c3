// A child process for the reliability tests: it saves a store the way the program does and
// reports each save on standard output, so that the parent can kill it or starve it at will.
//
//   ini_saver grow <file>   saves the growing store of ReliabilityText.h over and over,
//                           printing each save's number once the save has returned
//   ini_saver limit <file>  saves under a file-size limit, then without it, printing what
//                           happened
#include "ReliabilityText.h"
#include "core/IniFile.h"

#include <QFile>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

int GrowForEver(const QString& path) {
    IniFile ini(path);
    // The bound only keeps an orphaned child from running for ever.
    for (int s = ini.ReadInteger(Grow::Section(), QStringLiteral("Step"), 0) + 1; s < 10000000;
         ++s) {
        ini.WriteValues(Grow::Section(), {{QStringLiteral("Step"), QString::number(s)},
                                          {Grow::Key((s - 1) % Grow::kKeys), Grow::Value(s - 1)}});
        std::printf("%d\n", s);
        std::fflush(stdout);
    }
    return 0;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool SetFileSizeLimit(rlim_t soft) {
    rlimit lim{};
    if (getrlimit(RLIMIT_FSIZE, &lim) != 0)
        return false;
    lim.rlim_cur = soft == RLIM_INFINITY ? lim.rlim_max : soft;
    return setrlimit(RLIMIT_FSIZE, &lim) == 0;
}

int Limit(const QString& path) {
    // Past the limit the kernel sends SIGXFSZ, which would end the program; ignored, the write
    // fails with EFBIG instead and the save reports it.
    std::signal(SIGXFSZ, SIG_IGN);
    IniFile ini(path);
    ini.WriteString(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1"));
    const QByteArray before = ReadAll(path);
    const auto size = static_cast<rlim_t>(before.size());
    if (!SetFileSizeLimit(size + 16))
        return 3;
    try {
        ini.WriteString(QStringLiteral("S"), QStringLiteral("B"), QString(4096, QLatin1Char('b')));
        std::printf("saved\n");
    } catch (const SaveError& e) {
        std::printf(
            "failed %s\n",
            e.userMessage().replace(QLatin1Char('\n'), QLatin1Char('|')).toUtf8().constData());
    }
    std::printf("file %s\n", ReadAll(path) == before ? "kept" : "changed");
    std::printf(
        "memory %d\n",
        static_cast<int>(ini.ReadString(QStringLiteral("S"), QStringLiteral("B"), {}).size()));
    if (!SetFileSizeLimit(RLIM_INFINITY))
        return 3;
    ini.WriteString(QStringLiteral("S"), QStringLiteral("C"), QStringLiteral("3"));
    std::printf("saved\n");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    try {
        if (mode == QLatin1String("grow"))
            return GrowForEver(path);
        if (mode == QLatin1String("limit"))
            return Limit(path);
    } catch (const SaveError& e) {
        std::printf("unexpected %s\n", e.userMessage().toUtf8().constData());
        return 1;
    }
    return 2;
}
