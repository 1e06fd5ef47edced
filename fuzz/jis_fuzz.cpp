// Any bytes convert without growing; and Shift-JIS text made from the input
// (ASCII, half-width kana, JIS X 0208 pairs), written as ISO-2022-JP by the
// textbook rules, converts back to itself.
#include "fuzz_support.h"
#include "host/jis_to_sjis.h"

namespace {

struct Encoded {
    std::string jis;
    std::string sjis;
};

void Select(Encoded& out, std::string& current, const std::string& escape) {
    if (current != escape)
        out.jis += "\x1B" + escape;
    current = escape;
}

// The textbook JIS row/cell to Shift-JIS arithmetic.
std::string SjisOf(unsigned row, unsigned cell) {
    const unsigned lead = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
    const unsigned trail = cell + ((row & 1) ? (cell > 0x5F ? 0x20 : 0x1F) : 0x7E);
    return {static_cast<char>(lead), static_cast<char>(trail)};
}

Encoded Encode(const uint8_t* data, size_t size) {
    Encoded out;
    std::string current = "(B";
    for (size_t i = 0; i < size; ++i) {
        const uint8_t byte = data[i];
        if (byte < 0x80 && byte != 0x1B) {
            Select(out, current, "(B");
            out.jis += static_cast<char>(byte);
            out.sjis += static_cast<char>(byte);
        } else if (byte >= 0xA1 && byte <= 0xDF) {
            Select(out, current, "(I");
            out.jis += static_cast<char>(byte - 0x80);
            out.sjis += static_cast<char>(byte);
        } else if (i + 1 < size) {
            const unsigned row = 0x21 + byte % 94;
            const unsigned cell = 0x21 + data[++i] % 94;
            Select(out, current, byte & 1 ? "$B" : "$@");
            out.jis += {static_cast<char>(row), static_cast<char>(cell)};
            out.sjis += SjisOf(row, cell);
        }
    }
    Select(out, current, "(B");
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    Check(JisToSjis(raw).size() <= size, "the conversion grew the text");
    const Encoded encoded = Encode(data, size);
    Check(JisToSjis(encoded.jis) == encoded.sjis, "JIS text did not convert to its Shift-JIS");
    return 0;
}
