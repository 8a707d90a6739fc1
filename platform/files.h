#pragma once
// Files: the program's directory and a path resolver that matches each path
// component case-insensitively (asset names mix cases; the file system here
// does not forgive that).
#include <cstdint>
#include <string>
#include <vector>

namespace plat {
// Directory of the running program, with a trailing '/'.
std::string ProgramDirectory();
// Test hook: pretend the program lives in this directory ("" = the real one).
void SetProgramDirectoryForTests(const std::string& dir);
// Accepts '\\' or '/' as separators. Returns the existing path whose
// components match case-insensitively, or "" when there is none.
std::string ResolvePath(const std::string& path);
// Reads a whole file through ResolvePath. Refuses files over maxBytes.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes = 256u << 20);

// File search for the folder loaders: the regular files of a directory
// (resolved like any path) whose names match a pattern with '*' and '?',
// case-insensitively, sorted by name. "dir/*.BMP" style: the last component
// is the pattern.
std::vector<std::string> FindFiles(const std::string& pathWithPattern);
// The pattern match itself ('*' any run, '?' one character, case-insensitive).
bool WildcardMatch(const char* pattern, const char* name);
} // namespace plat
