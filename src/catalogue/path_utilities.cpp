#include "catalogue/path_utilities.h"

#include "text/shift_jis.h"

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsNetworkUrl(const std::string& s) {
    for (const char* scheme : {"http://", "ftp://", "gopher://", "telnet://"}) {
        if (StartsWith(s, scheme))
            return true;
    }
    return false;
}

std::string WithTrailingBackslash(const std::string& dir) {
    return EndsWithCharacter(dir, '\\') ? dir : dir + "\\";
}

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace

std::string UrlToLocalPath(const std::string& s) {
    if (IsNetworkUrl(s))
        return s;
    const std::string fileScheme = "file://";
    std::string path = StartsWith(s, fileScheme) ? s.substr(fileScheme.size()) : s;
    path = ReplaceAllWhole(path, "/", "\\");
    path = ReplaceAllWhole(path, "|", ":");
    if (StartsWith(path, "\\"))
        path.erase(0, 1);
    return path;
}

std::string LocalPathToUri(const std::string& s) {
    std::string uri = "/" + s;
    const size_t colon = FindWhole(uri, ":");
    if (colon != std::string::npos) {
        uri = AsciiUpperCase(uri.substr(0, colon)) + uri.substr(colon);
        uri = ReplaceAllWhole(uri, ":", "|");
    }
    return ReplaceAllWhole(uri, "\\", "/");
}

std::string ParentDir(const std::string& s) {
    size_t parentEnd = 0;
    for (size_t i = 0; i < s.size();) {
        const size_t next = NextCharacter(s, i);
        if (next < s.size() && IsSeparator(s[i]))
            parentEnd = next;
        i = next;
    }
    return s.substr(0, parentEnd);
}

size_t FindNthFromEnd(const std::string& s, const std::string& sub, int n) {
    if (n < 1)
        return 0;
    std::vector<size_t> starts;
    for (size_t i = 0; i < s.size(); i = NextCharacter(s, i))
        starts.push_back(i);
    int found = 0;
    for (size_t p = starts.size(); p >= 1; --p) {
        if (s.compare(starts[p - 1], sub.size(), sub) == 0 && ++found == n)
            return p;
    }
    return 0;
}

void ListMatchingFiles(FileSystem& files, const std::string& dir, const std::string& mask,
                       std::vector<std::string>& list) {
    for (const DirectoryEntry& entry : files.ListDirectory(dir + mask)) {
        if (!entry.IsDirectory && !entry.IsHidden && !entry.IsSystem)
            list.push_back(dir + entry.Name);
    }
}

void DeleteMatchingFiles(FileSystem& files, const std::string& dir, const std::string& mask) {
    std::vector<std::string> matching;
    ListMatchingFiles(files, WithTrailingBackslash(dir), mask, matching);
    for (const std::string& path : matching)
        files.RemoveFile(path);
}

void CopyDirectoryFiles(FileSystem& files, const std::string& source, const std::string& target,
                        CopyMode mode) {
    const std::string from = WithTrailingBackslash(source);
    const std::string to = WithTrailingBackslash(target);
    std::vector<std::string> matching;
    ListMatchingFiles(files, from, "*.*", matching);
    for (const std::string& path : matching) {
        const std::string name = path.substr(from.size());
        if (name == "filelist.txt" || !files.CopyOneFile(path, to + name))
            continue;
        if (mode == CopyMode::Move)
            files.RemoveFile(path);
    }
}

std::string WithoutFinalBackslash(const std::string& path) {
    return EndsWithCharacter(path, '\\') ? path.substr(0, path.size() - 1) : path;
}
