#include "plugin/plugin_core.h"

#include "settings/account_settings.h"
#include "settings/integer_text.h"
#include "text/shift_jis.h"

#include <climits>

const char kPluginName[] = "tarnwick for Namazu";

namespace {

const int kFolderMenuId = 101;
const int kPluginMenuPosition = 3;

// A counter at the largest integer stays there: wrapping round to a negative
// count would keep the automatic update from ever being due again.
std::string NextMailCount(const std::string& count) {
    const int current = IntegerOr(count, 0);
    return std::to_string(current == INT_MAX ? current : current + 1);
}

// The host reads nothing into the search command's value; these are the
// values it has always been given. A dialog that cannot open gives 0, from
// the failure shield.
int SearchCommandValue(SearchDialogEnd end) {
    return end == SearchDialogEnd::Cancel ? 1 : 2;
}

} // namespace

PluginCore::PluginCore(PluginState& state, HostApi& host, HostMenu& menu, UserInterface& ui,
                       PluginWindows& windows)
    : state_(state), host_(host), menu_(menu), ui_(ui), windows_(windows) {}

bool PluginCore::AutomaticUpdateDue() const {
    const TSettings& settings = state_.Store.Settings;
    return IntegerOr(settings.NowCountMail, 0) >= IntegerOr(settings.IntervalCountMail, 0);
}

int PluginCore::StartUp() {
    const bool bound = host_.Bind();
    if (!bound) {
        ui_.ShowError(nullptr, "プラグインエラー",
                      std::string("プラグイン「") + kPluginName + "」でエラーが発生しました。\r\n" +
                          "AL-Mail32とプラグインのバージョンを確認してください");
    }
    state_.RunState = "Yet";
    return bound ? -1 : 0;
}

void PluginCore::VersionInfo(WindowHandle window) {
    windows_.ShowAboutBox(window);
}

void PluginCore::Setup(WindowHandle window) {
    windows_.ShowSettingsDialog(window);
}

void PluginCore::FolderCreate(WindowHandle window) {
    SettingsStore& store = state_.Store;
    OpenAccountSettings(store, host_.GetAccount(window));
    if (store.Settings.When == "StartUp" && state_.RunState == "Yet" && AutomaticUpdateDue()) {
        menu_.BringToTop(window);
        IndexingMenuProc(window);
        state_.RunState = "Finished";
    }
}

void PluginCore::FolderInitMenu(MenuHandle menu, int id) {
    if (id != kFolderMenuId)
        return;
    MenuHandle pullDown = menu_.SubMenu(menu, kPluginMenuPosition);
    if (pullDown == nullptr)
        return;
    const TSettings& settings = state_.Store.Settings;
    menu_.AppendSeparator(pullDown);
    menu_.AppendItem(pullDown, host_.RegistCallback(MenuCommand::Indexing),
                     settings.IndexingMenuCaption);
    menu_.AppendItem(pullDown, host_.RegistCallback(MenuCommand::Search),
                     settings.SearchMenuCaption);
}

int PluginCore::RecFilter(const std::string& mailPath) {
    SettingsStore& store = state_.Store;
    const size_t inbox = FindLastWhole(mailPath, "\\Inbox.box\\");
    const std::string accountDir =
        inbox == std::string::npos ? std::string() : mailPath.substr(0, inbox + 1);
    OpenAccountSettings(store, accountDir);
    TSettings& settings = store.Settings;
    settings.NowCountMail = NextMailCount(settings.NowCountMail);
    store.WriteMailCounter();
    return 0;
}

void PluginCore::FolderEndRetrieve(WindowHandle window) {
    state_.Store.IniFileName = AccountSettingsFile(host_.GetAccount(window));
}

void PluginCore::FolderClose(WindowHandle window) {
    SettingsStore& store = state_.Store;
    OpenAccountSettings(store, host_.GetAccount(window));
    if (store.Settings.When == "CleanUp" && AutomaticUpdateDue()) {
        IndexingMenuProc(window);
        state_.RunState = "Finished";
    }
}

int PluginCore::IndexingMenuProc(WindowHandle window) {
    if (state_.IndexingRunning) {
        ui_.ShowError(window, "エラー", "現在インデックス作成中です。");
        return 0;
    }
    windows_.ShowIndexDialog(window);
    return 0;
}

int PluginCore::SearchMenuProc(WindowHandle window) {
    state_.SearchFormula.clear();
    state_.SearchTargets.clear();
    const SearchDialogEnd end = windows_.ShowSearchDialog(window);
    if (end == SearchDialogEnd::Search)
        windows_.ShowResultWindow(window);
    return SearchCommandValue(end);
}
