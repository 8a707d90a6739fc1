#include "platform/files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>

namespace plat {

bool WildcardMatch(const char* p, const char* n) {
    // Iterative match with one backtrack point: linear in practice, never recursive.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*n) {
        if (*p == '?' ||
            (*p && *p != '*' && std::tolower((unsigned char)*p) == std::tolower((unsigned char)*n))) {
            ++p;
            ++n;
        } else if (*p == '*') {
            star = p++;
            resume = n;
        } else if (star) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (*p == '*')
        ++p;
    return *p == 0;
}

std::vector<std::string> FindFiles(const std::string& pathWithPattern) {
    std::vector<std::string> out;
    std::string p = pathWithPattern;
    for (char& c : p)
        if (c == '\\') c = '/';
    const size_t slash = p.find_last_of('/');
    const std::string dirPart = slash == std::string::npos ? "." : (slash == 0 ? "/" : p.substr(0, slash));
    const std::string pattern = slash == std::string::npos ? p : p.substr(slash + 1);
    if (pattern.empty()) return out;
    const std::string dir = ResolvePath(dirPart);
    if (dir.empty()) return out;
    DIR* d = ::opendir(dir.c_str());
    if (!d) return out;
    while (dirent* e = ::readdir(d)) {
        if (!WildcardMatch(pattern.c_str(), e->d_name)) continue;
        std::string full = dir + (dir.back() == '/' ? "" : "/") + e->d_name;
        struct stat st;
        if (::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) out.push_back(e->d_name);
    }
    ::closedir(d);
    std::sort(out.begin(), out.end());
    return out;
}
} // namespace plat
