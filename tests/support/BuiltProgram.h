#pragma once

#include <QString>
#include <QtGlobal>

// The path of the built program, which carries the version block: from the environment when the
// runner gives it, else from the build.
inline QString BuiltProgram() {
    QString path = qEnvironmentVariable("ZORVIK_BIN");
#ifdef ZORVIK_BIN
    if (path.isEmpty())
        path = QStringLiteral(ZORVIK_BIN);
#endif
    return path;
}
