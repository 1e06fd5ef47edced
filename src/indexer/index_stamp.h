#pragma once

#include "platform/file_system.h"

#include <cstdint>
#include <optional>
#include <string>

// An update skips a folder in which nothing has changed since its index was
// last built, with the same mknmz command line. A stamp beside the index
// keeps what that build saw: the newest change in the folder before mknmz
// started (so that mail arriving meanwhile counts as newer) and the line.
struct IndexStamp {
    std::uint64_t NewestChange = 0;
    std::string CommandLine;
};

extern const char kIndexStampName[];

// The latest write time of the folder directory itself, its files and its
// subdirectories; none when the directory cannot be listed.
std::optional<std::uint64_t> NewestChangeIn(FileSystem& files, const std::string& folderPath);

std::optional<IndexStamp> ReadIndexStamp(FileSystem& files, const std::string& indexDir);
void WriteIndexStamp(FileSystem& files, const std::string& indexDir, const IndexStamp& stamp);

// True when the index was built by commandLine and nothing in the folder is
// newer than what that build saw.
bool IsIndexCurrent(FileSystem& files, const std::string& indexDir, const std::string& folderPath,
                    const std::string& commandLine);
