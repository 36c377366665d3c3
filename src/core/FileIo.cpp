#include "core/FileIo.h"

#include "core/Messages.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// fsync with interruptions retried; false with errno set.
bool syncFd(int fd) {
    int rc;
    do
        rc = ::fsync(fd);
    while (rc != 0 && errno == EINTR);
    return rc == 0;
}

// The file a save writes before it is renamed over the old one.
struct TempFile {
    int fd = -1;
    bool unnamed = false;
    QByteArray folder;
    QByteArray base; // ".<file name>."
    QByteArray name; // empty until it has one; removed by the destructor while it is set

    ~TempFile() {
        if (fd >= 0)
            ::close(fd);
        if (!name.isEmpty())
            ::unlink(name.constData());
    }

    // A fresh name beside the file: a hidden dot name with a random suffix.
    QByteArray freshName() const {
        return folder + '/' + base + QByteArray::number(QRandomGenerator::global()->generate(), 36);
    }

    // False with errno set. An old file's mode is kept exactly; a new file's follows the umask.
    bool Open(const QByteArray& dir, const QString& fileName, std::optional<mode_t> oldMode) {
        const mode_t mode = oldMode.value_or(0666);
        const auto keepMode = [&] { return !oldMode || ::fchmod(fd, *oldMode) == 0; };
        folder = dir;
        base = '.' + QFile::encodeName(fileName) + '.';
        do
            fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        while (fd < 0 && errno == EINTR);
        if (fd >= 0) {
            unnamed = true;
            return keepMode();
        }
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return false;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray candidate = freshName();
            do
                fd = ::open(candidate.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
            while (fd < 0 && errno == EINTR);
            if (fd >= 0) {
                name = candidate;
                return keepMode();
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    // Gives an unnamed file its name; false with errno set.
    bool Name() {
        if (!unnamed)
            return true;
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray candidate = freshName();
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, candidate.constData(),
                         AT_SYMLINK_FOLLOW) == 0) {
                name = candidate;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    // False with errno set; an interrupted close has closed the file all the same.
    bool Close() {
        const int rc = ::close(fd);
        fd = -1;
        return rc == 0 || errno == EINTR;
    }
};

} // namespace

FileBytes ReadFileBytes(const QString& path, qint64 maxBytes) {
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
    const FileBytes tooLarge{FileBytes::Outcome::TooLarge, {}, SystemErrorText(EFBIG)};
    if (st.st_size > maxBytes)
        return tooLarge;

    // Read into a buffer of the file's size plus one byte, so that the end is seen without a
    // second allocation; a file that grows meanwhile is read on to its new end.
    QByteArray bytes;
    qsizetype used = 0;
    bytes.resize(static_cast<qsizetype>(st.st_size) + 1);
    for (;;) {
        if (used == bytes.size()) {
            if (used > maxBytes)
                return tooLarge;
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
    if (used > maxBytes)
        return tooLarge;
    bytes.truncate(used);
    return {FileBytes::Outcome::Read, std::move(bytes), {}};
}

bool SyncFolderOf(const QString& filePath, QString* reason) {
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    int fd;
    do
        fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (!syncFd(fd))
            error = errno;
        if (::close(fd) != 0 && errno != EINTR && error == 0)
            error = errno;
    }
    if (error != 0 && reason)
        *reason = SystemErrorText(error);
    return error == 0;
}

bool WriteFileDurably(const QString& path, std::vector<iovec>& parts, QString* reason,
                      bool* replaced) {
    if (replaced)
        *replaced = false;
    // A link stays a link: the file it points to gets the new content, as an editor would do.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    const QByteArray name = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const auto fail = [reason](int error) {
        *reason = SystemErrorText(error);
        return false;
    };

    // The new file takes the old one's permissions; a file the user made read-only stays as it is.
    std::optional<mode_t> mode;
    struct stat old {};
    if (::stat(name.constData(), &old) == 0) {
        if (::access(name.constData(), W_OK) != 0)
            return fail(errno);
        mode = old.st_mode & 07777;
    }

    // The content is written to a file without a name, which gets one only when it is whole and on
    // the disk: a crash at any moment leaves the old file and, at worst, a whole new one beside it,
    // never half a file under any name. A file system without unnamed files gets a hidden named
    // one, removed again on any failure.
    TempFile temp;
    if (!temp.Open(folder, QFileInfo(target).fileName(), mode))
        return fail(errno);
    if (!writeGathered(temp.fd, parts) || !syncFd(temp.fd) || !temp.Name() || !temp.Close())
        return fail(errno);
    if (::rename(temp.name.constData(), name.constData()) != 0)
        return fail(errno);
    temp.name.clear(); // it is the file now
    if (replaced)
        *replaced = true;
    // After the rename the new content stands; a folder that cannot be synced is still reported,
    // since a power cut could then bring the old file back.
    QString why;
    if (SyncFolderOf(target, &why))
        return true;
    *reason = Messages::WrittenNotConfirmed.arg(why);
    return false;
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
