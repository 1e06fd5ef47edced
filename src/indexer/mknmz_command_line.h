#pragma once

#include "settings/settings_record.h"

#include <string>

// What the mknmz command line of one folder is made of.
struct MknmzTarget {
    std::string FolderPath;   // the folder directory, ending in '\'
    std::string OutputDir;    // where the index goes, without a final '\'
    std::string AccountDir;   // ending in '\'
    std::string RelativePath; // FolderPath without the account directory
    std::string IncludeFile;  // Perl that Namazu 2.0's mknmz includes; empty for none
};

// mknmz's Perl code that names documents account/... in place of the
// account directory, matched literally and ignoring case.
std::string AccountReplaceCode(const std::string& accountDir);

// The Namazu 2.0 form, run in the folder directory, or the 1.3 form. The
// include comes before the user's options, so that an include of their own
// takes its place.
std::string MknmzCommandLine(const TSettings& settings, const MknmzTarget& target);

// The 1.3 form that names the folder through a substituted drive, for
// Windows 95/98/Me where long paths break mknmz.
std::string SubstitutedMknmzCommandLine(const TSettings& settings, const MknmzTarget& target,
                                        char drive);

// Whether mknmz needs the folder's parent behind a drive letter.
bool NeedsDriveSubstitution(const TSettings& settings, const std::string& folderPath,
                            bool ntFamily);

std::string SubstCreateCommand(char drive, const std::string& folderPath);
std::string SubstRemoveCommand(char drive);
