// The program's entry point; the command line is ignored.
#include "game/shell/main_loop.h"

int main() { return WinMain(nullptr, nullptr, "", 10); }
