#pragma once

#include "settings/alias_info.h"

#include <string>
#include <vector>

// The in-memory copy of tarnwick.ini. Every value is text as stored; each
// list's length equals its count field after a load, and whoever changes a
// list sets the count before saving.
struct TSettings {
    // [General]
    std::string IndexingMenuCaption;
    std::string SearchMenuCaption;

    // [Mknmz]
    std::string When;
    std::string Ask;
    std::string ShowWindow;
    std::string InDosPromptWindow;
    std::string Minimize;
    std::string CloseOnFinish;
    std::string IntervalCountMail;
    std::string NowCountMail;
    std::string MknmzUsePreviousTarget;
    std::string MknmzTargetFolderCount;
    std::vector<std::string> MknmzFolders;
    std::string LastDate;
    std::string IndexDir;
    std::string UseTempDirectory;

    // [Search]
    std::string FormulaHistryCount;
    std::vector<std::string> History;
    std::string Sort;
    std::string SortDirection;
    std::string ShowContents;
    std::string ListCount;
    std::string SearchTargetFolderCount;
    std::vector<std::string> SearchFolders;
    std::string Alias;

    // [Result]
    std::string SearchOnChangeSettings;
    std::string RenameToFolderName;
    std::string CloseOnMailView;
    std::string ConfirmCommandLine;
    std::string FontNameResult;
    std::string FontSizeResult;
    std::string FontBoldResult;
    std::string FontNameMail;
    std::string FontSizeMail;
    std::string FontBoldMail;
    std::string Color;
    std::string SaveWindowPos;
    std::string SaveWindowSize;
    std::string WindowLeft;
    std::string WindowTop;
    std::string WindowWidth;
    std::string WindowHeight;

    // [Command]
    std::string namazuPath;
    std::string mknmzPath;
    std::string PerlPath;
    std::string namazuOption;
    std::string mknmzOption;
    std::string NamazuVersion;

    // [Alias]
    std::string AliasMax;
    std::vector<TAliasInfo> Aliases;
};

// What a new tarnwick.ini and "お薦めオプション" give mknmz of Namazu 2.0.
// Without -H (--no-hiragana): it drops every word of hiragana alone, so
// that a query such as 申し上げます, split by KAKASI, found nothing.
inline constexpr char kRecommendedMknmzOption20[] =
    "--use-kakasi --mailnews -EK --allow=\".*\\.alm\"";

// Only the exact "1.3" means Namazu 1.3; anything else is 2.0.
inline bool IsNamazu13(const TSettings& settings) {
    return settings.NamazuVersion == "1.3";
}
