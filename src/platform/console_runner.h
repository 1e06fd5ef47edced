#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

// How RunConsoleCommand runs a program. Callers may pass any integer (a
// settings value, say); values outside these four do nothing.
enum RunMode : int { rmHidden = 0, rmCapture = 1, rmNormal = 2, rmMinimized = 3 };

// The read-only text view a capture writes into: the console window's edt.
// Texts are Shift-JIS.
class ConsoleTextView {
public:
    virtual ~ConsoleTextView() = default;

    virtual bool HoldsText() = 0;
    // Puts the caret at the end and inserts text there. A full view drops it.
    virtual void AppendText(const std::string& text) = 0;
    // Caret at the end, scrolled into view, and the view repainted.
    virtual void ShowEnd() = 0;
    virtual void Refresh() = 0;
    // True while a capture runs into the view; the window cannot close then.
    virtual bool IsCapturing() const = 0;
    virtual void SetCapturing(bool capturing) = 0;
};

// A console output window opened for one run, with the view its capture
// writes into.
class ConsoleWindow {
public:
    virtual ~ConsoleWindow() = default;

    virtual ConsoleTextView& edt() = 0;
    // Appends "終了" to the caption once the capture has ended.
    virtual void CaptureEnded() = 0;
};

// Asked between two rounds of a wait whether to end the program there.
using StopRequest = std::function<bool()>;

// How a program that was waited for ended.
struct ProgramEnd {
    bool Started = false;
    // Ended early because the stop request said so.
    bool Stopped = false;
    // None when it was stopped or its code could not be read.
    std::optional<unsigned long> ExitCode;
};

// A program started in modes 0, 2 and 3. Destroying the object releases the
// process handle (the program itself runs on).
class RunningProcess {
public:
    virtual ~RunningProcess() = default;

    // Returns once the program has ended, handling the user interface's
    // messages meanwhile and at least every rhythmMs. A program that stop
    // (may be empty) asks to end is ended at once, as abruptly as a crash
    // would end it.
    virtual ProgramEnd WaitForEndOrStop(unsigned rhythmMs, const StopRequest& stop) = 0;
};

class ConsoleRunner {
public:
    virtual ~ConsoleRunner() = default;

    // Starts commandLine (program path first, quoted by the caller) in workDir.
    // Modes 0, 2, 3 return the running process; rmCapture copies the output
    // into textView and returns null once the program has ended. A program
    // that cannot start is reported in a message box and gives null.
    virtual std::unique_ptr<RunningProcess> RunConsoleCommand(const std::string& commandLine,
                                                              const std::string& workDir, int mode,
                                                              ConsoleTextView* textView) = 0;
    // Runs commandLine in any mode to its end, a capture into textView, and
    // says how it ended: for a caller that must know whether it worked. Waits
    // in steps of rhythmMs; a program that cannot start is reported as above.
    virtual ProgramEnd RunToEnd(const std::string& commandLine, const std::string& workDir,
                                int mode, ConsoleTextView* textView, unsigned rhythmMs,
                                const StopRequest& stop) = 0;
};
