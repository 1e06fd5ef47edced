#include "event_log.h"

#include <fcntl.h>
#include <io.h>

// Lines end in CR LF already; text mode would double the CR.
EventLog::EventLog() {
    _setmode(_fileno(stdout), _O_BINARY);
}

EventLog::~EventLog() {
    if (file_) {
        fclose(file_);
    }
}

bool EventLog::OpenFile(const std::wstring& path) {
    file_ = _wfopen(path.c_str(), L"wb");
    return file_ != nullptr;
}

void EventLog::Write(const std::string& line) {
    std::string text = line + "\r\n";
    fwrite(text.data(), 1, text.size(), stdout);
    fflush(stdout);
    if (file_) {
        fwrite(text.data(), 1, text.size(), file_);
        fflush(file_);
    }
}
