#pragma once

// A generated sample account on drive Z:, for Wine tests that run the real
// Namazu through the bridge, and small file helpers they share.
#include <string>

// Runs a Linux shell command (UTF-8) and waits for it through a marker
// file, since Wine gives no handle for a Linux process. False on time-out.
bool RunLinuxShell(const std::string& command, const std::string& markerStem);

// A new empty directory /tmp/<stem><number> of this test's alone, as a Linux path.
std::string NewTmpDirectory(const std::string& stem);
// Z:\ and backslashes for a Linux path.
std::string WindowsFormOf(const std::string& linuxPath);

// The path's backslashes as slashes, trail bytes 0x5C of Shift-JIS kept.
std::string WithForwardSlashes(std::string path);

// tools/make_sample_mailbox.py, found from this source file's place.
std::string SampleGeneratorPath();

bool FileExists(const std::string& path);
// Deletes a directory with everything in it; a final backslash is allowed.
void RemoveDirectoryTree(const std::wstring& path);
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// ASCII letters in lower case, as the plug-in keeps folder paths.
std::string Lower(std::string text);
// The directory of the running test program, ending in a backslash.
std::string TestProgramDirectory();

// An account written by tools/make_sample_mailbox.py under /tmp in a
// directory whose name ends in 表 (trail byte 0x5C) and has capitals that the
// plug-in's lower-cased folder paths lose. Removed by Remove().
class SampleAccount {
public:
    // True when the generator ran; folders and mails as its options say.
    bool Generate(const std::string& name, int folders, int mails);
    void Remove();

    // Z:\tmp\<name>\予定表\ in Windows form.
    const std::string& Directory() const { return directory_; }
    // The same with forward slashes, as mknmz and namazu see paths.
    std::string WithSlashes() const;
    // The account directory as a Linux path in UTF-8, for RunLinuxShell.
    std::string LinuxDirectory() const;

private:
    std::string linuxRoot_;
    std::string directory_;
};
