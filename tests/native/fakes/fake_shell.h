#pragma once

#include "platform/shell.h"

#include <string>
#include <vector>

// Records what the code asked the shell to open, in order.
class FakeShell : public Shell {
public:
    std::vector<std::string> Opened;

    void OpenWithShell(const std::string& pathOrUrl) override { Opened.push_back(pathOrUrl); }
};
