#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// An oracle that fails ends the run like a sanitizer would; the driver then
// saves the input.
inline void Check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: oracle failed: %s\n", what);
    std::abort();
}

// The input cut at each NUL byte: one fuzz input feeds several strings.
inline std::vector<std::string> Pieces(const uint8_t* data, size_t size) {
    std::vector<std::string> pieces(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            pieces.emplace_back();
        else
            pieces.back() += static_cast<char>(data[i]);
    }
    return pieces;
}
