#pragma once

#include <string>
#include <vector>

// The Namazu configuration file the search writes into the work directory:
// namazu.conf for Namazu 1.3, namazurc for 2.0.

struct NamazuConf {
    bool Namazu13 = false;
    // Without a trailing backslash.
    std::string WorkDir;
    // [AltURL] x1, x2, ... up to the first empty one.
    std::vector<std::string> AltUrls;
    // Ending in a backslash.
    std::string AccountDir;
};

std::string NamazuConfFileName(bool namazu13);

// The file's bytes. Namazu 2.0 splits an unquoted value at blanks and reads
// a backslash inside double quotes as an escape, and a REPLACE line's
// replacement unescapes backslashes once more; its values are written so
// that each arrives as it is.
std::string NamazuConfText(const NamazuConf& conf);
