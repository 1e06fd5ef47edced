// Renders a namazu 2.0 result of 2,965 hits (about 1 MB) with the folder
// titles, the hit blocks, both click maps and the position map, and compares
// it with splitting the same bytes into lines and nothing more.
#include "generated_result.h"
#include "result/result_rendering.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kHits = 2965;
const int kFolders = 12;

double Seconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

size_t SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines.size();
}

} // namespace

int main() {
    const std::string result = GeneratedNamazuResult(kHits, kFolders);
    RenderOptions options;
    options.RenameToFolderName = true;
    options.FolderTitles.assign(kFolders, "予定表");
    HitList hits;
    double renderBest = 1e9, splitBest = 1e9;
    size_t lines = 0;
    for (int round = 0; round < 7; ++round) {
        double start = Seconds();
        RenderResult(result, options, hits);
        renderBest = std::min(renderBest, Seconds() - start);
        start = Seconds();
        lines = SplitLines(result);
        splitBest = std::min(splitBest, Seconds() - start);
    }
    std::printf("result: %zu bytes, %zu lines, %d hits\n", result.size(), lines, hits.HitCount());
    std::printf("RenderResult: %.2f ms\n", renderBest * 1000);
    std::printf("splitting the same bytes into lines: %.2f ms\n", splitBest * 1000);
    std::printf("ratio: %.2fx the line split\n", renderBest / splitBest);
    return hits.HitCount() == kHits ? 0 : 1;
}
