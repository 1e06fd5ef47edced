#pragma once

#include "platform/file_system.h"

#include <string>
#include <vector>

// Path and document-name helpers over Shift-JIS text. Positions are 1-based
// character positions; a trail byte that looks like '\' or '|' is never taken
// for one.

// The local path for a Namazu document name or file URL; network URLs are
// returned unchanged.
std::string UrlToLocalPath(const std::string& s);

// The slash form of a local path, with the drive colon written as a bar.
std::string LocalPathToUri(const std::string& s);

// The path up to and including the last separator before its final
// character, or empty.
std::string ParentDir(const std::string& s);

// The position of the n-th occurrence of sub counted from the end of s, or 0
// when there are fewer.
size_t FindNthFromEnd(const std::string& s, const std::string& sub, int n);

// Appends dir + name for every plain file matching dir + mask (the caller
// supplies the separator), in enumeration order.
void ListMatchingFiles(FileSystem& files, const std::string& dir, const std::string& mask,
                       std::vector<std::string>& list);

// The path without a final '\\' (a trail byte 0x5C is kept).
std::string WithoutFinalBackslash(const std::string& path);

// Deletes the plain files of dir matching mask; failures are ignored.
void DeleteMatchingFiles(FileSystem& files, const std::string& dir, const std::string& mask);

enum class CopyMode { Keep = 0, Move = 1 };

// Copies the plain files of source into target, replacing files there, but
// never "filelist.txt"; in Move mode each copied source file is deleted.
// Failures are ignored and the next file is processed.
void CopyDirectoryFiles(FileSystem& files, const std::string& source, const std::string& target,
                        CopyMode mode);
