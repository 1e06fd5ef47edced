#pragma once

#include <string>

// A path with a drive letter: "C:\..." or "C:/...".
bool IsWindowsAbsolutePath(const std::string& path);

// The part of an absolute Windows path after "X:\", with every separator
// turned into '/' (Shift-JIS trail bytes untouched): Z:\tmp\acc\ gives
// tmp/acc/.
std::string PathBelowDrive(const std::string& windowsPath);
