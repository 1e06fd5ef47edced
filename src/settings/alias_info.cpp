#include "settings/alias_info.h"

std::vector<std::string> AliasDirLines(const std::string& dirs) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < dirs.size(); ++i) {
        const char c = dirs[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < dirs.size() && dirs[i + 1] == '\n')
            ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}
