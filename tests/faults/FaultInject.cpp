// Loaded with LD_PRELOAD into the fault table's driver: while armed, it counts the calls a save or
// a load makes through the C library and makes the chosen one fail with the chosen errno without
// doing it (a close is done all the same, as the kernel always closes the descriptor).
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

constexpr long kTrace = 4096;
bool armed = false;
long calls = 0;
long failAt = 0;
int failErrno = 0;
char trace[kTrace][12];

bool hit(const char* name) {
    if (!armed)
        return false;
    ++calls;
    if (calls < kTrace)
        std::snprintf(trace[calls], sizeof trace[calls], "%s", name);
    if (calls != failAt)
        return false;
    errno = failErrno;
    return true;
}

template <typename F> F* real(F*, const char* name) {
    return reinterpret_cast<F*>(dlsym(RTLD_NEXT, name));
}
#define REAL(fn) real(&::fn, #fn)

mode_t modeOf(int flags, va_list ap) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(ap, mode_t) : 0;
}

} // namespace

extern "C" {

void zorvik_fault_arm(long fail_at, int error) {
    armed = true;
    calls = 0;
    failAt = fail_at;
    failErrno = error;
}

long zorvik_fault_disarm() {
    armed = false;
    return calls;
}

const char* zorvik_fault_call(long n) {
    return n >= 1 && n < kTrace ? trace[n] : "?";
}

// A call that fails when its turn comes, or else does what the C library does.
#define FAULT(ret, name, params, args, ...)                                                        \
    ret name params __VA_ARGS__ {                                                                  \
        return hit(#name) ? -1 : REAL(name) args;                                                  \
    }
// The same for the open family, whose mode argument comes only with some flags.
#define FAULT_OPEN(name, label, params, args)                                                      \
    int name params {                                                                              \
        va_list ap;                                                                                \
        va_start(ap, flags);                                                                       \
        const mode_t mode = modeOf(flags, ap);                                                     \
        va_end(ap);                                                                                \
        return hit(label) ? -1 : REAL(name) args;                                                  \
    }

FAULT_OPEN(open, "open", (const char* p, int flags, ...), (p, flags, mode))
FAULT_OPEN(open64, "open", (const char* p, int flags, ...), (p, flags, mode))
FAULT_OPEN(openat, "openat", (int d, const char* p, int flags, ...), (d, p, flags, mode))
FAULT(ssize_t, read, (int fd, void* b, size_t n), (fd, b, n))
FAULT(ssize_t, write, (int fd, const void* b, size_t n), (fd, b, n))
FAULT(ssize_t, writev, (int fd, const iovec* v, int n), (fd, v, n))
FAULT(ssize_t, pwrite, (int fd, const void* b, size_t n, off_t o), (fd, b, n, o))
FAULT(int, fsync, (int fd), (fd))
FAULT(int, fdatasync, (int fd), (fd))
FAULT(int, rename, (const char* a, const char* b), (a, b), noexcept)
FAULT(int, renameat, (int da, const char* a, int db, const char* b), (da, a, db, b), noexcept)
FAULT(int, renameat2, (int da, const char* a, int db, const char* b, unsigned f), (da, a, db, b, f),
      noexcept)
FAULT(int, linkat, (int da, const char* a, int db, const char* b, int f), (da, a, db, b, f))
int close(int fd) {
    const bool failed = hit("close");
    const int rc = REAL(close)(fd);
    if (failed)
        errno = failErrno;
    return failed ? -1 : rc;
}

} // extern "C"
