#pragma once

#include <string>
#include <string_view>

// Content-Transfer-Encoding and the encodings of RFC 2047 encoded words.
// Each decoder takes whatever comes and never fails.

// Base64 ignoring line breaks, white space and other stray bytes; a missing
// padding is no loss, and a '=' ends a group, so that pieces encoded one
// after the other decode as a whole.
std::string DecodeBase64(std::string_view text);

// Quoted-printable: "=XX" in either case, soft line breaks "=" CR LF or
// "=" LF (spaces before the break allowed); any other '=' stays.
std::string DecodeQuotedPrintable(std::string_view text);

// The Q encoding of encoded words: quoted-printable with '_' for a space.
std::string DecodeQEncoding(std::string_view text);

// The body by its Content-Transfer-Encoding value (base64, quoted-printable,
// ignoring case); 7bit, 8bit, binary and anything unknown as they are.
std::string DecodeTransferEncoding(std::string_view body, std::string_view encoding);
