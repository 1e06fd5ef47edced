#pragma once

#include <string>

// An attachment is shown on a line of its own: kAttachmentLabel, its name,
// then its decoded size in parentheses, with thousands separators and
// kAttachmentSizeUnit: "[添付] report.pdf (12,345 バイト)".
extern const char kAttachmentLabel[];
extern const char kAttachmentSizeUnit[];

// A mail file as its reader wants it, in Shift-JIS with CR LF after every
// line. First the header fields in their order, each on one line (folded
// lines joined), encoded words decoded; then one empty line; then the body
// decoded by its transfer encoding and charset. Of a multipart mail the
// body is the first text/plain part, or failing that the text of the first
// text/html part, followed by a line for each attachment (a part with a
// name, marked as attachment, or of a type other than text/plain and
// text/html); other parts are left out. A multipart without a boundary is
// shown as text; multiparts nested deeper than 20 levels are left out.
std::string DecodedMailText(const std::string& fileBytes);
