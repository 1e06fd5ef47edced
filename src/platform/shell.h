#pragma once

#include <string>

// The system shell's "open" action.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a path or URL (Shift-JIS) the way a double click would: shown
    // normally, no owner, without waiting; the outcome is not examined.
    virtual void OpenWithShell(const std::string& pathOrUrl) = 0;
};
