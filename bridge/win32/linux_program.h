#pragma once

#include "../linux_run_script.h"

#include <string>

// Temporary files of one run, all named after one unique base in the
// Windows temporary directory and all deleted when the set goes.
class TemporaryFiles {
public:
    TemporaryFiles();
    ~TemporaryFiles();
    TemporaryFiles(const TemporaryFiles&) = delete;
    TemporaryFiles& operator=(const TemporaryFiles&) = delete;

    // The Windows path (code page 932) of the file with this suffix.
    std::string Path(const std::string& suffix);

private:
    std::string base_;
    std::vector<std::string> paths_;
};

// Runs the command through Linux /bin/sh, copies its output to this
// process's standard output as it comes and returns its exit code. Wine
// gives no handle for a Linux process and no pipe to its output, so the
// output goes through a file and the end is signalled by a marker file.
int RunLinuxCommand(const LinuxCommand& command, TemporaryFiles& files);
