#include "search/alias_members.h"

#include "search/search_text.h"
#include "text/shift_jis.h"

std::vector<int> AliasMemberPositions(const FolderCatalogue& catalogue, const std::string& dirs,
                                      const std::string& indexBase) {
    std::vector<int> positions;
    for (const std::string& line : AliasDirLines(dirs)) {
        const int position = catalogue.FindFolderByIndexDir(indexBase + line);
        if (position >= 0)
            positions.push_back(position);
    }
    return positions;
}

std::string AliasDirsOf(const FolderCatalogue& catalogue, const std::vector<int>& positions,
                        const std::string& indexBase) {
    std::string dirs;
    for (int position : positions) {
        const std::string& indexDir = catalogue.At(position).IndexDir;
        dirs += indexDir.substr(EndOfLeadingPart(indexDir, indexBase)) + "\r";
    }
    return TrimControlCharacters(dirs);
}

std::vector<std::string> FolderTitles(const FolderCatalogue& catalogue,
                                      const std::vector<int>& positions) {
    std::vector<std::string> titles;
    for (int position : positions)
        titles.push_back(catalogue.At(position).Title);
    return titles;
}
