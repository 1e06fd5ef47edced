#include "result/mail_preview.h"

#include "catalogue/path_utilities.h"
#include "result/decoded_mail.h"
#include "text/shift_jis.h"

#include <algorithm>

namespace {

bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string WithoutExtension(const std::string& path) {
    size_t dot = std::string::npos;
    for (size_t i = 0; i < path.size(); i = NextCharacter(path, i)) {
        if (IsPathSeparator(path[i]))
            dot = std::string::npos;
        else if (path[i] == '.')
            dot = i;
    }
    return dot == std::string::npos ? path : path.substr(0, dot);
}

} // namespace

size_t BodyLine(const std::vector<std::string>& lines) {
    const auto isEmpty = [](const std::string& line) { return line.empty(); };
    const auto firstEmpty = std::find_if(lines.begin(), lines.end(), isEmpty);
    if (firstEmpty == lines.end())
        return 0;
    const auto body = std::find_if_not(firstEmpty, lines.end(), isEmpty);
    return static_cast<size_t>(body - lines.begin());
}

std::string MailText(HostApi& host, const std::string& fileText, MailConversion conversion) {
    if (conversion == MailConversion::Decoded)
        return DecodedMailText(fileText);
    if (conversion == MailConversion::None || fileText.find('\x1B') == std::string::npos)
        return fileText;
    return host.JisToSjis(fileText);
}

std::string MailboxRelativeName(const std::string& mailPath, const std::string& mailbox) {
    return WithoutExtension(mailPath.substr(std::min(mailbox.size(), mailPath.size())));
}

std::optional<MailView> MailPreview::SelectMail(int index, MailConversion conversion,
                                                const std::vector<FormulaTerm>& terms) {
    if (index < 0 || index >= hits_.HitCount())
        return std::nullopt;
    const TClickableInfo& hit = hits_.Clickables[static_cast<size_t>(index)];
    selection_.CurrentMailPath = UrlToLocalPath(hit.Uri);

    MailView view;
    const std::optional<std::string> file = files_.ReadFile(selection_.CurrentMailPath);
    if (file) {
        const std::string text = MailText(host_, *file, conversion);
        std::vector<std::string> lines = PaneLines(text);
        const size_t top = BodyLine(lines);
        // The file's last line break stays, and with it the empty line the
        // caret can reach after it.
        if (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            lines.emplace_back();
        view.Text = PaneText(lines);
        view.TopCharacter = CharacterPositionOfLine(lines, top);
        view.Marks = WordMarks(view.Text, terms);
        if (!view.Marks.empty())
            view.MarkStarts = MarkStarts(view.Marks, PanePositions(lines));
    } else {
        ui_.ShowMessage(selection_.CurrentMailPath + " を開けません");
    }
    view.Subject = hit.Title;
    selection_.CurrentIndex = index;
    return view;
}

bool MailPreview::OpenInHost(WindowHandle hostWindow, const TSettings& settings) {
    host_.FolderOpenMail(hostWindow,
                         MailboxRelativeName(selection_.CurrentMailPath, host_.GetMailbox()));
    return settings.CloseOnMailView == "1";
}
