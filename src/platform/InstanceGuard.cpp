#include "platform/InstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

const QString InstanceGuard::InstanceGuid =
    QStringLiteral("{8C1F4E2A-7B3D-4F6E-A5C9-2D0B7E91F364}");

InstanceGuard::~InstanceGuard() {
    if (m_fd >= 0)
        ::close(m_fd);
}

QString InstanceGuard::LockPath(const QString& runtimeDir) {
    return QDir(runtimeDir)
        .filePath(QStringLiteral("zorvik-") + InstanceGuid + QStringLiteral(".lock"));
}

QString InstanceGuard::RuntimeDir() {
    // Qt's own rules, not a check of our own: Qt creates a missing $XDG_RUNTIME_DIR when the
    // application starts, so a folder that was missing for the first copy exists for the second,
    // and the two would lock different files.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool InstanceGuard::Acquire() {
    const QByteArray path = QFile::encodeName(LockPath(RuntimeDir()));
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return true;
    int rc;
    do
        rc = ::flock(m_fd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    if (rc == 0)
        return true;
    const bool held = errno == EWOULDBLOCK;
    ::close(m_fd);
    m_fd = -1;
    return !held;
}
