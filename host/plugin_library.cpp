#include "plugin_library.h"

#include "text/win32/text_encoding.h"

namespace {

template <typename Proc>
bool Resolve(HMODULE module, const char* name, Proc& proc, std::string& error) {
    proc = reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!proc) {
        error = std::string("entry point ") + name + " missing";
        return false;
    }
    return true;
}

} // namespace

bool LoadPlugin(const std::wstring& path, PluginEntryPoints& entryPoints, std::string& error) {
    HMODULE module = LoadLibraryW(path.c_str());
    if (!module) {
        error = "cannot load " + ShiftJisFromWide(path);
        return false;
    }
    PluginEntryPoints& e = entryPoints;
    bool complete = Resolve(module, "APCGetPlugName", e.GetPlugName, error) &&
                    Resolve(module, "APCStartUp", e.StartUp, error) &&
                    Resolve(module, "APCVersionInfo", e.VersionInfo, error) &&
                    Resolve(module, "APCSetup", e.Setup, error) &&
                    Resolve(module, "APCFolderCreate", e.FolderCreate, error) &&
                    Resolve(module, "APCFolderInitMenu", e.FolderInitMenu, error) &&
                    Resolve(module, "APCRecFilter", e.RecFilter, error) &&
                    Resolve(module, "APCFolderEndRetrieve", e.FolderEndRetrieve, error) &&
                    Resolve(module, "APCFolderClose", e.FolderClose, error);
    if (!complete) {
        error = ShiftJisFromWide(path) + ": " + error;
    }
    return complete;
}
