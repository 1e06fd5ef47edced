#pragma once

#include <cstdio>
#include <string>

// One line per event, to standard output and to an optional log file, so
// that tests and scripts can follow what the plug-in asked of the host.
class EventLog {
public:
    EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;
    ~EventLog();

    // Starts the log file afresh; false if it cannot be created.
    bool OpenFile(const std::wstring& path);
    void Write(const std::string& line);

private:
    FILE* file_ = nullptr;
};
