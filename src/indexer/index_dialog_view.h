#pragma once

#include "platform/console_runner.h"

#include <string>
#include <vector>

class IndexDialogState;

// The index update dialog as its logic sees it: the Win32 dialog renders
// what it is told and keeps the console windows its runs open.
class IndexDialogView {
public:
    virtual ~IndexDialogView() = default;

    virtual void ShowRows(const std::vector<std::string>& texts) = 0;
    // The rows' check marks and the two check boxes.
    virtual void ShowChecks(const IndexDialogState& state) = 0;
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // While mknmz runs every control but btnCancel is disabled, so that the
    // run can be stopped and nothing else started.
    virtual void ShowRunning(bool running) = 0;
    virtual void BringToForeground() = 0;
    // Opens a modeless console window owned by nobody and adds it to the
    // dialog's list; null if it cannot be created.
    virtual ConsoleWindow* OpenConsoleWindow(const std::string& caption, bool minimized) = 0;
    // Asks every listed console window to close, then empties the list.
    virtual void CloseConsoleWindows() = 0;
    // Starts the 200 ms timer whose first tick clicks btnCancel.
    virtual void StartTimer() = 0;
    // Closes the dialog the way its close box does.
    virtual void CloseDialog() = 0;
};
