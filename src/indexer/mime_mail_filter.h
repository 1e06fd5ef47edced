#pragma once

#include "platform/file_system.h"

#include <string>

// Namazu's mail filter leaves text parts in base64 or quoted-printable out
// of the index. Every Namazu 2.0 run of mknmz includes this Perl file of
// ours, kept in the work directory, which decodes them by the charset they
// name (HTML parts by their text) before that filter reads the mail.
extern const char kMimeMailFilterName[];

std::string MimeMailFilterScript();

enum class FilterInstall { Unchanged, Created, Replaced, Failed };

// Writes the filter to path unless it is there already, byte for byte.
FilterInstall InstallMimeMailFilter(FileSystem& files, const std::string& path);
