#pragma once

#include <string>

// The Linux path (UTF-8) of an absolute Windows path (code page 932), as
// Wine resolves it: the real letter case of existing directories, any
// drive. A path whose parent directories do not exist yet is mapped by
// its drive's root alone. Throws std::runtime_error outside Wine.
std::string LinuxPathOf(const std::string& windowsPath);

// The bridge's current directory, as a Windows path (code page 932).
std::string CurrentDirectory();
