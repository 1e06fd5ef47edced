// ProfileDocument against the system's own profile functions: the same
// operations on the same file must give the same values and the same bytes.
//
// The A functions pass every byte through the ANSI code page. Under Wine with
// LANG=C that is 1252, under a Japanese locale 932; the bytes 0xA1 to 0xDF are
// single characters that survive the round trip in both, and are not lead
// bytes, so the files here use ASCII plus those. Files with a UTF-8 mark are
// read by the system as UTF-8, so they stay ASCII. Shift-JIS is covered by the
// native tests.

#include "settings/profile_document.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Operation {
    bool isWrite = false;
    std::string section;
    std::string key;
    std::string text; // the value written, or the default read
};

Operation ReadOf(std::string section, std::string key, std::string defaultValue = "") {
    return Operation{false, std::move(section), std::move(key), std::move(defaultValue)};
}

Operation WriteOf(std::string section, std::string key, std::string value) {
    return Operation{true, std::move(section), std::move(key), std::move(value)};
}

std::string Visible(const std::string& text) {
    std::ostringstream out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F)
            out << "\\x" << std::hex << static_cast<int>(byte) << std::dec;
        else
            out << c;
    }
    if (text.size() > 80)
        return "(" + std::to_string(text.size()) + " bytes) " + out.str().substr(0, 80) + "...";
    return out.str();
}

// The text from a little before where the two first differ, shown readably.
std::string FromFirstDifference(const std::string& text, const std::string& other) {
    const auto differ = std::mismatch(text.begin(), text.end(), other.begin(), other.end());
    const std::size_t at = static_cast<std::size_t>(differ.first - text.begin());
    const std::size_t from = at > 20 ? at - 20 : 0;
    return "at " + std::to_string(at) + " of " + std::to_string(text.size()) + ": " +
           Visible(text.substr(from));
}

std::string Describe(const Operation& operation) {
    return std::string(operation.isWrite ? "Write" : "Read") + " [" + Visible(operation.section) +
           "] <" + Visible(operation.key) + "> " + (operation.isWrite ? "value" : "default") +
           " <" + Visible(operation.text) + ">";
}

// A real file handled by GetPrivateProfileStringA and WritePrivateProfileStringA.
class SystemProfileFile {
public:
    SystemProfileFile() {
        char directory[MAX_PATH];
        GetTempPathA(MAX_PATH, directory);
        path_ = std::string(directory) + "tarnwick_profile_differential.ini";
    }
    ~SystemProfileFile() {
        Forget();
        DeleteFileA(path_.c_str());
    }

    void Reset(const std::string* bytes) {
        Forget();
        DeleteFileA(path_.c_str());
        if (bytes) {
            std::ofstream out(path_, std::ios::binary);
            out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
        }
    }

    std::string Read(const Operation& operation) const {
        std::vector<char> buffer(2048, '\0');
        GetPrivateProfileStringA(operation.section.c_str(), operation.key.c_str(),
                                 operation.text.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path_.c_str());
        return std::string(buffer.data());
    }

    void Write(const Operation& operation) const {
        WritePrivateProfileStringA(operation.section.c_str(), operation.key.c_str(),
                                   operation.text.c_str(), path_.c_str());
    }

    // Empty when the file does not exist.
    std::string Bytes() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream bytes;
        if (in)
            bytes << in.rdbuf();
        return bytes.str();
    }

private:
    // Drops the system's cached copy of the file.
    void Forget() const { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()); }

    std::string path_;
};

// Runs the operations on both sides; stops at the first difference.
void ExpectSameBehaviour(SystemProfileFile& system, const std::string* fileBytes,
                         const std::vector<Operation>& operations) {
    const std::string original = fileBytes ? *fileBytes : std::string();
    SCOPED_TRACE("file " + (fileBytes ? Visible(original) : std::string("missing")));
    system.Reset(fileBytes);
    ProfileDocument document(original);
    for (std::size_t step = 0; step < operations.size(); ++step) {
        const Operation& operation = operations[step];
        SCOPED_TRACE("step " + std::to_string(step) + ": " + Describe(operation));
        if (!operation.isWrite) {
            const std::string expected = system.Read(operation);
            const std::string actual =
                document.Read(operation.section, operation.key, operation.text);
            ASSERT_TRUE(expected == actual)
                << "system: " << Visible(expected) << "\nours:   " << Visible(actual);
            continue;
        }
        system.Write(operation);
        document.Write(operation.section, operation.key, operation.text);
        const std::string ours = document.IsModified() ? document.Serialize() : original;
        const std::string onDisk = system.Bytes();
        ASSERT_TRUE(onDisk == ours) << "system: " << FromFirstDifference(onDisk, ours)
                                    << "\nours:   " << FromFirstDifference(ours, onDisk);
    }
}

bool AnsiCodePageKeepsTestBytes() {
    const UINT codePage = GetACP();
    return codePage == 1252 || codePage == 932;
}

struct HandWrittenCase {
    const char* title;
    bool fileExists;
    std::string bytes;
    std::vector<Operation> operations;
};

std::string Repeat(char c, std::size_t count) {
    return std::string(count, c);
}

std::vector<HandWrittenCase> HandWrittenCases() {
    const std::string long3000 = Repeat('v', 3000);
    const std::string quoted2047 = "\"" + Repeat('q', 2047) + "\"";
    const std::string quoted2046 = "\"" + Repeat('q', 2046) + "\"";
    return {
        {"names in any letter case, first of duplicates wins",
         true,
         "[General]\r\nKey=one\r\nkey=two\r\n[GENERAL]\r\nOther=x\r\n",
         {ReadOf("general", "KEY"), ReadOf("GENERAL", "other", "none"),
          WriteOf("general", "OTHER", "y"), ReadOf("General", "other"),
          WriteOf("gEnErAl", "kEy", "three"), ReadOf("General", "key")}},
        {"spaces around names and equals signs",
         true,
         "  [  Sec  ]  \n  Key  =  value  \n\tTab\t=\tx\t\n",
         {ReadOf(" sec ", "  key  "), ReadOf("Sec", "tab"), WriteOf("sec", "key", "value"),
          WriteOf(" sec", "key ", "  other  "), ReadOf("sec", "key"),
          WriteOf("sec", "new", "  lead and trail  "), ReadOf("sec", "new")}},
        {"LF, CR and mixed line ends, no final line end",
         true,
         "[A]\na=1\rb=2\r\r\nc=3\n\r\n[B]\r\nd=4",
         {ReadOf("A", "a"), ReadOf("A", "b"), ReadOf("A", "c"), ReadOf("B", "d"),
          WriteOf("B", "d", "4"), WriteOf("B", "e", "5")}},
        {"comments and keys without an equals sign",
         true,
         "; top comment\r\n[S]\r\n;inner=1\r\nbare\r\nk=v\r\n# hash=2\r\n",
         {ReadOf("S", "bare", "dflt"), ReadOf("S", ";inner"), ReadOf("S", "# hash"),
          WriteOf("S", "bare", "now"), ReadOf("S", "bare"), WriteOf("S", "k", "w")}},
        {"quotes stripped only when both ends match",
         true,
         "[Q]\r\nd=\"abc\"\r\ns='abc'\r\nm=\"abc'\r\none=\"\r\ntwo=\"\"\r\nsp=\" a b \"\r\n"
         "in=a\"b\"\r\n",
         {ReadOf("Q", "d"), ReadOf("Q", "s"), ReadOf("Q", "m"), ReadOf("Q", "one"),
          ReadOf("Q", "two"), ReadOf("Q", "sp"), ReadOf("Q", "in"), ReadOf("Q", "no", "\"def\""),
          ReadOf("Q", "no", "'x"), WriteOf("Q", "w", "\"quoted\""), ReadOf("Q", "w")}},
        {"defaults lose trailing spaces but keep one character",
         true,
         "[D]\r\n",
         {ReadOf("D", "x", "def   "), ReadOf("D", "x", "   "), ReadOf("D", "x", " a "),
          ReadOf("D", "x", "tab\t"), ReadOf("Missing", "x", "m")}},
        {"long values are cut to the caller's buffer",
         true,
         "[L]\r\nlong=" + long3000 + "\r\nq2047=" + quoted2047 + "\r\nq2046=" + quoted2046 + "\r\n",
         {ReadOf("L", "long"), ReadOf("L", "q2047"), ReadOf("L", "q2046"),
          WriteOf("L", "long", long3000), WriteOf("L", "w", long3000 + "x"), ReadOf("L", "w"),
          ReadOf("L", "none", long3000)}},
        {"empty section names",
         true,
         "k0=v0\r\n[]\r\nk=v\r\n[A]\r\na=1\r\n[  ]\r\nb=2\r\n",
         {ReadOf("", "k0"), ReadOf("", "k"), ReadOf("A", "b"), ReadOf(" ", "k0"),
          WriteOf("A", "a", "1"), WriteOf("A", "c", "3"), ReadOf("A", "b"), ReadOf("", "k")}},
        {"nameless keys",
         true,
         "[N]\r\n=1\r\n=2\r\nx\r\n=3\r\n",
         {ReadOf("N", ""), ReadOf("N", " "), WriteOf("N", "", "4"), ReadOf("N", "")}},
        {"a missing file is created by the first write",
         false,
         "",
         {ReadOf("A", "a", "d"), WriteOf("A", "a", "1"), WriteOf("B", "b", "2"),
          WriteOf("A", "c", "3"), ReadOf("a", "C")}},
        {"an empty file",
         true,
         "",
         {ReadOf("A", "a"), WriteOf("", "top", "t"), WriteOf("A", "a", "1"),
          WriteOf("", "top2", "u"), ReadOf("", "top2")}},
        {"a UTF-8 mark is kept",
         true,
         "\xEF\xBB\xBF[U]\r\nk=v\r\n",
         {ReadOf("U", "k"), WriteOf("U", "k", "w"), ReadOf("U", "k")}},
        {"an unchanged value leaves a messy file alone",
         true,
         "\n\n[S]   \nk = v\n\n[T]\nbare\n",
         {WriteOf("S", "k", "v"), WriteOf(" s ", " K ", "  v"), ReadOf("T", "bare", "d")}},
        {"new names with spaces, equals signs, brackets and line ends",
         true,
         "[S]\r\nk=v\r\n",
         {WriteOf("New ", "key ", "v"), ReadOf("New", "key"), WriteOf("new", "KEY", "w"),
          WriteOf("S", "a=b", "c"), ReadOf("S", "a"), ReadOf("S", "a=b"), WriteOf("S", "[X]", "y"),
          ReadOf("X", "=y"), WriteOf("S", "nl", "one\r\ntwo=2"), ReadOf("S", "two"),
          WriteOf("S", "tail", "t  "), WriteOf("S", "tail", "t")}},
        {"headers with text after the bracket, unterminated headers",
         true,
         "[A] ; note\r\na=1\r\n[B\r\nb=2\r\n[C]x]y\r\nc=3\r\n",
         {ReadOf("A", "a"), ReadOf("A", "b"), ReadOf("A", "[B"), ReadOf("C]x", "c"),
          WriteOf("A", "z", "26")}},
        {"control characters count as spaces",
         true,
         "\x1a[Z]\x1a\r\n\x0bk\x0c=\x1av\x1a\r\n",
         {ReadOf("Z", "k"), WriteOf("Z", "k", "v"), WriteOf("Z", "k", "\x1aw")}},
        {"high bytes in values and names",
         true,
         "[\xC0\xB1]\r\n\xC5=\xA1\xDF\r\n",
         {ReadOf("\xC0\xB1", "\xC5"), WriteOf("\xC0\xB1", "\xC5", "\xB0\xB1"),
          ReadOf("\xC0\xB1", "\xC5")}},
        {"keys are appended after comments that end a section",
         true,
         "[A]\r\na=1\r\n; about B\r\n\r\n[B]\r\nb=2\r\n",
         {WriteOf("A", "a2", "x"), WriteOf("B", "b2", "y")}},
    };
}

TEST(ProfileDifferential, HandWrittenFilesBehaveAsTheSystemDoes) {
    ASSERT_TRUE(AnsiCodePageKeepsTestBytes()) << "ANSI code page " << GetACP();
    SystemProfileFile system;
    for (const HandWrittenCase& testCase : HandWrittenCases()) {
        SCOPED_TRACE(testCase.title);
        ExpectSameBehaviour(system, testCase.fileExists ? &testCase.bytes : nullptr,
                            testCase.operations);
    }
}

std::vector<HandWrittenCase> ShiftJisCases() {
    std::string threeHundredKanji;
    for (int i = 0; i < 1100; ++i)
        threeHundredKanji += "表";
    return {
        {"trail bytes that read as a backslash, a bracket or a capital letter",
         true,
         "[表示]\r\nフォント=ＭＳ "
         "Ｐゴシック\r\nパス=C:\\予定表\\\r\n[ゾ\r\nア=1\r\n[ゾ]\r\nk=2\r\n",
         {ReadOf("表示", "フォント"), ReadOf("表示", "パス"), ReadOf("", "[ゾ", "none"),
          ReadOf("表示", "[ゾ", "none"), ReadOf("表示", "ヂ", "none"), ReadOf("表示", "ア"),
          ReadOf("ゾ", "k"), WriteOf("表示", "ヂ", "予定表"),
          WriteOf("表示", "パス", "C:\\予定表\\"), WriteOf("ゾ", "k", "ＭＳ ゴシック")}},
        {"a cut never splits a double-byte character",
         true,
         "[L]\r\nodd=" + Repeat('x', 2046) + "表\r\neven=" + Repeat('x', 2045) +
             "表表\r\nkanji=" + threeHundredKanji + "\r\nquoted=\"" + threeHundredKanji + "\"\r\n",
         {ReadOf("L", "odd"), ReadOf("L", "even"), ReadOf("L", "kanji"), ReadOf("L", "quoted")}},
    };
}

TEST(ProfileDifferential, ShiftJisFilesBehaveAsTheSystemDoes) {
    if (GetACP() != 932)
        GTEST_SKIP() << "needs ANSI code page 932";
    SystemProfileFile system;
    for (const HandWrittenCase& testCase : ShiftJisCases()) {
        SCOPED_TRACE(testCase.title);
        ExpectSameBehaviour(system, &testCase.bytes, testCase.operations);
    }
}

// A small fixed generator: the sequences must not depend on the library.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    std::uint32_t Below(std::uint32_t bound) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ % bound;
    }
    bool OneIn(std::uint32_t n) { return Below(n) == 0; }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[Below(static_cast<std::uint32_t>(items.size()))];
    }

private:
    std::uint32_t state_;
};

// Which bytes a generated file may hold beyond ASCII.
enum class HighBytes { None, SingleByte, ShiftJis };

// Messy files and operations on them, built from the troubles the profile
// format is known for.
class MessyProfileGenerator {
public:
    MessyProfileGenerator(std::uint32_t seed, HighBytes highBytes)
        : random_(seed), highBytes_(highBytes) {}

    std::string File(bool withBom) {
        std::string file = withBom ? "\xEF\xBB\xBF" : "";
        const std::uint32_t lines = random_.Below(30);
        for (std::uint32_t line = 0; line < lines; ++line) {
            file += Line();
            if (line + 1 < lines || !random_.OneIn(3))
                file += random_.Pick(LineEnds());
        }
        return file;
    }

    std::vector<Operation> Operations() {
        std::vector<Operation> operations;
        const std::uint32_t count = 20 + random_.Below(31);
        for (std::uint32_t step = 0; step < count; ++step)
            operations.push_back(NextOperation());
        return operations;
    }

    bool OneIn(std::uint32_t n) { return random_.OneIn(n); }

private:
    static const std::vector<std::string>& Spaces() {
        static const std::vector<std::string> spaces = {"", "", "", " ", "  ", "\t", " \t"};
        return spaces;
    }
    static const std::vector<std::string>& LineEnds() {
        static const std::vector<std::string> ends = {"\r\n", "\r\n",   "\r\n", "\n",
                                                      "\r",   "\r\r\n", "\n\n"};
        return ends;
    }

    std::vector<std::string> SectionNames() const {
        std::vector<std::string> names = {"General", "Mknmz", "Search", "a", ""};
        if (highBytes_ != HighBytes::None)
            names.push_back("\xC0\xB1");
        if (highBytes_ == HighBytes::ShiftJis)
            names.insert(names.end(), {"表示", "ゾ"});
        return names;
    }

    // ア and ヂ differ only in a trail byte that reads as "A" and "a".
    std::vector<std::string> KeyNames() const {
        std::vector<std::string> names = {"Key", "Folder1", "Folder2", "x", "History"};
        if (highBytes_ != HighBytes::None)
            names.push_back("\xC5");
        if (highBytes_ == HighBytes::ShiftJis)
            names.insert(names.end(), {"ア", "ヂ", "予定表"});
        return names;
    }

    std::string HighByteValue() {
        if (highBytes_ == HighBytes::ShiftJis) {
            const std::vector<std::string> values = {"ＭＳ Ｐゴシック", "C:\\予定表\\",
                                                     Repeat('x', 2046) + "表", "\"表\""};
            return random_.Pick(values);
        }
        return highBytes_ == HighBytes::SingleByte ? "\xB1\xB2\xDF" : "plain";
    }

    std::string Case(const std::string& name) {
        std::string result = name;
        for (char& c : result) {
            if (c >= 'a' && c <= 'z' && random_.OneIn(3))
                c = static_cast<char>(c - 'a' + 'A');
            else if (c >= 'A' && c <= 'Z' && random_.OneIn(3))
                c = static_cast<char>(c - 'A' + 'a');
        }
        return result;
    }

    std::string Value() {
        switch (random_.Below(12)) {
        case 0:
            return "";
        case 1:
            return "\"" + Case("quoted") + "\"";
        case 2:
            return "'single'";
        case 3:
            return "\"unbalanced";
        case 4:
            return Repeat('L', 1500 + random_.Below(1500));
        case 5:
            return HighByteValue();
        case 6:
            return "a=b";
        case 7:
            return "\"" + Repeat('q', 2047) + "\"";
        default:
            return "v" + std::to_string(random_.Below(4));
        }
    }

    std::string Line() {
        const std::string& pad = random_.Pick(Spaces());
        switch (random_.Below(10)) {
        case 0:
            return pad + "[" + pad + Case(random_.Pick(SectionNames())) + pad + "]" +
                   (random_.OneIn(4) ? " ; note" : "");
        case 1:
            return "; comment " + std::to_string(random_.Below(9));
        case 2:
            return pad;
        case 3:
            return pad + Case(random_.Pick(KeyNames()));
        case 4:
            return "=" + Value();
        case 5:
            return "[unterminated";
        default:
            return pad + Case(random_.Pick(KeyNames())) + pad + "=" + pad + Value() +
                   (random_.OneIn(3) ? pad : "");
        }
    }

    std::string PaddedName(const std::vector<std::string>& names) {
        const std::string name = Case(random_.Pick(names));
        if (random_.OneIn(8))
            return random_.Pick(Spaces()) + name + random_.Pick(Spaces());
        return name;
    }

    Operation NextOperation() {
        Operation operation;
        operation.isWrite = random_.OneIn(2);
        operation.section = PaddedName(SectionNames());
        operation.key = PaddedName(KeyNames());
        if (operation.isWrite) {
            operation.text = random_.Pick(Spaces()) + Value();
            if (random_.OneIn(10))
                operation.text += random_.Pick(Spaces());
        } else {
            operation.text = random_.OneIn(2) ? "" : "def" + random_.Pick(Spaces());
        }
        return operation;
    }

    Random random_;
    HighBytes highBytes_;
};

// TARNWICK_PROFILE_OPERATIONS asks for a longer run than the tests' own.
std::size_t OperationsWanted() {
    char digits[16] = "";
    if (GetEnvironmentVariableA("TARNWICK_PROFILE_OPERATIONS", digits, sizeof digits) > 0)
        return std::strtoul(digits, nullptr, 10);
    return 7000;
}

void ExpectSameBehaviourOnRandomFiles(HighBytes highBytes) {
    SystemProfileFile system;
    const std::size_t wanted = OperationsWanted();
    std::size_t done = 0;
    std::uint32_t seed = 1;
    for (; done < wanted; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        MessyProfileGenerator generator(seed, highBytes);
        // The system reads a file with a UTF-8 mark as UTF-8.
        const bool withBom = generator.OneIn(10);
        MessyProfileGenerator contents(seed, withBom ? HighBytes::None : highBytes);
        const std::string file = contents.File(withBom);
        const std::vector<Operation> operations = contents.Operations();
        ExpectSameBehaviour(system, &file, operations);
        if (testing::Test::HasFailure())
            return;
        done += operations.size();
    }
    std::printf("%zu operations on %u files, no difference\n", done, seed - 1);
}

TEST(ProfileDifferential, RandomMessyFilesBehaveAsTheSystemDoes) {
    ASSERT_TRUE(AnsiCodePageKeepsTestBytes()) << "ANSI code page " << GetACP();
    ExpectSameBehaviourOnRandomFiles(HighBytes::SingleByte);
}

// Run with LANG=ja_JP.sjis (code page 932) to compare Shift-JIS handling too.
TEST(ProfileDifferential, RandomShiftJisFilesBehaveAsTheSystemDoes) {
    if (GetACP() != 932)
        GTEST_SKIP() << "needs ANSI code page 932";
    ExpectSameBehaviourOnRandomFiles(HighBytes::ShiftJis);
}

} // namespace
