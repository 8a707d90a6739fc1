#pragma once
// kitSystem: the library's system services. The error report is what every
// other library part leans on.
#include <cstdint>

namespace kitSystem {
// Shows the error box ("エラー発生", text = name + " : " + message), sets the
// fatal flag and returns 0. The result argument is not used.
int Error(const char* name, const char* message, int32_t result = 0);
int IsFatal();
// The program's directory with a trailing separator.
const char* ProgramDir(int alternative = 0);
} // namespace kitSystem

extern int32_t fatalFlag;
