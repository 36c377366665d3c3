#pragma once

#include <QString>

// Keeps a second copy of the program from running: an exclusive lock on a lock file named by a
// fixed GUID in the user's runtime folder, held for the life of the process. The kernel drops the
// lock when the process dies, so a crash never blocks the next start.
class InstanceGuard {
public:
    static const QString InstanceGuid;

    InstanceGuard() = default;
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // True when this process now holds the lock; false when another copy holds it. When no folder
    // can hold the lock file at all the program runs unguarded rather than not at all.
    bool Acquire();

    // The lock file's path for a runtime folder (exposed for tests).
    static QString LockPath(const QString& runtimeDir);
    // The folder used: the runtime folder as Qt finds or creates it ($XDG_RUNTIME_DIR), else the
    // temporary folder.
    static QString RuntimeDir();

private:
    int m_fd = -1;
};
