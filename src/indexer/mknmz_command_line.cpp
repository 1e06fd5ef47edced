#include "indexer/mknmz_command_line.h"

#include "catalogue/path_utilities.h"
#include "text/shift_jis.h"

namespace {

// Paths longer than this make mknmz of Namazu 1.3 fail on Windows 95/98/Me.
const size_t kLongestPlainPath = 60;

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Slashed(const std::string& path) {
    return ReplaceAllWhole(path, "\\", "/");
}

// Perl reads the pattern byte by byte and knows nothing of Shift-JIS, so
// every byte that is pattern syntax or the "#" delimiter is escaped, the
// trail byte 0x5C of ソ or 表 and a trail byte "[" or "|" included.
std::string PerlPatternLiteral(const std::string& text) {
    const std::string syntax = "\\^$.|?*+()[]{}#@";
    std::string literal;
    for (char byte : text) {
        if (syntax.find(byte) != std::string::npos)
            literal += '\\';
        literal += byte;
    }
    return literal;
}

std::string BaseCommand(const TSettings& settings, const std::string& include = "") {
    const std::string includeOption = include.empty() ? "" : " --include=" + Quoted(include);
    return Quoted(settings.PerlPath) + " " + Quoted(settings.mknmzPath) + includeOption + " " +
           settings.mknmzOption;
}

std::string DocumentPrefix(const MknmzTarget& target) {
    return Quoted("account/" + Slashed(target.RelativePath));
}

std::string LastDirectoryName(const std::string& folderPath) {
    return WithoutFinalBackslash(folderPath.substr(ParentDir(folderPath).size()));
}

} // namespace

std::string AccountReplaceCode(const std::string& accountDir) {
    return "s#" + PerlPatternLiteral(Slashed(accountDir)) + "#account/#i";
}

std::string MknmzCommandLine(const TSettings& settings, const MknmzTarget& target) {
    if (IsNamazu13(settings)) {
        return BaseCommand(settings) + " -O " + Quoted(target.OutputDir) + " " +
               DocumentPrefix(target) + "  " + Quoted(WithoutFinalBackslash(target.FolderPath));
    }
    return BaseCommand(settings, target.IncludeFile) + " --output-dir=" + Quoted(target.OutputDir) +
           " --replace=" + Quoted(AccountReplaceCode(target.AccountDir)) + " .";
}

std::string SubstitutedMknmzCommandLine(const TSettings& settings, const MknmzTarget& target,
                                        char drive) {
    return BaseCommand(settings) + " -t \".*\\.alm\" -O " + Quoted(target.OutputDir) + " " +
           DocumentPrefix(target) + " " +
           Quoted(std::string(1, drive) + ":\\" + LastDirectoryName(target.FolderPath));
}

bool NeedsDriveSubstitution(const TSettings& settings, const std::string& folderPath,
                            bool ntFamily) {
    return folderPath.size() > kLongestPlainPath && !ntFamily && IsNamazu13(settings);
}

std::string SubstCreateCommand(char drive, const std::string& folderPath) {
    return "COMMAND.COM /C SUBST " + std::string(1, drive) + ": " +
           WithoutFinalBackslash(ParentDir(folderPath));
}

std::string SubstRemoveCommand(char drive) {
    return "COMMAND.COM /C SUBST " + std::string(1, drive) + ": /D";
}
