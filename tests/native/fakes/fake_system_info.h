#pragma once

#include "platform/system_info.h"

#include <functional>
#include <map>
#include <set>
#include <string>

// A system whose family, mounted drives and temporary directory the test
// sets. OnDrivePoll runs at every drive query, so that a test can mount or
// unmount a drive the way SUBST would, some time after the command.
class FakeSystemInfo : public SystemInfo {
public:
    bool NtFamily = true;
    std::set<char> MountedDrives = {'C'};
    std::string Temp = "c:\\temp\\";
    int DrivePolls = 0;
    std::function<void(FakeSystemInfo&)> OnDrivePoll;
    // Short forms by long path; other paths have none to look up.
    std::map<std::string, std::string> ShortNames;
    // Processes by id; others are gone.
    std::map<unsigned long, ProcessState> Processes;

    bool IsNtFamily() override { return NtFamily; }
    bool DriveHasRoot(char letter) override {
        ++DrivePolls;
        if (OnDrivePoll)
            OnDrivePoll(*this);
        return MountedDrives.count(letter) > 0;
    }
    std::string TempDirectory() override { return Temp; }
    std::optional<std::string> ShortPathName(const std::string& path) override {
        const auto found = ShortNames.find(path);
        if (found == ShortNames.end())
            return std::nullopt;
        return found->second;
    }
    ProcessState StateOfProcess(unsigned long id) override {
        const auto found = Processes.find(id);
        return found == Processes.end() ? ProcessState::Gone : found->second;
    }
};
