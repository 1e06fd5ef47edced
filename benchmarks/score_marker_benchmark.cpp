// Renders a result whose one title holds score-marker-like runs in broken
// Shift-JIS, each run starting on what a lead byte makes a trail byte, at
// 100 KB and 400 KB. Linear work takes about 4 times as long for the larger
// title, quadratic work about 16 times.
#include "result/result_rendering.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

std::string ResultWithTitleOf(size_t bytes) {
    const std::string run = "\x81 (score:";
    std::string title = "1. ";
    while (title.size() < bytes)
        title += run;
    return "検索結果\n\n" + title + " (スコア: 1)\n/C|/a/1.alm (1 bytes)\n\n\n\n\n\n";
}

double BestSeconds(const std::string& result) {
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        HitList hits;
        const auto start = std::chrono::steady_clock::now();
        RenderResult(result, RenderOptions(), hits);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

} // namespace

int main() {
    const double small = BestSeconds(ResultWithTitleOf(100 * 1024));
    const double large = BestSeconds(ResultWithTitleOf(400 * 1024));
    std::printf("title of 100 KB: %.2f ms\n", small * 1000);
    std::printf("title of 400 KB: %.2f ms\n", large * 1000);
    std::printf("ratio: %.1fx (linear about 4x, quadratic about 16x)\n", large / small);
    return 0;
}
