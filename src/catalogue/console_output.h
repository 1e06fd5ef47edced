#pragma once

#include <cstddef>
#include <string>

// What a capture writes into the console text view, and the messages of a
// failed start. All texts are Shift-JIS.

// Put between an earlier run's output and the next header: two empty lines.
extern const char kCaptureSeparator[];

// "WorkDir: " line, "CommandLine: " line, the command line alone, an empty line.
std::string CaptureHeader(const std::string& workDir, const std::string& commandLine);

// A line block as the view shows it: trailing blanks and control characters
// removed, then CR LF.
std::string ViewLine(const std::string& block);

std::string StartFailureMessage(const std::string& workDir, const std::string& commandLine);
std::string PipeFailureMessage();
std::string CaptureStartFailureMessage(const std::string& commandLine, unsigned long errorCode);

// Collects a program's output as it arrives and hands it back in blocks of
// whole lines, so that a double-byte character split between two reads is
// joined again. The unfinished last line is kept; one longer than
// kLongestPendingLine bytes is cut there and the rest of it dropped, so that a
// program writing without line feeds cannot exhaust memory or the view.
class ConsoleOutputSplitter {
public:
    static constexpr size_t kLongestPendingLine = 64 * 1024;

    // The pending text plus chunk up to its last LF, or empty when chunk has
    // no LF. NUL bytes are dropped: the view cannot show them.
    std::string Add(const std::string& chunk);
    // The text after the last LF, for when the program has ended.
    std::string TakeRest();

private:
    void Keep(const std::string& text);
    void EndLine();

    std::string pending_;
    bool cutting_ = false;
};
