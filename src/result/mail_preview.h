#pragma once

#include "platform/file_system.h"
#include "platform/handles.h"
#include "platform/host_api.h"
#include "platform/user_interface.h"
#include "result/formula_terms.h"
#include "result/result_rendering.h"
#include "result/word_marks.h"
#include "settings/settings_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The mail on display.
struct MailSelection {
    int CurrentIndex = 0; // in Clickables
    std::string CurrentMailPath;
};

// How the mail pane shows a mail file: JIS converted to Shift-JIS, its bytes
// as they are, or decoded as a mail reader shows it.
enum class MailConversion { JisToShiftJis, None, Decoded };

// What the mail pane shows for one hit.
struct MailView {
    // The file's lines joined with CR LF, its last line break kept; empty
    // when the file could not be read.
    std::string Text;
    // The start of the body's first line in RichEdit positions: the caret
    // goes there and that line is scrolled to the top.
    int32_t TopCharacter = 0;
    std::string Subject; // pnlSubject's caption
    // Where the formula's terms stand in Text, and the marks' starts in
    // RichEdit positions.
    std::vector<MarkedRange> Marks;
    std::vector<int32_t> MarkStarts;
};

// The line the pane scrolls to: the first non-empty line after the first
// empty one, the line count when only empty lines follow, or 0 without an
// empty line.
size_t BodyLine(const std::vector<std::string>& lines);

// The mail's text as the pane shows it. Only a text with an escape byte can
// hold JIS; any other text is shown as it is when converting JIS.
std::string MailText(HostApi& host, const std::string& fileText, MailConversion conversion);

// The name the host opens a mail by: mailPath without as many leading bytes
// as mailbox has, and without the extension of its last component.
std::string MailboxRelativeName(const std::string& mailPath, const std::string& mailbox);

class MailPreview {
public:
    MailPreview(FileSystem& files, HostApi& host, UserInterface& ui, const HitList& hits,
                MailSelection& selection)
        : files_(files), host_(host), ui_(ui), hits_(hits), selection_(selection) {}

    // Makes hit index the current one and gives its view, the terms marked;
    // nothing when there is no such hit. A file that cannot be read is
    // reported and gives an empty text, and the hit is still the current one.
    std::optional<MailView> SelectMail(int index, MailConversion conversion,
                                       const std::vector<FormulaTerm>& terms);

    // Hands the current mail to the host; true when the result window is
    // to close, false when it is to come back whenever the host's window
    // is active.
    bool OpenInHost(WindowHandle hostWindow, const TSettings& settings);

private:
    FileSystem& files_;
    HostApi& host_;
    UserInterface& ui_;
    const HitList& hits_;
    MailSelection& selection_;
};
