#pragma once

#include <QByteArray>
#include <QString>

// The whole of a file read at once, told apart by what the program may do with it afterwards: a
// missing file may be created, but a file that exists and could not be read must never be written
// over, or whatever it held would be lost.
struct FileBytes {
    enum class Outcome { Read, Missing, Failed };
    Outcome outcome = Outcome::Missing;
    QByteArray bytes;
    // Why a file that exists could not be read, in Russian, in lower case and without a final
    // period, to follow a colon; empty otherwise.
    QString reason;
};

// Reads a regular file whole. A path that does not exist (or whose folder does not) is Missing; a
// folder, a device or a pipe is Failed without reading from it, since it could be endless or
// block.
FileBytes ReadFileBytes(const QString& path);

// The Russian text of a system error number, for messages that name the system's reason; in lower
// case and without a final period, as the reasons of ReadFileBytes.
QString SystemErrorText(int error);
