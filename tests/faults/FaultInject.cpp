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

int open(const char* p, int flags, ...) {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = modeOf(flags, ap);
    va_end(ap);
    return hit("open") ? -1 : REAL(open)(p, flags, mode);
}
int open64(const char* p, int flags, ...) {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = modeOf(flags, ap);
    va_end(ap);
    return hit("open") ? -1 : REAL(open64)(p, flags, mode);
}
int openat(int d, const char* p, int flags, ...) {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = modeOf(flags, ap);
    va_end(ap);
    return hit("openat") ? -1 : REAL(openat)(d, p, flags, mode);
}
ssize_t read(int fd, void* b, size_t n) {
    return hit("read") ? -1 : REAL(read)(fd, b, n);
}
ssize_t write(int fd, const void* b, size_t n) {
    return hit("write") ? -1 : REAL(write)(fd, b, n);
}
ssize_t writev(int fd, const iovec* v, int n) {
    return hit("writev") ? -1 : REAL(writev)(fd, v, n);
}
ssize_t pwrite(int fd, const void* b, size_t n, off_t o) {
    return hit("pwrite") ? -1 : REAL(pwrite)(fd, b, n, o);
}
int fsync(int fd) {
    return hit("fsync") ? -1 : REAL(fsync)(fd);
}
int fdatasync(int fd) {
    return hit("fdatasync") ? -1 : REAL(fdatasync)(fd);
}
int rename(const char* a, const char* b) noexcept {
    return hit("rename") ? -1 : REAL(rename)(a, b);
}
int renameat(int da, const char* a, int db, const char* b) noexcept {
    return hit("renameat") ? -1 : REAL(renameat)(da, a, db, b);
}
int renameat2(int da, const char* a, int db, const char* b, unsigned flags) noexcept {
    return hit("renameat2") ? -1 : REAL(renameat2)(da, a, db, b, flags);
}
int linkat(int da, const char* a, int db, const char* b, int flags) {
    return hit("linkat") ? -1 : REAL(linkat)(da, a, db, b, flags);
}
int close(int fd) {
    const bool failed = hit("close");
    const int rc = REAL(close)(fd);
    if (failed)
        errno = failErrno;
    return failed ? -1 : rc;
}

} // extern "C"
