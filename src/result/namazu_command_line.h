#pragma once

#include "result/result_options.h"

#include <string>
#include <vector>

// The namazu.exe command line of one search.

// The sort, summary and count options, each with its leading space.
std::string NamazuOptionString(const ResultOptions& options, bool namazu13);

// The targets' index directories relative to the work directory, slash
// separated, in order; Namazu 2.0 marks each with "+", and one with a blank
// is quoted. A directory that does not lie under the work directory is named
// by its full path.
std::string NamazuIndexList(const std::vector<std::string>& indexDirs, const std::string& workDir,
                            bool namazu13);

// text as one argument that the C runtime's command-line splitter gives
// back unchanged: in double quotes, with every quote and the backslashes
// before it escaped. A trail byte 0x5C belongs to its character and is no
// backslash.
std::string QuotedArgument(const std::string& text);

struct NamazuRun {
    bool Namazu13 = false;
    std::string NamazuPath;
    std::string NamazuOption;
    std::string Options;
    // The 0-based offset of the first hit to show; 0 adds no option.
    int Whence = 0;
    // The full path of the result file; Namazu 2.0 is given its name only.
    std::string ResultFile;
    std::string Formula;
    std::string IndexList;
};

std::string NamazuCommandLine(const NamazuRun& run);
