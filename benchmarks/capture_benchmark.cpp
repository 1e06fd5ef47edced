// Capture throughput: a child writes 5 MB in 60-byte lines, hidden and waited
// on (the baseline), captured into a view in memory (the runner alone) and
// captured into a console output window. Prints the ratios and how much of the
// window's time went into its RichEdit view.
#include "catalogue/console_command_runner.h"
#include "catalogue/win32/win32_process_launcher.h"
#include "platform/win32/console_window.h"
#include "platform/win32/win32_message_pump.h"
#include "platform/win32/win32_user_interface.h"
#include "stopwatch.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const char kFlood[] = "flood 5000000 60";

// Holds the text in memory, or passes it on to another view and adds up the
// time that view takes.
class MeasuringView : public ConsoleTextView {
public:
    explicit MeasuringView(ConsoleTextView* view) : view_(view) {}

    double Spent = 0;
    size_t Bytes = 0;

    bool HoldsText() override { return Bytes > 0; }
    void AppendText(const std::string& text) override {
        Bytes += text.size();
        Timed([&] { view_->AppendText(text); });
    }
    void ShowEnd() override {
        Timed([&] { view_->ShowEnd(); });
    }
    void Refresh() override {
        Timed([&] { view_->Refresh(); });
    }
    bool IsCapturing() const override { return capturing_; }
    void SetCapturing(bool capturing) override { capturing_ = capturing; }

private:
    template <typename Work> void Timed(Work work) {
        if (view_ == nullptr)
            return;
        const LARGE_INTEGER start = Now();
        work();
        Spent += SecondsSince(start);
    }

    ConsoleTextView* view_;
    bool capturing_ = false;
};

std::string ChildCommand() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path);
    directory.resize(directory.rfind(L'\\') + 1);
    return "\"" + ShiftJisFromWide(directory) + "test_child.exe\" " + kFlood;
}

double TimeHidden(ConsoleRunner& runner) {
    const LARGE_INTEGER start = Now();
    std::unique_ptr<RunningProcess> process =
        runner.RunConsoleCommand(ChildCommand(), "", rmHidden, nullptr);
    if (process)
        process->WaitForEndOrStop(100, nullptr);
    return SecondsSince(start);
}

double TimeCapture(ConsoleRunner& runner, ConsoleTextView& view) {
    const LARGE_INTEGER start = Now();
    runner.RunConsoleCommand(ChildCommand(), "", rmCapture, &view);
    return SecondsSince(start);
}

} // namespace

int main() {
    // Like the host, a program without a console: the hidden child gets one
    // of its own instead of writing into ours.
    FreeConsole();
    Win32ProcessLauncher launcher;
    Win32MessagePump pump;
    Win32UserInterface ui;
    ConsoleCommandRunner runner(launcher, pump, ui);
    TfrmWindow window;
    if (!window.Create()) {
        std::printf("the console window could not be created\n");
        return 1;
    }
    window.Show(false);

    const double hidden = TimeHidden(runner);
    MeasuringView memory(nullptr);
    const double inMemory = TimeCapture(runner, memory);
    MeasuringView windowView(&window.edt());
    const double inWindow = TimeCapture(runner, windowView);

    std::printf("child: %s (%zu bytes captured)\n", kFlood, memory.Bytes);
    std::printf("hidden, waited on:          %6.2f s\n", hidden);
    std::printf("captured into memory:       %6.2f s  ratio %.2f\n", inMemory, inMemory / hidden);
    std::printf("captured into the window:   %6.2f s  ratio %.2f (%.2f s in the RichEdit view)\n",
                inWindow, inWindow / hidden, windowView.Spent);
    return 0;
}
