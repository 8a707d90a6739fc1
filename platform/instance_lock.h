#pragma once
// The single-instance guard: a named lock held for the life of the program.
// It is a lock file in the user's runtime directory ($XDG_RUNTIME_DIR, else
// /tmp), held with an advisory lock, so a crashed copy never leaves it taken.
#include <string>

namespace plat {
struct InstanceLock;

// Takes the lock of that name. Returns the lock, or null with *alreadyHeld set
// when another holder has it. When no lock file can be made at all, the guard
// cannot work and the caller is treated as the only copy (a lock is returned).
InstanceLock* CreateInstanceLock(const std::string& name, bool* alreadyHeld);
void ReleaseInstanceLock(InstanceLock* lock);
// Path of the lock file for a name.
std::string InstanceLockPath(const std::string& name);

// Test hook: keep lock files in this directory ("" = the usual one), so tests
// running side by side do not see each other.
void SetInstanceLockDirectoryForTests(const std::string& dir);
} // namespace plat
