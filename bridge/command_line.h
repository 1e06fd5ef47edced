#pragma once

#include <string>
#include <vector>

// Splits a Windows command line (Shift-JIS) into its arguments by the rules
// of the Microsoft C runtime, leaving out the program name: quotes group,
// 2n backslashes before a quote give n and the quote groups, 2n+1 give n
// and a literal quote, "" inside quotes is a literal quote, other
// backslashes are literal. A trail byte 0x5C is never a backslash.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
