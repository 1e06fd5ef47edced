#include "indexer/index_stamp.h"

#include "catalogue/path_utilities.h"
#include "text/shift_jis.h"

#include <algorithm>

const char kIndexStampName[] = "tarnwick.stamp";

std::optional<std::uint64_t> NewestChangeIn(FileSystem& files, const std::string& folderPath) {
    const std::vector<DirectoryEntry> self = files.ListDirectory(WithoutFinalBackslash(folderPath));
    if (self.size() != 1)
        return std::nullopt;
    std::uint64_t newest = self[0].LastWriteTime;
    for (const DirectoryEntry& entry : files.ListDirectory(folderPath + "*")) {
        if (entry.Name != "." && entry.Name != "..")
            newest = std::max(newest, entry.LastWriteTime);
    }
    return newest;
}

// Two lines: the time in decimal, then the command line.
std::optional<IndexStamp> ReadIndexStamp(FileSystem& files, const std::string& indexDir) {
    const std::optional<std::string> text = files.ReadFile(indexDir + kIndexStampName);
    if (!text)
        return std::nullopt;
    const size_t lineEnd = text->find("\r\n");
    if (lineEnd == 0 || lineEnd == std::string::npos || lineEnd > 19 ||
        text->find_first_not_of("0123456789") < lineEnd)
        return std::nullopt;
    IndexStamp stamp;
    stamp.NewestChange = std::stoull(text->substr(0, lineEnd));
    const size_t lineStart = lineEnd + 2;
    stamp.CommandLine = text->substr(lineStart, text->find("\r\n", lineStart) - lineStart);
    return stamp;
}

void WriteIndexStamp(FileSystem& files, const std::string& indexDir, const IndexStamp& stamp) {
    files.ReplaceContent(indexDir + kIndexStampName,
                         std::to_string(stamp.NewestChange) + "\r\n" + stamp.CommandLine + "\r\n");
}

bool IsIndexCurrent(FileSystem& files, const std::string& indexDir, const std::string& folderPath,
                    const std::string& commandLine) {
    if (!files.FileExists(indexDir + "NMZ.i"))
        return false;
    const std::optional<IndexStamp> stamp = ReadIndexStamp(files, indexDir);
    const std::optional<std::uint64_t> newest = NewestChangeIn(files, folderPath);
    return stamp && newest && stamp->CommandLine == commandLine && *newest <= stamp->NewestChange;
}
