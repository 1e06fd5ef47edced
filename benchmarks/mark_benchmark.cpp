// Marks three words of a formula in a Japanese mail of about 1 MB and
// builds the pane's RTF with the marks, against building the RTF of the
// same text without marks.
#include "result/formula_terms.h"
#include "result/pane_positions.h"
#include "result/rich_text_document.h"
#include "result/word_marks.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

const size_t kMailBytes = 1024 * 1024;

double Seconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string GeneratedMail() {
    std::string mail = "From: 山田 太郎 <taro@example.jp>\r\nSubject: 来週の予算会議\r\n\r\n";
    for (int line = 0; mail.size() < kMailBytes; ++line) {
        mail += "お世話になっております。来週の予算会議の資料を送ります。表計算のファイルは"
                "共有フォルダに置きました。Lunch の件も了解です。第" +
                std::to_string(line) + "行\r\n";
    }
    return mail;
}

} // namespace

int main() {
    const std::string mail = PaneText(PaneLines(GeneratedMail()));
    const std::vector<FormulaTerm> terms = FormulaTerms("予算会議 and lunch +subject:資料");
    double markedBest = 1e9, plainBest = 1e9;
    size_t marks = 0, markedSize = 0, plainSize = 0;
    for (int round = 0; round < 7; ++round) {
        double start = Seconds();
        const std::vector<MarkedRange> found = WordMarks(mail, terms);
        const std::vector<int32_t> starts = MarkStarts(found, PanePositions(PaneLines(mail)));
        markedSize = RichTextDocument(mail, {}, found).size();
        markedBest = std::min(markedBest, Seconds() - start);
        marks = starts.size();
        start = Seconds();
        plainSize = RichTextDocument(mail, {}).size();
        plainBest = std::min(plainBest, Seconds() - start);
    }
    std::printf("mail: %zu bytes, %zu terms, %zu marks\n", mail.size(), terms.size(), marks);
    std::printf("marks, their RichEdit starts and the RTF with marks (%zu bytes): %.2f ms\n",
                markedSize, markedBest * 1000);
    std::printf("the RTF without marks (%zu bytes): %.2f ms\n", plainSize, plainBest * 1000);
    std::printf("ratio: %.2fx the RTF without marks\n", markedBest / plainBest);
    return terms.size() == 3 && marks > 0 ? 0 : 1;
}
