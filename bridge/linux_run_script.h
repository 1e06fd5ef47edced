#pragma once

#include <string>
#include <vector>

// A symbolic link that exists only while the command runs.
struct LinuxLink {
    std::string target;
    std::string link;
};

// What to run on the Linux side. Paths are Linux paths; arguments are
// passed byte for byte.
struct LinuxCommand {
    std::string workDir;
    std::string locale;  // LANG and LC_ALL for the program
    std::string program; // looked up in PATH
    std::vector<std::string> arguments;
    std::string outputFilter; // shell command the output passes through; empty for none
    std::vector<LinuxLink> links;
};

// Where the script leaves its results. The exit code file appears only
// after the output file is complete, so it is the completion marker.
struct LinuxRunFiles {
    std::string output;
    std::string exitCode;
    // While this file exists the program may run; once it is gone the
    // program and all it started are killed, as ending the Windows process
    // that stands for it ends it on Windows. Empty: no such watch.
    std::string lifeline;
};

// One word for /bin/sh that stands for text unchanged.
std::string QuoteForShell(const std::string& text);

// A /bin/sh script that makes the links, runs the command in its directory
// with its locale, removes the links again, with stdin empty, stderr merged into stdout, the output
// in files.output and the exit code then in files.exitCode. A killed command
// leaves no exit code.
std::string BuildLinuxRunScript(const LinuxCommand& command, const LinuxRunFiles& files);
