#pragma once

#include <cstddef>
#include <optional>
#include <string>

// A console program whose standard output and error go into a pipe that this
// process reads. Used once: CreatePipe, Start, ReadAvailable until it reports
// the end, WaitForEnd.
class CaptureProcess {
public:
    virtual ~CaptureProcess() = default;

    virtual bool CreatePipe() = 0;
    // Starts the program hidden, stdin none, stdout and stderr the pipe. On
    // failure gives the system's error code and closes the pipe.
    virtual bool Start(const std::string& commandLine, const std::string& workDir,
                       unsigned long& errorCode) = 0;
    // Appends what the pipe holds now, at most maxBytes, without blocking.
    // False once the program has closed its end and nothing is left.
    virtual bool ReadAvailable(std::string& output, size_t maxBytes) = 0;
    // Waits for the program to end, handling the user interface's messages
    // meanwhile and at least every rhythmMs, and releases it and the pipe.
    // Gives its exit code where the system tells it.
    virtual std::optional<unsigned long> WaitForEnd(unsigned rhythmMs) = 0;
    // Ends the program at once, as a crash would.
    virtual void Terminate() = 0;
};
