#include "result/result_pane_text.h"

std::string ResultPaneText(const std::string& fileBytes) {
    std::string text;
    text.reserve(fileBytes.size() + fileBytes.size() / 16);
    for (size_t i = 0; i < fileBytes.size(); ++i) {
        const char c = fileBytes[i];
        if (c == '\r' || c == '\n') {
            text += "\r\n";
            if (c == '\r' && i + 1 < fileBytes.size() && fileBytes[i + 1] == '\n')
                ++i;
        } else {
            text += c;
        }
    }
    return text;
}

std::string CommandLineViewText(const std::string& workDir, const std::string& commandLine) {
    return "WorkDir: \r\n" + workDir + "\r\n\r\nCommandLine: \r\n" + commandLine +
           "\r\n\r\nコマンドラインは、クリップボードにコピーされています。";
}
