#include "core/BrowserCommand.h"

QString BrowserProgramFromCommand(const QString& registeredCommand) {
    QString command = registeredCommand;
    if (command.startsWith(QLatin1Char('"')))
        command.remove(0, 1);
    // Only ASCII letters fold: a path with other letters keeps them as they are.
    for (QChar& c : command)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    const qsizetype exe = command.indexOf(QLatin1String(".exe"));
    if (exe < 0)
        return QString();
    return command.left(exe + 4);
}
