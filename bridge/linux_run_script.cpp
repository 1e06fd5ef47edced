#include "linux_run_script.h"

namespace {

// The pipeline in a process group of its own, killed whole, as abruptly as
// TerminateProcess ends a Windows program, once the lifeline is gone.
std::string Watched(const std::string& pipeline, const std::string& lifeline) {
    const std::string line = QuoteForShell(lifeline);
    return "setsid sh -c " + QuoteForShell(pipeline) + " &\n" +
           "job=$!\n"
           "( while [ -e " +
           line +
           " ]; do sleep 0.1; done; kill -9 \"-$job\" 2>/dev/null ) &\n"
           "watcher=$!\n"
           "wait \"$job\"\n"
           "kill \"$watcher\" 2>/dev/null\n";
}

} // namespace

std::string QuoteForShell(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string BuildLinuxRunScript(const LinuxCommand& command, const LinuxRunFiles& files) {
    const std::string locale = QuoteForShell(command.locale);
    const std::string pendingExitCode = QuoteForShell(files.exitCode + ".part");
    std::string invocation = "exec " + QuoteForShell(command.program);
    for (const std::string& argument : command.arguments) {
        invocation += " " + QuoteForShell(argument);
    }
    const std::string filter = command.outputFilter.empty() ? "cat" : command.outputFilter;

    std::string script;
    for (const LinuxLink& link : command.links) {
        script += "ln -s " + QuoteForShell(link.target) + " " + QuoteForShell(link.link) + "\n";
    }
    script += "LANG=" + locale + " LC_ALL=" + locale + "\n";
    script += "export LANG LC_ALL\n";
    const std::string pipeline = "{ (cd " + QuoteForShell(command.workDir) + " && " + invocation +
                                 ") 2>&1; echo $? >" + pendingExitCode + "; } </dev/null | " +
                                 filter + " >" + QuoteForShell(files.output) + " 2>&1";
    script += files.lifeline.empty() ? pipeline + "\n" : Watched(pipeline, files.lifeline);
    for (const LinuxLink& link : command.links) {
        script += "rm -f " + QuoteForShell(link.link) + "\n";
    }
    // Renamed only now, so that the marker never appears before the output
    // has been written in full.
    script += "mv -f " + pendingExitCode + " " + QuoteForShell(files.exitCode) + "\n";
    return script;
}
