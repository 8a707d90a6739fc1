#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <new>

namespace plat {

struct InstanceLock {
    int fd = -1;
};

namespace {
std::string lockDirOverride;

bool IsDirectory(const char* p) {
    struct stat st;
    return p && *p && ::stat(p, &st) == 0 && S_ISDIR(st.st_mode);
}

std::string LockDirectory() {
    if (!lockDirOverride.empty()) return lockDirOverride;
    const char* run = std::getenv("XDG_RUNTIME_DIR");
    if (IsDirectory(run)) return run;
    return "/tmp";
}
} // namespace

std::string InstanceLockPath(const std::string& name) {
    std::string file;
    for (char c : name)
        file += (c == '/' || c == 0) ? '_' : c;
    std::string dir = LockDirectory();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir + file + ".lock";
}

InstanceLock* CreateInstanceLock(const std::string& name, bool* alreadyHeld) {
    if (alreadyHeld) *alreadyHeld = false;
    InstanceLock* lock = new (std::nothrow) InstanceLock;
    if (!lock) return nullptr;
    const std::string path = InstanceLockPath(name);
    lock->fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (lock->fd < 0) return lock; // no guard possible; run anyway
    if (::flock(lock->fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        if (held) {
            ::close(lock->fd);
            delete lock;
            if (alreadyHeld) *alreadyHeld = true;
            return nullptr;
        }
    }
    return lock;
}

void ReleaseInstanceLock(InstanceLock* lock) {
    if (!lock) return;
    if (lock->fd >= 0) {
        ::flock(lock->fd, LOCK_UN);
        ::close(lock->fd);
    }
    delete lock;
}

void SetInstanceLockDirectoryForTests(const std::string& dir) { lockDirOverride = dir; }
} // namespace plat
