#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The file-open dialog dlg of the settings dialog. filter is a description,
// a vertical bar and a pattern ("実行ファイル(*.exe)|*.EXE"). Returns the
// confirmed file's full path, or nothing when the user cancels.
std::optional<std::string> AskForFileToOpen(HWND owner, const std::string& initialDirectory,
                                            const std::string& fileName, const std::string& filter);
