// account.ini, then each folder's entry.ini of a small fixed tree, cut at
// NULs: the catalogue lists each folder at most once, with a title, below
// its container and at its depth.
#include "catalogue/folder_catalogue.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_host.h"
#include "fuzz_support.h"
#include "text/shift_jis.h"

#include <set>

namespace {

const std::string kAccount = "c:\\acc\\";
const char* const kFolders[] = {
    "inbox.box\\",
    "outbox.box\\",
    "user001.box\\",
    "user002.box\\",
    "User010.box\\",
    "user001.box\\user003.box\\",
    "user001.box\\user004.box\\",
    "user001.box\\user003.box\\user005.box\\",
    "user001.box\\user003.box\\user005.box\\user006.box\\",
    "user002.box\\user001.box\\",
};

int Depth(const std::string& relativePath) {
    int separators = 0;
    for (char c : relativePath)
        separators += c == '\\';
    return separators - 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> pieces = Pieces(data, size);
    FakeFileSystem files;
    FakeHostApi host;
    TSettings settings;
    WindowHandle window = &files;
    host.Accounts[window] = kAccount;
    files.Files[kAccount + "account.ini"] = pieces[0];
    size_t next = 1;
    for (const char* folder : kFolders) {
        files.Files[kAccount + folder + "1.alm"] = "Subject: x\r\n\r\nbody\r\n";
        if (next < pieces.size())
            files.Files[kAccount + folder + "entry.ini"] = pieces[next++];
    }

    FolderCatalogue catalogue(files, host, settings);
    catalogue.LoadFolderCatalogue(window);
    std::set<std::string> paths;
    for (int i = 0; i < catalogue.Count(); ++i) {
        const TFolderInfo& folder = catalogue.At(i);
        Check(!folder.Title.empty(), "a folder without a title");
        Check(paths.insert(folder.Path).second, "a folder listed twice");
        Check(folder.Path.compare(0, kAccount.size(), kAccount) == 0,
              "a folder outside the account");
        const std::string relative = folder.Path.substr(kAccount.size());
        Check(Depth(relative) == folder.Level, "a folder's level is not its depth");
        Check(folder.Level == 0 || (i > 0 && catalogue.At(i - 1).Level >= folder.Level - 1),
              "a folder deeper than the one before it allows");
        Check(folder.Level == 0 ||
                  paths.count(AsciiLowerCase(folder.Path.substr(
                      0, folder.Path.rfind('\\', folder.Path.size() - 2) + 1))) > 0,
              "a folder listed before or without its container");
        Check(folder.IndexDir.compare(0, kAccount.size() + 6, kAccount + "Namazu") == 0,
              "an index directory outside the index base");
        Check(catalogue.FindFolderByIndexDir(folder.IndexDir) <= i,
              "an index directory not found at its folder");
    }
    return 0;
}
