#include "search/search_text.h"

#include "text/shift_jis.h"

namespace {

const char kIdeographicSpace[] = "　";

} // namespace

std::string WithoutIdeographicSpaces(const std::string& text) {
    return ReplaceAllWhole(text, kIdeographicSpace, "");
}

bool IsEmptyWithoutIdeographicSpaces(const std::string& text) {
    return WithoutIdeographicSpaces(text).empty();
}
