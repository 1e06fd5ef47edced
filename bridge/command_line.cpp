#include "command_line.h"

#include "text/shift_jis.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The program name knows no escapes: quoted up to the next quote, else up
// to the first blank.
size_t SkipProgramName(const std::string& line) {
    size_t i = 0;
    if (i < line.size() && line[i] == '"') {
        i = line.find('"', 1);
        return i == std::string::npos ? line.size() : i + 1;
    }
    while (i < line.size() && !IsBlank(line[i])) {
        i += IsLeadByte(line[i]) && i + 1 < line.size() ? 2 : 1;
    }
    return i;
}

class ArgumentReader {
public:
    ArgumentReader(const std::string& line, size_t position) : line_(line), i_(position) {}

    bool AtEnd() {
        while (i_ < line_.size() && IsBlank(line_[i_])) {
            ++i_;
        }
        return i_ >= line_.size();
    }

    std::string Next() {
        std::string argument;
        bool quoted = false;
        while (i_ < line_.size()) {
            const char c = line_[i_];
            if (IsLeadByte(c) && i_ + 1 < line_.size()) {
                argument.append(line_, i_, 2);
                i_ += 2;
            } else if (c == '\\') {
                ReadBackslashes(argument);
            } else if (c == '"') {
                if (quoted && i_ + 1 < line_.size() && line_[i_ + 1] == '"') {
                    argument += '"';
                    i_ += 2;
                } else {
                    quoted = !quoted;
                    ++i_;
                }
            } else if (IsBlank(c) && !quoted) {
                break;
            } else {
                argument += c;
                ++i_;
            }
        }
        return argument;
    }

private:
    void ReadBackslashes(std::string& argument) {
        size_t count = 0;
        while (i_ < line_.size() && line_[i_] == '\\') {
            ++count;
            ++i_;
        }
        if (i_ < line_.size() && line_[i_] == '"') {
            argument.append(count / 2, '\\');
            if (count % 2 == 1) {
                argument += '"';
                ++i_;
            }
        } else {
            argument.append(count, '\\');
        }
    }

    const std::string& line_;
    size_t i_;
};

} // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> arguments;
    ArgumentReader reader(commandLine, SkipProgramName(commandLine));
    while (!reader.AtEnd()) {
        arguments.push_back(reader.Next());
    }
    return arguments;
}
