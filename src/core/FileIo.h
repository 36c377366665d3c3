#pragma once

#include <QByteArray>
#include <QString>
#include <sys/uio.h>
#include <vector>

// The whole of a file read at once, told apart by what the program may do with it afterwards: a
// missing file may be created, but a file that exists and could not be read must never be written
// over, or whatever it held would be lost.
struct FileBytes {
    enum class Outcome { Read, Missing, Failed, TooLarge };
    Outcome outcome = Outcome::Missing;
    QByteArray bytes;
    // Why a file that exists could not be read, in Russian, in lower case and without a final
    // period, to follow a colon; empty otherwise.
    QString reason;
};

// No store of the program comes near this (a history of 100 000 exams is about 50 MB); a file
// beyond it is taken for something else and never held in memory.
inline constexpr qint64 kMaxFileBytes = qint64{1} << 30;

// Reads a regular file whole. A path that does not exist (or whose folder does not) is Missing; a
// folder, a device or a pipe is Failed without reading from it, since it could be endless or
// block; a file over maxBytes is TooLarge (with the reason of Failed), read no further than that.
FileBytes ReadFileBytes(const QString& path, qint64 maxBytes = kMaxFileBytes);

// The Russian text of a system error number, for messages that name the system's reason; in lower
// case and without a final period, as the reasons of ReadFileBytes.
QString SystemErrorText(int error);

// Makes the rename that put a saved file in place survive a power cut: the file's own bytes are
// synced before the rename, but the new name lives in the folder, which needs a sync of its own.
// False, with the reason, when the folder cannot be synced.
bool SyncFolderOf(const QString& filePath, QString* reason);

// Writes the parts, in order, as the whole new content of the file: into a temporary file in the
// same folder, flushed to disk and renamed over the old file, then the folder synced, so that a
// crash, a full disk or a power cut leaves the old file or the new one, never a mix. False, with
// the reason, when the new content is not (or not durably) in place; *replaced then tells that the
// file holds the new content all the same (only the folder's sync failed). The parts are consumed.
bool WriteFileDurably(const QString& path, std::vector<iovec>& parts, QString* reason,
                      bool* replaced = nullptr);
