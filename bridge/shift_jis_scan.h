#pragma once

// A byte that starts a double-byte Shift-JIS character; the byte after it
// is a trail byte and may look like '\' (0x5C) without being one.
inline bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
