#include "catalogue/folder_catalogue.h"

#include "settings/profile_file.h"
#include "text/shift_jis.h"

#include <cstdio>
#include <unordered_map>

namespace {

const size_t kNumberTokenLength = 3;

bool IsAsciiDigits(const std::string& text) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

std::string UserFolderName(const std::string& digits) {
    char name[16];
    std::snprintf(name, sizeof name, "user%03d.box", std::stoi(digits));
    return name;
}

// The Namazu index's place below the base: the path from the account
// directory's final '\' on, with ".box" dropped and "user" shortened to "b".
std::string IndexSubPath(const std::string& path, const std::string& accountDir) {
    const size_t accountLength = CharacterCount(accountDir);
    const size_t start = ByteOffsetOfCharacter(path, accountLength == 0 ? 0 : accountLength - 1);
    const std::string withoutBox = ReplaceAllWhole(path.substr(start), ".box", "");
    return ReplaceAllWhole(withoutBox, "user", "b");
}

} // namespace

// What one load needs at every level.
struct FolderCatalogue::Scan {
    std::string accountDir;
    std::string indexBase;
};

FolderCatalogue::FolderCatalogue(FileSystem& files, HostApi& host, const TSettings& settings)
    : files_(files), host_(host), settings_(settings) {}

void FolderCatalogue::LoadFolderCatalogue(WindowHandle window) {
    window_ = window;
    folders_.clear();
    Scan scan;
    scan.accountDir = host_.GetAccount(window);
    scan.indexBase = IndexBase(settings_, scan.accountDir);
    ScanDirectory(scan, scan.accountDir, 0);
}

void FolderCatalogue::ScanDirectory(const Scan& scan, const std::string& dir, int32_t level) {
    const std::string orderFile = dir + (level == 0 ? "account.ini" : "entry.ini");
    if (!files_.FileExists(orderFile))
        return;
    const std::string order = ProfileFile(files_, orderFile).Read("Property", "Order", "");
    const std::vector<TFolderInfo> candidates = Candidates(scan, dir, level);
    if (!order.empty()) {
        AppendInOrder(scan, candidates, dir, order);
        return;
    }
    for (const TFolderInfo& candidate : candidates)
        Append(scan, candidate);
}

std::vector<TFolderInfo> FolderCatalogue::Candidates(const Scan& scan, const std::string& dir,
                                                     int32_t level) {
    std::vector<TFolderInfo> candidates;
    for (const DirectoryEntry& entry : files_.ListDirectory(dir + "*.box")) {
        if (entry.IsHidden || entry.IsSystem)
            continue;
        TFolderInfo folder;
        const std::string upperName = AsciiUpperCase(entry.Name);
        if (upperName == "INBOX.BOX") {
            folder.Title = "郵便受け";
        } else if (upperName == "OUTBOX.BOX") {
            folder.Title = "送信箱";
        } else {
            const ProfileFile entryFile(files_, dir + entry.Name + "\\entry.ini");
            folder.Title = entryFile.Read("Property", "Title", "");
            if (entryFile.Read("Property", "Type", "") == "Subfolder")
                folder.Kind = kContainerFolder;
        }
        if (folder.Title.empty())
            continue;
        folder.Path = AsciiLowerCase(dir + entry.Name) + "\\";
        folder.IndexDir = scan.indexBase + "Namazu" + IndexSubPath(folder.Path, scan.accountDir);
        folder.Level = level;
        candidates.push_back(folder);
    }
    return candidates;
}

void FolderCatalogue::AppendInOrder(const Scan& scan, const std::vector<TFolderInfo>& candidates,
                                    const std::string& dir, const std::string& order) {
    std::unordered_map<std::string, size_t> byPath;
    for (size_t i = 0; i < candidates.size(); ++i)
        byPath.emplace(candidates[i].Path, i);
    // Listing a folder once keeps a container named again and again in
    // nested Order values from multiplying the catalogue at every level.
    std::vector<bool> listed(candidates.size(), false);
    for (const std::string& name : FolderNamesInOrder(order)) {
        const auto found = byPath.find(AsciiLowerCase(dir + name) + "\\");
        if (found == byPath.end() || listed[found->second])
            continue;
        listed[found->second] = true;
        Append(scan, candidates[found->second]);
    }
}

void FolderCatalogue::Append(const Scan& scan, const TFolderInfo& folder) {
    folders_.push_back(folder);
    if (folder.Kind == kContainerFolder)
        ScanDirectory(scan, folder.Path, folder.Level + 1);
}

int FolderCatalogue::FindFolderByIndexDir(const std::string& dir) const {
    for (size_t i = 0; i < folders_.size(); ++i) {
        if (EqualsIgnoringAsciiCase(folders_[i].IndexDir, dir))
            return static_cast<int>(i);
    }
    return -1;
}

std::string FolderCatalogue::AccountRelativePath(const std::string& path) const {
    return path.substr(EndOfLeadingPart(path, host_.GetAccount(window_)));
}

std::string IndexBase(const TSettings& settings, const std::string& accountDirectory) {
    return settings.IndexDir.empty() ? accountDirectory : settings.IndexDir;
}

std::vector<std::string> FolderNamesInOrder(const std::string& order) {
    std::vector<std::string> names;
    size_t p = 0;
    while (p < order.size()) {
        // Digits are single bytes, so three digit bytes are three characters.
        const std::string token = order.substr(p, kNumberTokenLength);
        if (IsAsciiDigits(token)) {
            names.push_back(UserFolderName(token));
            p += token.size();
            continue;
        }
        if (order[p] == 'I')
            names.push_back("inbox.box");
        else if (order[p] == 'O')
            names.push_back("outbox.box");
        p = NextCharacter(order, p);
    }
    return names;
}

int FindAliasByName(const std::vector<TAliasInfo>& aliases, const std::string& name) {
    for (size_t i = 0; i < aliases.size(); ++i) {
        if (aliases[i].Name == name)
            return static_cast<int>(i);
    }
    return -1;
}
