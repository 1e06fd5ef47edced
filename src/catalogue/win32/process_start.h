#pragma once

#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <optional>
#include <string>

// CreateProcessW with a Shift-JIS command line and working directory (empty:
// the caller's), the caller's environment and no thread handle kept.
// Returns the process handle, or none with GetLastError set.
UniqueKernelHandle StartProcess(const std::string& commandLine, const std::string& workDir,
                                STARTUPINFOW& startup, bool inheritHandles, DWORD creationFlags);

// The exit code of a process that has ended; none while it runs or when
// the system does not tell.
std::optional<unsigned long> ExitCodeOf(HANDLE process);

// Ends a process at once and waits briefly until it is gone.
void TerminateAndWait(HANDLE process);
