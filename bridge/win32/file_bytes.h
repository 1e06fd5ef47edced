#pragma once

#include <string>

// Whole-file access by Windows path (code page 932). Failures throw
// std::runtime_error naming the file.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
