#pragma once

#include "../linux_run_script.h"
#include "linux_program.h"

#include <functional>
#include <string>
#include <vector>

// Builds the Linux command from the bridge's own arguments, as given on
// Windows; may add temporary files of its own to the run's set.
using CommandBuilder =
    std::function<LinuxCommand(const std::vector<std::string>& arguments, TemporaryFiles& files)>;

// The body of both bridge programs: reads the command line, runs the
// command built from it in the current directory and returns its exit
// code. A failure of the bridge itself is reported on standard
// error and gives exit code 1.
int RunBridge(const CommandBuilder& build);
