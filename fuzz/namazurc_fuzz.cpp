// Work directory, account directory and AltURL paths cut at NULs: read back
// the way Namazu 2.0 reads its namazurc, every value arrives as given.
#include "catalogue/path_utilities.h"
#include "fuzz_support.h"
#include "result/namazu_conf.h"

namespace {

// Windows paths hold no control characters and none of these.
std::string AsPath(const std::string& piece) {
    std::string path;
    for (char c : piece) {
        if (static_cast<unsigned char>(c) >= 0x20 &&
            std::string("\"<>|*?").find(c) == std::string::npos)
            path += c;
    }
    return path;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A line's words: unquoted ones end at a blank; in double quotes a
// backslash takes the next byte as it is.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (true) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i == line.size())
            return words;
        std::string word;
        if (line[i] == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size())
                    ++i;
                word += line[i];
            }
            ++i;
        } else {
            for (; i < line.size() && !IsBlank(line[i]); ++i)
                word += line[i];
        }
        words.push_back(word);
    }
}

// A REPLACE replacement loses one more level of backslashes.
std::string Unescaped(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size())
            ++i;
        result += text[i];
    }
    return result;
}

std::vector<std::vector<std::string>> Lines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(Words(text.substr(start, end - start)));
    Check(start == text.size(), "the file does not end in a line break");
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> values = Pieces(data, size);
    for (std::string& value : values)
        value = AsPath(value);
    values.resize(std::max<size_t>(values.size(), 2), "c:\\");
    for (const std::string& value : values) {
        if (value.empty())
            return 0;
    }
    NamazuConf conf;
    conf.WorkDir = values[0];
    conf.AccountDir = values[1];
    conf.AltUrls.assign(values.begin() + 2, values.end());

    const auto lines = Lines(NamazuConfText(conf));
    Check(lines.size() == conf.AltUrls.size() + 3, "a value broke its line");
    Check(lines[0] == std::vector<std::string>{"INDEX", conf.WorkDir}, "INDEX reads another path");
    for (size_t i = 2; i < lines.size(); ++i) {
        const bool account = i + 1 == lines.size();
        const std::string& path = account ? conf.AccountDir : conf.AltUrls[i - 2];
        Check(lines[i].size() == 3 && lines[i][0] == "REPLACE", "a REPLACE line with other words");
        Check(account ? lines[i][1] == "account/"
                      : lines[i][1] == "x" + std::to_string(i - 1) + "/",
              "a REPLACE line with another pattern");
        Check(Unescaped(lines[i][2]) == LocalPathToUri(path), "a replacement reads another URI");
    }
    return 0;
}
