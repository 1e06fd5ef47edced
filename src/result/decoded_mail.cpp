#include "result/decoded_mail.h"

#include "result/mime_header.h"
#include "result/transfer_encoding.h"
#include "text/charset_conversion.h"
#include "text/html_to_text.h"
#include "text/shift_jis.h"

#include <optional>
#include <string_view>
#include <vector>

namespace {

// Deeper nesting is no mail anyone sends; the limit keeps the stack small.
const int kMaxMultipartDepth = 20;

// Lines ending in CR LF, LF or CR.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    bool Next(std::string_view& line) {
        if (next_ >= text_.size())
            return false;
        start_ = next_;
        size_t end = start_;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n')
            ++end;
        line = text_.substr(start_, end - start_);
        next_ = end;
        if (next_ < text_.size())
            next_ += text_.compare(next_, 2, "\r\n") == 0 ? 2 : 1;
        return true;
    }

    size_t LineStart() const { return start_; }
    size_t NextLineStart() const { return next_; }

private:
    std::string_view text_;
    size_t start_ = 0;
    size_t next_ = 0;
};

// A header with its body: the fields unfolded, "Name: value".
struct Entity {
    std::vector<std::string> fields;
    std::string_view body;
};

Entity ParseEntity(std::string_view text) {
    Entity entity;
    LineCursor lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        if (line.empty()) {
            entity.body = text.substr(lines.NextLineStart());
            break;
        }
        if ((line[0] == ' ' || line[0] == '\t') && !entity.fields.empty())
            entity.fields.back() += line;
        else
            entity.fields.emplace_back(line);
    }
    return entity;
}

std::string FieldValue(const Entity& entity, const std::string& name) {
    for (const std::string& field : entity.fields) {
        if (field.size() > name.size() && field[name.size()] == ':' &&
            EqualsIgnoringAsciiCase(field.substr(0, name.size()), name))
            return field.substr(name.size() + 1);
    }
    return "";
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsAllBlank(std::string_view text) {
    for (char c : text) {
        if (!IsBlank(c))
            return false;
    }
    return true;
}

// The parts between the delimiter lines; an unterminated last part runs to
// the end.
std::vector<std::string_view> SplitParts(std::string_view body, const std::string& boundary) {
    const std::string delimiter = "--" + boundary;
    std::vector<std::string_view> parts;
    std::optional<size_t> partStart;
    size_t previousLineEnd = 0;
    LineCursor lines(body);
    std::string_view line;
    while (lines.Next(line)) {
        const size_t lineStart = lines.LineStart();
        const bool isDelimiter = line.compare(0, delimiter.size(), delimiter) == 0;
        const std::string_view rest = isDelimiter ? line.substr(delimiter.size()) : line;
        const bool closes = isDelimiter && rest.compare(0, 2, "--") == 0;
        if (isDelimiter && (closes || IsAllBlank(rest))) {
            if (partStart)
                parts.push_back(
                    body.substr(*partStart, std::max(previousLineEnd, *partStart) - *partStart));
            if (closes)
                return parts;
            partStart = lines.NextLineStart();
        }
        previousLineEnd = lineStart + line.size();
    }
    if (partStart)
        parts.push_back(body.substr(std::min(*partStart, body.size())));
    return parts;
}

struct Attachment {
    std::string name;
    size_t size;
};

struct Findings {
    std::optional<std::string> plainText;
    std::optional<std::string> htmlText;
    std::vector<Attachment> attachments;
};

// Line breaks inside a decoded name or field would break the pane's lines.
std::string OnOneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

std::string TransferDecodedBody(const Entity& entity) {
    return DecodeTransferEncoding(
        entity.body, ContentField(FieldValue(entity, "content-transfer-encoding")).Value());
}

void WalkEntity(const Entity& entity, int depth, Findings& findings);

void WalkMultipart(const Entity& entity, const std::string& boundary, int depth,
                   Findings& findings) {
    if (depth >= kMaxMultipartDepth)
        return;
    for (std::string_view part : SplitParts(entity.body, boundary))
        WalkEntity(ParseEntity(part), depth + 1, findings);
}

void WalkEntity(const Entity& entity, int depth, Findings& findings) {
    const ContentField type(FieldValue(entity, "content-type"));
    std::string mediaType = type.Value().empty() ? "text/plain" : type.Value();
    if (mediaType.compare(0, 10, "multipart/") == 0) {
        const std::string boundary = type.Parameter("boundary");
        if (!boundary.empty()) {
            WalkMultipart(entity, boundary, depth, findings);
            return;
        }
        mediaType = "text/plain";
    }
    const ContentField disposition(FieldValue(entity, "content-disposition"));
    std::string name = disposition.ParameterText("filename");
    if (name.empty())
        name = type.ParameterText("name");
    const bool isText = mediaType == "text/plain" || mediaType == "text/html";
    if (!name.empty() || disposition.Value() == "attachment" || !isText) {
        // the media type stands for a missing name; its bytes may be anything
        findings.attachments.push_back(
            {OnOneLine(name.empty() ? DecodeHeaderText(mediaType) : name),
             TransferDecodedBody(entity).size()});
    } else if (findings.plainText) {
        return;
    } else if (mediaType == "text/plain") {
        findings.plainText = ToShiftJis(TransferDecodedBody(entity), type.Parameter("charset"));
    } else if (!findings.htmlText) {
        findings.htmlText =
            HtmlToText(ToShiftJis(TransferDecodedBody(entity), type.Parameter("charset")));
    }
}

// text with each line ended by CR LF.
void AppendLines(std::string& out, std::string_view text) {
    LineCursor lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        out += line;
        out += "\r\n";
    }
}

std::string WithThousandsSeparators(size_t number) {
    std::string digits = std::to_string(number);
    for (size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

} // namespace

const char kAttachmentLabel[] = "[添付] ";
const char kAttachmentSizeUnit[] = " バイト";

std::string DecodedMailText(const std::string& fileBytes) {
    const Entity mail = ParseEntity(fileBytes);
    std::string out;
    out.reserve(fileBytes.size() + fileBytes.size() / 32);
    for (const std::string& field : mail.fields) {
        const std::string line = OnOneLine(DecodeHeaderText(field));
        if (!line.empty())
            AppendLines(out, line);
    }
    out += "\r\n";

    Findings findings;
    WalkEntity(mail, 0, findings);
    const std::string text = findings.plainText  ? *findings.plainText
                             : findings.htmlText ? *findings.htmlText
                                                 : std::string();
    AppendLines(out, text);
    if (!text.empty() && !findings.attachments.empty())
        out += "\r\n";
    for (const Attachment& attachment : findings.attachments) {
        out += kAttachmentLabel + attachment.name + " (" +
               WithThousandsSeparators(attachment.size) + kAttachmentSizeUnit + ")\r\n";
    }
    return out;
}
