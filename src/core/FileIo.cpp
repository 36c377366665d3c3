#include "core/FileIo.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// No store of the program comes near this (a history of 100 000 exams is about 50 MB); a file
// beyond it is taken for something else and never held in memory.
constexpr qint64 kMaxBytes = qint64{1} << 30;

int openForReading(const QByteArray& name) {
    int fd;
    // Non-blocking, so that a pipe without a writer cannot hold the program at start.
    do
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    return fd;
}

FileBytes failed(QString reason) {
    return {FileBytes::Outcome::Failed, {}, std::move(reason)};
}

// Writes every part to fd, going on after short writes and interruptions; false with errno set on
// failure.
bool writeGathered(int fd, std::vector<iovec>& parts) {
    size_t next = 0;
    while (next < parts.size()) {
        if (parts[next].iov_len == 0) {
            ++next;
            continue;
        }
        const int count = static_cast<int>(std::min<size_t>(parts.size() - next, IOV_MAX));
        const ssize_t written = ::writev(fd, parts.data() + next, count);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) { // no progress on a file with bytes left: never loop on it
            errno = EIO;
            return false;
        }
        auto left = static_cast<size_t>(written);
        while (next < parts.size() && left >= parts[next].iov_len)
            left -= parts[next++].iov_len;
        if (next < parts.size() && left > 0) {
            parts[next].iov_base = static_cast<char*>(parts[next].iov_base) + left;
            parts[next].iov_len -= left;
        }
    }
    return true;
}

} // namespace

FileBytes ReadFileBytes(const QString& path) {
    const int fd = openForReading(QFile::encodeName(path));
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return failed(SystemErrorText(errno));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return failed(SystemErrorText(errno));
    if (S_ISDIR(st.st_mode))
        return failed(QStringLiteral("это папка"));
    if (!S_ISREG(st.st_mode))
        return failed(QStringLiteral("это не обычный файл"));
    if (st.st_size > kMaxBytes)
        return failed(SystemErrorText(EFBIG));

    // Read into a buffer of the file's size plus one byte, so that the end is seen without a
    // second allocation; a file that grows meanwhile is read on to its new end.
    QByteArray bytes;
    qsizetype used = 0;
    bytes.resize(static_cast<qsizetype>(st.st_size) + 1);
    for (;;) {
        if (used == bytes.size()) {
            if (used > kMaxBytes)
                return failed(SystemErrorText(EFBIG));
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t n = ::read(fd, bytes.data() + used, static_cast<size_t>(bytes.size() - used));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failed(SystemErrorText(errno));
        }
        if (n == 0)
            break;
        used += n;
    }
    bytes.truncate(used);
    return {FileBytes::Outcome::Read, std::move(bytes), {}};
}

bool SyncFolderOf(const QString& filePath, QString* reason) {
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    int fd;
    do
        fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (!ok && reason)
        *reason = qt_error_string(errno);
    if (fd >= 0)
        ::close(fd);
    return ok;
}

bool WriteFileDurably(const QString& path, std::vector<iovec>& parts, QString* reason) {
    // Written beside the old file and renamed over it after a flush, so a crash or a full disk
    // never leaves half a file behind.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        *reason = f.errorString();
        return false;
    }
    if (!writeGathered(f.handle(), parts)) {
        *reason = qt_error_string(errno);
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        *reason = f.errorString();
        return false;
    }
    return SyncFolderOf(path, reason);
}

QString SystemErrorText(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("отказано в доступе");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода");
    case ENOSPC:
        return QStringLiteral("на диске не осталось места");
    case EDQUOT:
        return QStringLiteral("превышена дисковая квота");
    case EROFS:
        return QStringLiteral("файловая система доступна только для чтения");
    case ENOENT:
        return QStringLiteral("нет такого файла или папки");
    case ENOTDIR:
        return QStringLiteral("часть пути не является папкой");
    case EISDIR:
        return QStringLiteral("это папка");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя файла");
    case ELOOP:
        return QStringLiteral("слишком много символических ссылок в пути");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("открыто слишком много файлов");
    case ENOMEM:
        return QStringLiteral("недостаточно памяти");
    case EFBIG:
        return QStringLiteral("файл слишком велик");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("файл занят");
    case EINTR:
        return QStringLiteral("операция прервана");
    case EXDEV:
        return QStringLiteral("файлы на разных файловых системах");
    default:
        return QStringLiteral("системная ошибка %1 (%2)")
            .arg(error)
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}
