#pragma once

#include <QString>

// The program that a registered "http" command line names: a leading double quote dropped, the
// command lower-cased (ASCII letters only) and cut just after its first ".exe". Empty when the
// command names no ".exe" program.
QString BrowserProgramFromCommand(const QString& registeredCommand);
