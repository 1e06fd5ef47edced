#include "result/namazu_conf.h"

#include "catalogue/path_utilities.h"

namespace {

const char kSeparator13[] = "\t";
const char kSeparator20[] = "        ";

// Every 0x5C byte and quote escaped, trail bytes included: namazurc reads
// bytes.
std::string Escaped(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\\' || c == '"')
            result += '\\';
        result += c;
    }
    return result;
}

bool HasBlank(const std::string& text) {
    return text.find_first_of(" \t") != std::string::npos;
}

// A value of a 2.0 line; a replacement passes one more unescaping level.
std::string Value20(const std::string& value, bool replacement) {
    const std::string unquoted = replacement ? Escaped(value) : value;
    if (!HasBlank(value))
        return unquoted;
    return "\"" + Escaped(unquoted) + "\"";
}

std::string Line(const NamazuConf& conf, const std::string& keyword,
                 const std::vector<std::string>& values) {
    std::string line = keyword;
    for (size_t i = 0; i < values.size(); ++i) {
        line += conf.Namazu13 ? kSeparator13 : kSeparator20;
        const bool replacement = keyword == "REPLACE" && i == 1;
        line += conf.Namazu13 ? values[i] : Value20(values[i], replacement);
    }
    return line + (conf.Namazu13 ? "\n" : "\r\n");
}

} // namespace

std::string NamazuConfFileName(bool namazu13) {
    return namazu13 ? "namazu.conf" : "namazurc";
}

std::string NamazuConfText(const NamazuConf& conf) {
    std::string text = Line(conf, "INDEX", {conf.WorkDir});
    if (!conf.Namazu13)
        text += Line(conf, "Lang", {"ja_JP.SJIS"});
    for (size_t n = 0; n < conf.AltUrls.size(); ++n) {
        const std::string alias = "x" + std::to_string(n + 1) + "/";
        text += Line(conf, "REPLACE", {alias, LocalPathToUri(conf.AltUrls[n])});
    }
    return text + Line(conf, "REPLACE", {"account/", LocalPathToUri(conf.AccountDir)});
}
