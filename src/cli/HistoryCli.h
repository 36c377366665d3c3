#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

// Where the program stands and whose history it reads when no --file is given.
struct CliEnvironment {
    QString programDir;  // the folder of the zorvik-history executable
    QString xdgDataHome; // $XDG_DATA_HOME, possibly empty or relative
    QString home;        // $HOME
};

// Exit codes of zorvik-history.
namespace CliExit {
constexpr int Ok = 0;
constexpr int Usage = 1;
constexpr int NoHistory = 2;
constexpr int WriteFailed = 3;
} // namespace CliExit

// The result.ini that Zorvik itself uses: beside this program, or, when this program is the one of
// the Debian layout (bin/ beside lib/zorvik/zorvik), in the user's program folder that the launcher
// prepares, ${XDG_DATA_HOME:-$HOME/.local/share}/zorvik/.
QString DefaultHistoryPath(const CliEnvironment& env);

// Runs zorvik-history with its arguments (the program name left out): the output goes to out,
// warnings and errors to err. Reads the history file and never writes it. Returns the exit code.
int RunHistoryCli(const QStringList& args, const CliEnvironment& env, QIODevice& out,
                  QIODevice& err);

// The --help text.
QString CliHelpText();
