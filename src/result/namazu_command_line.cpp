#include "result/namazu_command_line.h"

#include "catalogue/path_utilities.h"
#include "text/shift_jis.h"

namespace {

std::string SortOption20(const ResultOptions& options) {
    switch (options.Sort) {
    case SortField::Earlier:
        return " --sort=field:date --ascending";
    case SortField::Later:
        return " --sort=field:date";
    case SortField::From:
        return " --sort=field:from";
    case SortField::To:
        return " --sort=field:to";
    case SortField::Subject:
        return " --sort=field:subject";
    case SortField::FileName:
        return " --sort=field:uri";
    default:
        return " --sort=score";
    }
}

std::string SortOption(const ResultOptions& options, bool namazu13) {
    if (namazu13) {
        if (options.Sort == SortField::Earlier)
            return " -e";
        return options.Sort == SortField::Later ? " -l" : "";
    }
    const bool byDate = options.Sort == SortField::Earlier || options.Sort == SortField::Later;
    const bool ascending = !byDate && options.Direction == SortDirection::Ascend;
    return SortOption20(options) + (ascending ? " --ascending" : "");
}

std::string CountOption(ListCount count, bool namazu13) {
    switch (count) {
    case ListCount::Twenty:
        return namazu13 ? " -n 20" : " --max=\"20\"";
    case ListCount::Fifty:
        return namazu13 ? " -n 50" : " --max=\"50\"";
    case ListCount::Hundred:
        return " -n 100";
    default:
        return namazu13 ? " -a" : " --all";
    }
}

// The catalogue keeps folder paths in lower case, so the work directory is
// matched without regard to case.
bool LiesUnder(const std::string& indexDir, const std::string& workDir) {
    return indexDir.size() > workDir.size() + 1 && indexDir[workDir.size()] == '\\' &&
           IsCharacterStart(indexDir, workDir.size()) &&
           EqualsIgnoringAsciiCase(indexDir.substr(0, workDir.size()), workDir);
}

// A piece with a blank is quoted, or namazu.exe would take its halves for
// two indexes.
std::string IndexPiece(const std::string& indexDir, const std::string& workDir, bool namazu13) {
    if (!LiesUnder(indexDir, workDir))
        return QuotedArgument(WithoutFinalBackslash(indexDir));
    const std::string relative =
        ReplaceAllWhole(WithoutFinalBackslash(indexDir.substr(workDir.size() + 1)), "\\", "/");
    const std::string piece = (namazu13 ? "" : "+") + relative;
    return piece.find_first_of(" \t") == std::string::npos ? piece : QuotedArgument(piece);
}

std::string TrimmedSpaces(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string WhenceOption(int whence, bool namazu13) {
    if (whence <= 0)
        return "";
    return (namazu13 ? " -w " : " --whence=") + std::to_string(whence);
}

std::string FileNamePart(const std::string& path) {
    const size_t separator = FindLastWhole(path, "\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

} // namespace

std::string NamazuOptionString(const ResultOptions& options, bool namazu13) {
    std::string result = SortOption(options, namazu13);
    if (options.ContentsOff)
        result += namazu13 ? " -s" : " --short";
    return result + CountOption(options.Count, namazu13);
}

std::string NamazuIndexList(const std::vector<std::string>& indexDirs, const std::string& workDir,
                            bool namazu13) {
    std::string list;
    for (const std::string& dir : indexDirs)
        list += IndexPiece(dir, workDir, namazu13) + " ";
    return TrimmedSpaces(list);
}

std::string QuotedArgument(const std::string& text) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (size_t i = 0; i < text.size(); i = NextCharacter(text, i)) {
        const size_t next = NextCharacter(text, i);
        // A lead byte cut off from its trail byte would take the closing
        // quote for one and run the argument into the next; being no
        // character, it is left out.
        if (next - i == 1 && IsLeadByte(static_cast<unsigned char>(text[i])))
            break;
        if (next - i == 1 && text[i] == '\\') {
            ++backslashes;
            quoted += '\\';
            continue;
        }
        if (next - i == 1 && text[i] == '"')
            quoted.append(backslashes + 1, '\\');
        backslashes = 0;
        quoted.append(text, i, next - i);
    }
    quoted.append(backslashes, '\\');
    return quoted + "\"";
}

std::string NamazuCommandLine(const NamazuRun& run) {
    const std::string program =
        "\"" + run.NamazuPath + "\"" + run.Options + WhenceOption(run.Whence, run.Namazu13);
    const std::string tail =
        " " + run.NamazuOption + " " + QuotedArgument(run.Formula) + " " + run.IndexList;
    if (run.Namazu13)
        return program + " -f namazu.conf -o \"" + run.ResultFile + "\"" + tail;
    return program + " --output=\"" + FileNamePart(run.ResultFile) + "\"" + tail;
}
