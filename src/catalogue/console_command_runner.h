#pragma once

#include "platform/console_runner.h"
#include "platform/message_pump.h"
#include "platform/process_launcher.h"
#include "platform/user_interface.h"

// RunConsoleCommand: starts a program in a window state, or captures its
// output into a text view while the user interface stays responsive.
class ConsoleCommandRunner : public ConsoleRunner {
public:
    // Sleep between two rounds of reading captured output.
    static constexpr unsigned kCaptureRhythmMs = 100;
    // A round reads at most this much, so that messages are handled in between.
    static constexpr size_t kLargestRound = 1024 * 1024;

    ConsoleCommandRunner(ProcessLauncher& launcher, MessagePump& pump, UserInterface& ui);

    std::unique_ptr<RunningProcess> RunConsoleCommand(const std::string& commandLine,
                                                      const std::string& workDir, int mode,
                                                      ConsoleTextView* textView) override;
    ProgramEnd RunToEnd(const std::string& commandLine, const std::string& workDir, int mode,
                        ConsoleTextView* textView, unsigned rhythmMs,
                        const StopRequest& stop) override;

private:
    std::unique_ptr<RunningProcess> Start(const std::string& commandLine,
                                          const std::string& workDir, int show);
    ProgramEnd Capture(const std::string& commandLine, const std::string& workDir,
                       ConsoleTextView& view, const StopRequest& stop);
    bool StartCapture(CaptureProcess& process, const std::string& commandLine,
                      const std::string& workDir);
    // False when stop ended the program.
    bool CopyOutput(CaptureProcess& process, ConsoleTextView& view, const StopRequest& stop);

    ProcessLauncher& launcher_;
    MessagePump& pump_;
    UserInterface& ui_;
};
