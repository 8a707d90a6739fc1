#include "platform/files.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace plat {
namespace {
std::string programDirOverride;

bool Exists(const std::string& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0;
}
} // namespace

std::string ProgramDirectory() {
    if (!programDirOverride.empty()) return programDirOverride;
    static std::string cached;
    if (cached.empty()) {
        char buf[4096];
        ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
        if (n > 0) {
            buf[n] = 0;
            std::string p(buf);
            cached = p.substr(0, p.find_last_of('/') + 1);
        } else {
            cached = "./";
        }
    }
    return cached;
}

void SetProgramDirectoryForTests(const std::string& dir) {
    programDirOverride = dir;
    if (!programDirOverride.empty() && programDirOverride.back() != '/') programDirOverride += '/';
}

std::string ResolvePath(const std::string& path) {
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    if (p.empty()) return "";
    if (Exists(p)) return p;
    std::string out = p[0] == '/' ? "/" : "";
    size_t i = p[0] == '/' ? 1 : 0;
    while (i <= p.size()) {
        size_t j = p.find('/', i);
        if (j == std::string::npos) j = p.size();
        std::string comp = p.substr(i, j - i);
        i = j + 1;
        if (comp.empty() || comp == ".") continue;
        std::string candidate = out + comp;
        if (!Exists(candidate)) {
            DIR* d = ::opendir(out.empty() ? "." : out.c_str());
            if (!d) return "";
            std::string found;
            while (dirent* e = ::readdir(d)) {
                if (::strcasecmp(e->d_name, comp.c_str()) == 0) {
                    found = e->d_name;
                    break;
                }
            }
            ::closedir(d);
            if (found.empty()) return "";
            candidate = out + found;
        }
        out = candidate;
        if (j < p.size()) out += '/';
    }
    return out;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes) {
    out.clear();
    std::string real = ResolvePath(path);
    if (real.empty()) return false;
    struct stat st;
    if (::stat(real.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (size_t(st.st_size) > maxBytes) return false;
    FILE* f = std::fopen(real.c_str(), "rb");
    if (!f) return false;
    out.resize(size_t(st.st_size));
    size_t got = out.empty() ? 0 : std::fread(out.data(), 1, out.size(), f);
    std::fclose(f);
    if (got != out.size()) {
        out.clear();
        return false;
    }
    return true;
}
} // namespace plat
