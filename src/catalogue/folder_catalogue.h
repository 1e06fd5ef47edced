#pragma once

#include "platform/file_system.h"
#include "platform/handles.h"
#include "platform/host_api.h"
#include "settings/alias_info.h"
#include "settings/settings_record.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t kMailFolder = 1;
constexpr int32_t kContainerFolder = 2; // holds other folders; never indexed

// One folder as the host shows it.
struct TFolderInfo {
    int32_t Kind = kMailFolder;
    std::string Title;
    std::string Path;     // lower case, ending in '\'
    std::string IndexDir; // ending in '\'
    int32_t Level = 0;    // 0 directly in the account directory
};

// The host's folders in display order, read from the host's own files in
// the account directory; containers are followed at once by their contents.
// Other code refers to a folder by its 0-based position.
class FolderCatalogue {
public:
    // settings supplies [Mknmz] IndexDir at each load.
    FolderCatalogue(FileSystem& files, HostApi& host, const TSettings& settings);

    // Remembers window and rebuilds the catalogue from its account directory.
    void LoadFolderCatalogue(WindowHandle window);

    int Count() const { return static_cast<int>(folders_.size()); }
    const TFolderInfo& At(int position) const { return folders_[static_cast<size_t>(position)]; }

    // The first position whose IndexDir equals dir ignoring ASCII case, or -1.
    int FindFolderByIndexDir(const std::string& dir) const;
    // path without as many leading characters as the remembered window's
    // account directory has, asked of the host anew.
    std::string AccountRelativePath(const std::string& path) const;

private:
    struct Scan;

    void ScanDirectory(const Scan& scan, const std::string& dir, int32_t level);
    std::vector<TFolderInfo> Candidates(const Scan& scan, const std::string& dir, int32_t level);
    void AppendInOrder(const Scan& scan, const std::vector<TFolderInfo>& candidates,
                       const std::string& dir, const std::string& order);
    void Append(const Scan& scan, const TFolderInfo& folder);

    FileSystem& files_;
    HostApi& host_;
    const TSettings& settings_;
    WindowHandle window_ = nullptr;
    std::vector<TFolderInfo> folders_;
};

// The folder directory names an Order value lists, in its order: a
// three-digit number n names "user" + n + ".box" (a shorter run of digits
// does too, at the very end), "I" the inbox and "O" the outbox; anything
// else names nothing.
std::vector<std::string> FolderNamesInOrder(const std::string& order);

// The directory below which the "Namazu" index directories lie: [Mknmz]
// IndexDir when set, else the account directory.
std::string IndexBase(const TSettings& settings, const std::string& accountDirectory);

// The first alias whose Name equals name exactly, or -1.
int FindAliasByName(const std::vector<TAliasInfo>& aliases, const std::string& name);
