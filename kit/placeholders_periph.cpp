// Stand-ins for what the skeleton provides (dialog mode, desktop depth, file
// search), and the full-colour BMP read the pack writer uses.
#include "kit/placeholders_periph.h"

#include "platform/bmp.h"
#include "platform/files.h"

#include <dirent.h>
#include <strings.h>

#include <algorithm>

int32_t dialogMode = 0;

namespace kitSystem {
int32_t GetColorDepth() { return 32; }
} // namespace kitSystem

namespace plat {

bool ReadBmpRgb(const std::string& path, int32_t& width, int32_t& height, std::vector<uint32_t>& rgb) {
    std::vector<uint8_t> file;
    if (!ReadWholeFile(path, file)) return false;
    BmpImage img;
    if (!DecodeBmp(file.data(), file.size(), img)) return false;
    width = img.width;
    height = img.height;
    rgb.resize(size_t(img.width) * size_t(img.height));
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = uint32_t(img.rgb[3 * i]) << 16 | uint32_t(img.rgb[3 * i + 1]) << 8 | img.rgb[3 * i + 2];
    return true;
}

std::vector<std::string> FindFiles(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> out;
    std::string dir = ResolvePath(folder.empty() ? "." : folder);
    if (dir.empty()) return out;
    DIR* d = ::opendir(dir.c_str());
    if (!d) return out;
    while (dirent* e = ::readdir(d)) {
        const std::string n = e->d_name;
        if (n.size() >= suffix.size() &&
            ::strcasecmp(n.c_str() + n.size() - suffix.size(), suffix.c_str()) == 0)
            out.push_back(n);
    }
    ::closedir(d);
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace plat
