#include "catalogue/console_output.h"

#include "text/shift_jis.h"
#include "text/trimming.h"

#include <algorithm>

namespace {

const char kCrLf[] = "\r\n";

std::string WithoutNuls(const std::string& text) {
    std::string result = text;
    result.erase(std::remove(result.begin(), result.end(), '\0'), result.end());
    return result;
}

// The longest prefix of text no longer than limit that ends between characters.
size_t WholeCharactersWithin(const std::string& text, size_t limit) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + (IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1);
        if (next > limit)
            break;
        end = next;
    }
    return end;
}

} // namespace

const char kCaptureSeparator[] = "\r\n\r\n";

std::string CaptureHeader(const std::string& workDir, const std::string& commandLine) {
    return "WorkDir: " + workDir + kCrLf + "CommandLine: " + kCrLf + commandLine + kCrLf + kCrLf;
}

std::string ViewLine(const std::string& block) {
    return TrimTrailingControlCharacters(block) + kCrLf;
}

std::string StartFailureMessage(const std::string& workDir, const std::string& commandLine) {
    return std::string("起動に失敗しました。") + "\n\n" + "作業ディレクトリ: " + workDir + "\n" +
           "コマンド: " + commandLine;
}

std::string PipeFailureMessage() {
    return "パイプの作成に失敗しました。";
}

std::string CaptureStartFailureMessage(const std::string& commandLine, unsigned long errorCode) {
    return std::string("コマンドの実行に失敗しました。") + "\n" + commandLine + "\n" +
           "エラーコード： " + std::to_string(errorCode);
}

std::string ConsoleOutputSplitter::Add(const std::string& chunk) {
    const std::string text = WithoutNuls(chunk);
    const size_t lastLf = text.rfind('\n');
    if (lastLf == std::string::npos) {
        Keep(text);
        return {};
    }
    const size_t firstLf = text.find('\n');
    Keep(text.substr(0, firstLf));
    std::string block = pending_ + text.substr(firstLf, lastLf + 1 - firstLf);
    EndLine();
    Keep(text.substr(lastLf + 1));
    return block;
}

std::string ConsoleOutputSplitter::TakeRest() {
    std::string rest = pending_;
    EndLine();
    return rest;
}

void ConsoleOutputSplitter::Keep(const std::string& text) {
    if (cutting_)
        return;
    const size_t room = kLongestPendingLine - pending_.size();
    if (text.size() <= room) {
        pending_ += text;
        return;
    }
    // pending_ starts a line, so its characters begin where the scan assumes.
    const std::string line = pending_ + text;
    pending_ = line.substr(0, WholeCharactersWithin(line, kLongestPendingLine));
    cutting_ = true;
}

void ConsoleOutputSplitter::EndLine() {
    pending_.clear();
    cutting_ = false;
}
