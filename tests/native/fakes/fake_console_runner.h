#pragma once

#include "platform/console_runner.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A text view that keeps its text in memory.
class FakeConsoleTextView : public ConsoleTextView {
public:
    std::string Text;
    bool Capturing = false;
    int Refreshes = 0;
    // The caret is scrolled into view after the text reached this length.
    std::vector<size_t> ShownEnds;

    bool HoldsText() override { return !Text.empty(); }
    void AppendText(const std::string& text) override { Text += text; }
    void ShowEnd() override { ShownEnds.push_back(Text.size()); }
    void Refresh() override { ++Refreshes; }
    bool IsCapturing() const override { return Capturing; }
    void SetCapturing(bool capturing) override { Capturing = capturing; }
};

// A program that ends as soon as it is waited for. Each wait's rhythm is
// noted, and whileWaiting runs in it as the messages handled meanwhile would.
class FakeRunningProcess : public RunningProcess {
public:
    FakeRunningProcess(std::vector<unsigned>& rhythms, std::function<void()> whileWaiting)
        : rhythms_(rhythms), whileWaiting_(std::move(whileWaiting)) {}

    ProgramEnd WaitForEndOrStop(unsigned rhythmMs, const StopRequest& stop) override {
        rhythms_.push_back(rhythmMs);
        if (whileWaiting_)
            whileWaiting_();
        ProgramEnd end;
        end.Started = true;
        end.Stopped = stop && stop();
        if (!end.Stopped)
            end.ExitCode = 0;
        return end;
    }

private:
    std::vector<unsigned>& rhythms_;
    std::function<void()> whileWaiting_;
};

// Records every command; starts nothing. A capture writes CaptureOutput into
// the view, capturing meanwhile, as the real runner does. Runs to
// the end give ExitCodes in turn (0 once they run out), or are stopped when
// the stop request holds after WhileWaiting.
class FakeConsoleRunner : public ConsoleRunner {
public:
    struct Call {
        std::string CommandLine;
        std::string WorkDir;
        int Mode;
        ConsoleTextView* TextView;
    };
    std::vector<Call> Calls;
    bool StartFails = false;
    std::string CaptureOutput;
    std::vector<unsigned> WaitRhythms;
    std::function<void()> WhileWaiting;
    std::deque<unsigned long> ExitCodes;

    std::unique_ptr<RunningProcess> RunConsoleCommand(const std::string& commandLine,
                                                      const std::string& workDir, int mode,
                                                      ConsoleTextView* textView) override {
        Calls.push_back({commandLine, workDir, mode, textView});
        if (mode == rmCapture && textView != nullptr && !StartFails) {
            textView->SetCapturing(true);
            textView->AppendText(CaptureOutput);
            textView->SetCapturing(false);
        }
        if (StartFails || (mode != rmHidden && mode != rmNormal && mode != rmMinimized))
            return nullptr;
        return std::make_unique<FakeRunningProcess>(WaitRhythms, WhileWaiting);
    }

    ProgramEnd RunToEnd(const std::string& commandLine, const std::string& workDir, int mode,
                        ConsoleTextView* textView, unsigned rhythmMs,
                        const StopRequest& stop) override {
        std::unique_ptr<RunningProcess> process =
            RunConsoleCommand(commandLine, workDir, mode, textView);
        if (StartFails || mode < rmHidden || mode > rmMinimized)
            return {};
        if (process)
            process->WaitForEndOrStop(rhythmMs, nullptr);
        else if (WhileWaiting)
            WhileWaiting();
        ProgramEnd end;
        end.Started = true;
        end.Stopped = stop && stop();
        if (!end.Stopped) {
            end.ExitCode = ExitCodes.empty() ? 0 : ExitCodes.front();
            if (!ExitCodes.empty())
                ExitCodes.pop_front();
        }
        return end;
    }
};
