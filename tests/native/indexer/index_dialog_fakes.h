#pragma once

#include "fakes/fake_console_runner.h"
#include "indexer/index_dialog_state.h"
#include "indexer/index_dialog_view.h"
#include "platform/clock.h"
#include "platform/message_pump.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The pump of a test: sleeping takes no time, but is counted.
class CountingPump : public MessagePump {
public:
    std::vector<unsigned> Sleeps;
    int Processed = 0;

    void Sleep(unsigned milliseconds) override { Sleeps.push_back(milliseconds); }
    void ProcessPendingMessages() override { ++Processed; }
};

class FixedClock : public Clock {
public:
    LocalTime Time{2001, 5, 9, 21, 7, 42};
    LocalTime Now() override { return Time; }
};

class FakeConsoleWindow : public ConsoleWindow {
public:
    FakeConsoleWindow(std::string caption, bool minimized)
        : Caption(std::move(caption)), Minimized(minimized) {}

    std::string Caption;
    bool Minimized;
    bool Closed = false;
    FakeConsoleTextView View;

    ConsoleTextView& edt() override { return View; }
    void CaptureEnded() override { Caption += "終了"; }
};

// Records what the dialog is told: every status text in order, the rows, the
// check marks of the last rendering, the enabled state and console windows.
class FakeIndexDialogView : public IndexDialogView {
public:
    std::vector<std::string> Rows;
    std::vector<bool> Checks;
    bool RebuildShown = false;
    bool SaveTargetShown = false;
    std::vector<std::string> Statuses;
    std::vector<bool> EnabledChanges;
    std::vector<bool> RunningChanges;
    std::vector<std::unique_ptr<FakeConsoleWindow>> ConsoleWindows;
    bool ConsoleWindowFails = false;
    int ConsoleWindowClosings = 0;
    int Foregrounds = 0;
    bool TimerStarted = false;
    int Closes = 0;
    std::function<void()> OnClose;

    bool Enabled() const { return EnabledChanges.empty() || EnabledChanges.back(); }
    bool Running() const { return !RunningChanges.empty() && RunningChanges.back(); }

    void ShowRows(const std::vector<std::string>& texts) override { Rows = texts; }
    void ShowChecks(const IndexDialogState& state) override {
        Checks.clear();
        for (int row = 0; row < state.RowCount(); ++row)
            Checks.push_back(state.Checked(row));
        RebuildShown = state.Rebuild;
        SaveTargetShown = state.SaveTarget;
    }
    void ShowStatus(const std::string& text) override { Statuses.push_back(text); }
    void SetEnabled(bool enabled) override { EnabledChanges.push_back(enabled); }
    void ShowRunning(bool running) override { RunningChanges.push_back(running); }
    void BringToForeground() override { ++Foregrounds; }
    ConsoleWindow* OpenConsoleWindow(const std::string& caption, bool minimized) override {
        if (ConsoleWindowFails)
            return nullptr;
        ConsoleWindows.push_back(std::make_unique<FakeConsoleWindow>(caption, minimized));
        return ConsoleWindows.back().get();
    }
    void CloseConsoleWindows() override {
        ++ConsoleWindowClosings;
        for (auto& window : ConsoleWindows)
            window->Closed = true;
    }
    void StartTimer() override { TimerStarted = true; }
    void CloseDialog() override {
        ++Closes;
        if (OnClose)
            OnClose();
    }
};
