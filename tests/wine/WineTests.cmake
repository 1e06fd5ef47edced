# Registered from the native build: the Windows-side test program under Wine,
# one entry per window or subsystem, then one for any suite not named here.
set(wine_test_groups
    host "HostTest.*:HostExports.*"
    plugin_in_host "PluginInHostTest.*"
    settings_dialog "SettingsDialogTest.*"
    search_dialog "SearchDialogTest.*"
    index_dialog "IndexDialogTest.*"
    result_window "ResultWindowTest.*"
    console "ConsoleRunnerTest.*:ConsoleWindowTest.*:NamazuCaptureTest.*"
    namazu_bridge "NamazuBridgeTest.*"
    platform "Win32FileSystem.*:Win32SystemInfoTest.*:FolderCatalogue.*:PathUtilities.*:HintTooltipsTest.*:DialogBaseTest.*"
    rich_text_view "RichTextView*"
    profile_differential "ProfileDifferential.*"
    settings_save "SettingsSave*"
    hostile_account "HostileAccountTest.*"
    mime_mail "MimeMailTest.*"
    index_interruption "IndexInterruptionTest.*")

set(named_suites "")
while(wine_test_groups)
    list(POP_FRONT wine_test_groups name filter)
    tarnwick_add_wine_test(${name} FILTER ${filter})
    string(APPEND named_suites ":${filter}")
endwhile()
string(SUBSTRING "${named_suites}" 1 -1 named_suites)
tarnwick_add_wine_test(other_suites FILTER "*-${named_suites}")

# Wine's ANSI code page follows the locale: the tests that compare against
# the system's A functions with Shift-JIS bytes need code page 932.
tarnwick_add_wine_test(shift_jis_locale FILTER "*ShiftJis*"
    ENVIRONMENT "LANG=ja_JP.SJIS;LC_ALL=ja_JP.SJIS")
