// A console program for the runner's tests: it writes what its arguments say
// to standard output and exits with a chosen code.
//   write TEXT        TEXT with \n for LF and \xHH for any byte, in one write
//   sleep MS          pauses
//   flood BYTES LINE  BYTES bytes of 'x' in lines of LINE bytes ending in LF
//                     (LINE 0: no LF at all), written in 4 KB pieces
//   exit CODE         the exit code (default 0)
//   close EVENT       closes standard output and error, then signals the named
//                     event EVENT
//   await EVENT       waits up to 20 s for the named event EVENT
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Unescaped(const std::string& text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            bytes += '\n';
            ++i;
        } else if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            bytes += static_cast<char>(std::strtol(text.substr(i + 2, 2).c_str(), nullptr, 16));
            i += 3;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

void Write(const std::string& bytes) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
}

void CloseOutput() {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    CloseHandle(output);
    if (error != output)
        CloseHandle(error);
}

void Signal(const std::string& name) {
    HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, name.c_str());
    SetEvent(event);
    CloseHandle(event);
}

void Await(const std::string& name) {
    HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, name.c_str());
    WaitForSingleObject(event, 20000);
    CloseHandle(event);
}

void Flood(size_t total, size_t lineLength) {
    std::string piece;
    size_t column = 0;
    for (size_t i = 0; i < total; ++i) {
        const bool endOfLine = lineLength > 0 && column == lineLength - 1;
        piece += endOfLine ? '\n' : 'x';
        column = endOfLine ? 0 : column + 1;
        if (piece.size() == 4096) {
            Write(piece);
            piece.clear();
        }
    }
    Write(piece);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    int exitCode = 0;
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == "write") {
            Write(Unescaped(args[i + 1]));
        } else if (args[i] == "sleep") {
            Sleep(static_cast<DWORD>(std::atoi(args[i + 1].c_str())));
        } else if (args[i] == "close") {
            CloseOutput();
            Signal(args[i + 1]);
        } else if (args[i] == "await") {
            Await(args[i + 1]);
        } else if (args[i] == "exit") {
            exitCode = std::atoi(args[i + 1].c_str());
        } else if (args[i] == "flood" && i + 2 < args.size()) {
            Flood(std::strtoul(args[i + 1].c_str(), nullptr, 10),
                  std::strtoul(args[i + 2].c_str(), nullptr, 10));
            ++i;
        }
    }
    return exitCode;
}
