#include "catalogue/console_command_runner.h"

#include "catalogue/console_output.h"

namespace {

// Shows a block at the end of the view, which then scrolls to it.
void AppendBlock(ConsoleTextView& view, const std::string& block) {
    view.AppendText(ViewLine(block));
    view.ShowEnd();
    view.Refresh();
}

} // namespace

ConsoleCommandRunner::ConsoleCommandRunner(ProcessLauncher& launcher, MessagePump& pump,
                                           UserInterface& ui)
    : launcher_(launcher), pump_(pump), ui_(ui) {}

std::unique_ptr<RunningProcess>
ConsoleCommandRunner::RunConsoleCommand(const std::string& commandLine, const std::string& workDir,
                                        int mode, ConsoleTextView* textView) {
    switch (mode) {
    case rmHidden:
        return Start(commandLine, workDir, wsHide);
    case rmNormal:
        return Start(commandLine, workDir, wsNormal);
    case rmMinimized:
        return Start(commandLine, workDir, wsMinimizedNoActivate);
    case rmCapture:
        if (textView != nullptr)
            Capture(commandLine, workDir, *textView, nullptr);
        return nullptr;
    default:
        return nullptr;
    }
}

ProgramEnd ConsoleCommandRunner::RunToEnd(const std::string& commandLine,
                                          const std::string& workDir, int mode,
                                          ConsoleTextView* textView, unsigned rhythmMs,
                                          const StopRequest& stop) {
    if (mode == rmCapture)
        return textView == nullptr ? ProgramEnd() : Capture(commandLine, workDir, *textView, stop);
    std::unique_ptr<RunningProcess> process =
        RunConsoleCommand(commandLine, workDir, mode, nullptr);
    return process ? process->WaitForEndOrStop(rhythmMs, stop) : ProgramEnd();
}

std::unique_ptr<RunningProcess> ConsoleCommandRunner::Start(const std::string& commandLine,
                                                            const std::string& workDir, int show) {
    std::unique_ptr<RunningProcess> process = launcher_.Start(commandLine, workDir, show);
    if (!process)
        ui_.ShowMessage(StartFailureMessage(workDir, commandLine));
    return process;
}

ProgramEnd ConsoleCommandRunner::Capture(const std::string& commandLine, const std::string& workDir,
                                         ConsoleTextView& view, const StopRequest& stop) {
    view.SetCapturing(true);
    if (view.HoldsText())
        view.AppendText(kCaptureSeparator);
    view.AppendText(CaptureHeader(workDir, commandLine));
    view.Refresh();
    ProgramEnd end;
    std::unique_ptr<CaptureProcess> process = launcher_.NewCaptureProcess();
    if (StartCapture(*process, commandLine, workDir)) {
        end.Started = true;
        end.Stopped = !CopyOutput(*process, view, stop);
        if (end.Stopped)
            process->Terminate();
        const std::optional<unsigned long> code = process->WaitForEnd(kCaptureRhythmMs);
        if (!end.Stopped)
            end.ExitCode = code;
    }
    view.SetCapturing(false);
    return end;
}

bool ConsoleCommandRunner::StartCapture(CaptureProcess& process, const std::string& commandLine,
                                        const std::string& workDir) {
    if (!process.CreatePipe()) {
        ui_.ShowMessage(PipeFailureMessage());
        return false;
    }
    unsigned long errorCode = 0;
    if (!process.Start(commandLine, workDir, errorCode)) {
        ui_.ShowMessage(CaptureStartFailureMessage(commandLine, errorCode));
        return false;
    }
    return true;
}

// Each round drains what the pipe holds, so a talkative program is never
// held up by a full pipe; after a full round the next one follows without
// the pause, since more is waiting. The text after the last LF is shown at
// the end.
bool ConsoleCommandRunner::CopyOutput(CaptureProcess& process, ConsoleTextView& view,
                                      const StopRequest& stop) {
    ConsoleOutputSplitter splitter;
    bool ended = true;
    bool fullRound = false;
    for (;;) {
        if (!fullRound)
            pump_.Sleep(kCaptureRhythmMs);
        std::string chunk;
        const bool open = process.ReadAvailable(chunk, kLargestRound);
        fullRound = chunk.size() >= kLargestRound;
        const std::string block = splitter.Add(chunk);
        if (!block.empty())
            AppendBlock(view, block);
        if (!open)
            break;
        pump_.ProcessPendingMessages();
        if (stop && stop()) {
            ended = false;
            break;
        }
    }
    const std::string rest = splitter.TakeRest();
    if (!rest.empty())
        AppendBlock(view, rest);
    return ended;
}
