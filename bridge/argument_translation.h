#pragma once

#include <functional>
#include <string>
#include <vector>

// Turns an absolute Windows path into the Linux path of the same file.
using PathTranslator = std::function<std::string(const std::string& windowsPath)>;

// Rewrites the arguments meant for a Linux program so that the Windows
// paths in them name the same files on Linux. A path is an argument of its
// own ("Z:\usr\bin\mknmz") or an option value ("--output-dir=Z:\idx").
// mknmz's --replace code keeps its text, except that a pattern that is a
// drive path (escaped for Perl) is translated and escaped again, because
// mknmz on Linux matches it against Linux file names. Everything else (regular expressions such as
// ".*\.alm", queries, relative names) is passed on unchanged.
std::vector<std::string> TranslateArguments(const std::vector<std::string>& arguments,
                                            const PathTranslator& toLinux);

// The value of a "--name=value" argument, or empty when it has another name.
std::string OptionValue(const std::string& argument, const std::string& name);
