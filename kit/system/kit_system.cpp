#include "kit/system/kit_system.h"

#include "platform/files.h"

#include <cstdio>
#include <string>

int32_t fatalFlag = 0;

namespace kitSystem {
int Error(const char* name, const char* message, int32_t /*result*/) {
    std::string text = std::string(name ? name : "") + " : " + (message ? message : "");
    std::fprintf(stderr, "エラー発生: %s\n", text.c_str());
    fatalFlag = 1;
    return 0;
}
int IsFatal() { return fatalFlag; }
const char* ProgramDir(int) {
    static std::string dir;
    dir = plat::ProgramDirectory();
    return dir.c_str();
}
} // namespace kitSystem
