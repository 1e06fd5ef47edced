// Any bytes as a mail file: the decoded view is well-formed Shift-JIS with
// CR LF after every line, grows at most by a constant factor, shows the
// header as the header alone decodes (with no empty line inside it), and
// takes time linear in the input: the input repeated takes about as many
// times longer.
#include "fuzz_support.h"
#include "result/decoded_mail.h"
#include "text/shift_jis.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

const size_t kGrowthFactor = 4;
const size_t kGrowthSlack = 64;
const int kRepeats = 8;
// Linear time gives kRepeats times as long, quadratic kRepeats squared; the
// margin covers a busy machine.
const double kSlowdownLimit = 5.0 * kRepeats;
const double kShortestTimed = 0.002;
const int kRetimings = 3;

bool IsShiftJisTrail(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

bool IsWellFormed(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(byte)) {
            if (i + 1 == text.size() || !IsShiftJisTrail(static_cast<unsigned char>(text[++i])))
                return false;
        } else if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD) {
            return false;
        } else if (byte == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) {
            return false;
        } else if (byte == '\n' && (i == 0 || text[i - 1] != '\r')) {
            return false;
        }
    }
    return text.empty() || text.back() == '\n';
}

// The input up to its first empty line (CR LF, LF or CR end a line).
std::string HeaderPart(const std::string& mail) {
    size_t start = 0;
    while (start < mail.size()) {
        const size_t end = std::min(mail.find_first_of("\r\n", start), mail.size());
        if (end == start)
            return mail.substr(0, start);
        start = end + (mail.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return mail;
}

bool OnlyAttachmentLines(const std::string& text) {
    for (size_t start = 0; start < text.size(); start = text.find("\r\n", start) + 2) {
        if (text.compare(start, std::strlen(kAttachmentLabel), kAttachmentLabel) != 0)
            return false;
    }
    return true;
}

bool LooksNonLinear(double once, double many) {
    return many >= kShortestTimed &&
           many >= kSlowdownLimit * std::max(once, kShortestTimed / kRepeats);
}

double SecondsToDecode(const std::string& mail, std::string& out) {
    const auto start = std::chrono::steady_clock::now();
    out = DecodedMailText(mail);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string mail(reinterpret_cast<const char*>(data), size);
    std::string out;
    const double once = SecondsToDecode(mail, out);
    Check(IsWellFormed(out), "the view is no well-formed Shift-JIS with CR LF line ends");
    Check(out.size() <= kGrowthFactor * size + kGrowthSlack, "the view grew too much");

    // Without a body only attachment lines may follow the header's end, so
    // an empty line inside the header would leave header lines after it.
    const std::string alone = DecodedMailText(HeaderPart(mail));
    const size_t headerEnd = alone.compare(0, 2, "\r\n") == 0 ? 2 : alone.find("\r\n\r\n") + 4;
    Check(headerEnd <= alone.size() && OnlyAttachmentLines(alone.substr(headerEnd)),
          "an empty line inside the header");
    Check(out.compare(0, headerEnd, alone, 0, headerEnd) == 0,
          "the header shows otherwise with a body");

    std::string repeated;
    for (int i = 0; i < kRepeats; ++i)
        repeated += mail;
    if (!LooksNonLinear(once, SecondsToDecode(repeated, out)))
        return 0;
    // a busy machine can stall one run: only the best of a few counts
    double onceBest = once, manyBest = 1e9;
    for (int round = 0; round < kRetimings; ++round) {
        onceBest = std::min(onceBest, SecondsToDecode(mail, out));
        manyBest = std::min(manyBest, SecondsToDecode(repeated, out));
    }
    Check(!LooksNonLinear(onceBest, manyBest), "time grows faster than the input");
    return 0;
}
