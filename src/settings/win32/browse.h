#pragma once

#include "platform/shell.h"

// The shell opener: ShellExecuteW's "open" verb.
class Win32Shell : public Shell {
public:
    void OpenWithShell(const std::string& pathOrUrl) override;
};
