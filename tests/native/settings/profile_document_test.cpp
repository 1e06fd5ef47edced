#include "settings/profile_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ReadCase {
    const char* title;
    std::string file;
    std::string section;
    std::string key;
    std::string defaultValue;
    std::string expected;
};

void ExpectReads(const std::vector<ReadCase>& cases) {
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(c.expected, ProfileDocument(c.file).Read(c.section, c.key, c.defaultValue));
    }
}

TEST(ProfileDocumentRead, FindsNamesTheWayTheSystemDoes) {
    ExpectReads({
        {"letter case ignored", "[General]\r\nKey=v\r\n", "GENERAL", "kEY", "d", "v"},
        {"spaces around names and equals sign", "  [ Sec ]  \r\n  Key  =  v  \r\n", " sec ",
         "\tkey ", "d", "v"},
        {"first duplicate key wins", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "d", "1"},
        {"only the first of duplicate sections is searched", "[S]\r\na=1\r\n[s]\r\nb=2\r\n", "S",
         "b", "d", "d"},
        {"key without equals sign reads as absent", "[S]\r\nbare\r\n", "S", "bare", "d", "d"},
        {"absent section", "[S]\r\nk=1\r\n", "T", "k", "d", "d"},
        {"absent file", "", "S", "k", "d", "d"},
        {"LF line ends", "[S]\nk=1\nj=2", "S", "j", "d", "2"},
        {"CR alone ends a line", "[S]\rk=1\rj=2\r", "S", "j", "d", "2"},
        {"comment lines are ordinary lines", "[S]\r\n;k=1\r\n", "S", ";k", "d", "1"},
        {"text after the last bracket is ignored", "[S] ; note\r\nk=1\r\n", "S", "k", "d", "1"},
        {"a bracket line without closing bracket is a key", "[S=1\r\n", "", "[S", "d", "1"},
        {"lines before any header", "top=1\r\n[S]\r\n", "", "top", "d", "1"},
        {"control characters are spaces", "[S]\r\n\x1a k\x0b=\x0c v\x1a\r\n", "S", "k", "d", "v"},
        {"equals sign inside a value", "[S]\r\nk = a = b\r\n", "S", "k", "d", "a = b"},
        {"UTF-8 mark before the first header", "\xEF\xBB\xBF[S]\r\nk=1\r\n", "S", "k", "d", "1"},
    });
}

TEST(ProfileDocumentRead, StripsQuotesAndDefaultsLikeTheSystem) {
    ExpectReads({
        {"double quotes", "[S]\r\nk=\"a b\"\r\n", "S", "k", "", "a b"},
        {"single quotes", "[S]\r\nk='a b'\r\n", "S", "k", "", "a b"},
        {"mismatched quotes stay", "[S]\r\nk=\"a'\r\n", "S", "k", "", "\"a'"},
        {"a lone quote stays", "[S]\r\nk=\"\r\n", "S", "k", "", "\""},
        {"two quotes give nothing", "[S]\r\nk=\"\"\r\n", "S", "k", "", ""},
        {"inner quotes stay", "[S]\r\nk=a\"b\"\r\n", "S", "k", "", "a\"b\""},
        {"default loses trailing spaces", "", "S", "k", "def   ", "def"},
        {"default keeps its first character", "", "S", "k", "   ", " "},
        {"default keeps leading spaces and tabs", "", "S", "k", " a\t", " a\t"},
        {"default loses its quotes", "", "S", "k", "\"def\"", "def"},
        {"empty value is not absent", "[S]\r\nk=\r\n", "S", "k", "d", ""},
    });
}

TEST(ProfileDocumentRead, CutsLongValuesToTheCallersBuffer) {
    const std::string kanji = "表"; // two bytes
    ExpectReads({
        {"3000 bytes give 2047", "[S]\r\nk=" + std::string(3000, 'v'), "S", "k", "",
         std::string(2047, 'v')},
        {"2047 bytes stay whole", "[S]\r\nk=" + std::string(2047, 'v'), "S", "k", "",
         std::string(2047, 'v')},
        {"a double-byte character is never split", "[S]\r\nk=" + std::string(2046, 'x') + kanji,
         "S", "k", "", std::string(2046, 'x')},
        {"a double-byte character that fits stays", "[S]\r\nk=" + std::string(2045, 'x') + kanji,
         "S", "k", "", std::string(2045, 'x') + kanji},
        {"quotes of a value filling the buffer take one more character",
         "[S]\r\nk=\"" + std::string(2047, 'q') + "\"", "S", "k", "", std::string(2046, 'q')},
        {"quotes of a value one shorter are stripped",
         "[S]\r\nk=\"" + std::string(2046, 'q') + "\"", "S", "k", "", std::string(2046, 'q')},
        {"quotes of a longer value are not stripped at the end",
         "[S]\r\nk=\"" + std::string(2048, 'q') + "\"", "S", "k", "", std::string(2047, 'q')},
        {"long defaults are cut too", "", "S", "k", std::string(2100, 'd'), std::string(2047, 'd')},
    });
}

TEST(ProfileDocumentRead, KeepsShiftJisIntact) {
    ExpectReads({
        {"font name", "[Result]\r\nFontNameResult=ＭＳ Ｐゴシック\r\n", "Result", "fontnameresult",
         "", "ＭＳ Ｐゴシック"},
        {"trail byte 0x5C before the line end", "[S]\r\nPath=C:\\予定表\\\r\n", "S", "Path", "",
         "C:\\予定表\\"},
        {"trail byte 0x5D is no closing bracket", "[ゾ=1\r\n", "", "[ゾ", "d", "1"},
        {"section name with trail byte 0x5D", "[ゾ]\r\nk=1\r\n", "ゾ", "k", "d", "1"},
        {"trail byte 0x41 is not a letter", "[S]\r\nア=1\r\n", "S", "ヂ", "d", "d"},
        {"full-width letters keep their case", "[S]\r\nＡ=1\r\n", "S", "ａ", "d", "d"},
        {"Japanese section and key", "[表示]\r\n予定表=はい\r\n", "表示", "予定表", "", "はい"},
    });
}

struct WriteCase {
    const char* title;
    std::string file;
    std::vector<std::vector<std::string>> writes; // section, key, value
    std::string expected;
};

std::string AfterWrites(const std::string& file,
                        const std::vector<std::vector<std::string>>& writes) {
    ProfileDocument document(file);
    for (const std::vector<std::string>& write : writes)
        document.Write(write[0], write[1], write[2]);
    return document.Serialize();
}

void ExpectWrites(const std::vector<WriteCase>& cases) {
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(c.expected, AfterWrites(c.file, c.writes));
    }
}

TEST(ProfileDocumentWrite, RewritesTheWholeFileInNormalForm) {
    ExpectWrites({
        {"value replaced in place",
         "[S]\r\na=1\r\nb=2\r\n",
         {{"s", "A", "9"}},
         "[S]\r\na=9\r\nb=2\r\n"},
        {"line ends, spaces and blank lines normalised",
         "\n\n  [S]  \nk = 1\n\n\n[T]\r\nj=2",
         {{"T", "j", "3"}},
         "[S]\r\nk=1\r\n[T]\r\nj=3\r\n"},
        {"comments and keys without equals sign kept",
         "; top\r\n[S]\r\n; c\r\nbare\r\n",
         {{"S", "k", "1"}},
         "; top\r\n[S]\r\n; c\r\nbare\r\nk=1\r\n"},
        {"key appended at the end of its section",
         "[A]\r\na=1\r\n; about B\r\n[B]\r\nb=2\r\n",
         {{"A", "n", "x"}},
         "[A]\r\na=1\r\n; about B\r\nn=x\r\n[B]\r\nb=2\r\n"},
        {"section appended at the end of the file",
         "[A]\r\na=1\r\n",
         {{"B", "b", "2"}},
         "[A]\r\na=1\r\n[B]\r\nb=2\r\n"},
        {"new file",
         "",
         {{"A", "a", "1"}, {"B", "b", "2"}, {"A", "c", "3"}},
         "[A]\r\na=1\r\nc=3\r\n[B]\r\nb=2\r\n"},
        {"a key without equals sign gains a value",
         "[S]\r\nbare\r\n",
         {{"S", "bare", ""}},
         "[S]\r\nbare=\r\n"},
        {"leading spaces of a value dropped", "", {{"S", "k", "  v "}}, "[S]\r\nk=v \r\n"},
        {"names keep their spelling from the file",
         "[General]\r\nKey=1\r\n",
         {{"GENERAL", "KEY", "2"}},
         "[General]\r\nKey=2\r\n"},
        {"UTF-8 mark kept",
         "\xEF\xBB\xBF[S]\nk=1\n",
         {{"S", "k", "2"}},
         "\xEF\xBB\xBF[S]\r\nk=2\r\n"},
        {"nameless section written without header",
         "top=1\r\n[S]\r\n",
         {{"", "top", "2"}},
         "top=2\r\n[S]\r\n"},
        {"a repeated nameless key is dropped",
         "[S]\r\n=1\r\n=2\r\n",
         {{"S", "k", "v"}},
         "[S]\r\n=1\r\nk=v\r\n"},
        {"Shift-JIS value passes unchanged",
         "",
         {{"Result", "FontNameResult", "ＭＳ Ｐゴシック"}},
         "[Result]\r\nFontNameResult=ＭＳ Ｐゴシック\r\n"},
        {"Shift-JIS path with trail byte 0x5C",
         "",
         {{"S", "Dir1-1", "C:\\予定表\\"}},
         "[S]\r\nDir1-1=C:\\予定表\\\r\n"},
    });
}

// The system reads back a file it has just written, so whatever does not
// survive that round trip is seen in its re-read form by the next call.
TEST(ProfileDocumentWrite, LaterCallsSeeTheFileAsWritten) {
    ExpectWrites({
        {"new names keep trailing spaces until read again",
         "",
         {{"New ", "key ", "1"}},
         "[New ]\r\nkey =1\r\n"},
        {"then they are trimmed",
         "",
         {{"New ", "key ", "1"}, {"new", "KEY", "2"}},
         "[New]\r\nkey=2\r\n"},
        {"a trailing space of a value is lost on re-reading",
         "",
         {{"S", "k", "v "}, {"S", "j", "1"}},
         "[S]\r\nk=v\r\nj=1\r\n"},
        {"an equals sign in a key name splits it",
         "",
         {{"S", "a=b", "c"}, {"S", "a", "d"}},
         "[S]\r\na=d\r\n"},
        {"a line end in a value makes two lines",
         "",
         {{"S", "k", "1\r\nj=2"}, {"S", "j", "3"}},
         "[S]\r\nk=1\r\nj=3\r\n"},
        {"a key name in brackets becomes a section",
         "[S]\r\n",
         {{"S", "[X]", "y"}, {"X", "z", "1"}},
         "[S]\r\n[X]\r\nz=1\r\n"},
        {"keys under an empty header join the section before",
         "[A]\r\na=1\r\n[]\r\nb=2\r\n",
         {{"A", "c", "3"}, {"A", "b", "4"}},
         "[A]\r\na=1\r\nc=3\r\nb=4\r\n"},
    });
}

TEST(ProfileDocumentWrite, AValueReadBackAfterAWriteIsTheValueWritten) {
    ProfileDocument document("[S]\r\nk=1\r\n");
    document.Write("S", "k", "ＭＳ ゴシック");
    document.Write("S", "new", "C:\\予定表\\");
    document.Write("Other", "x", "\"q\"");
    EXPECT_EQ("ＭＳ ゴシック", document.Read("s", "K", ""));
    EXPECT_EQ("C:\\予定表\\", document.Read("S", "new", ""));
    EXPECT_EQ("q", document.Read("other", "x", ""));
}

// Bytes that read one way must read the same way once the file is written.
TEST(ProfileDocumentWrite, KeysNotWrittenKeepTheirMeaningInTheFileWritten) {
    struct Case {
        const char* title;
        std::string file;
        std::string section;
    } cases[] = {
        {"section name ending in a lone lead byte", "\x5b\x81\x09\x5d\x0a\x6b\x3d\x31", "\x81"},
        {"UTF-8 mark after a blank first line", "\x0a\xef\xbb\xbf\x5b\x53\x5d\x0a\x6b\x3d\x31", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        ProfileDocument document(c.file);
        ASSERT_EQ("1", document.Read(c.section, "k", "<absent>"));
        document.Write("Other", "x", "1");
        const ProfileDocument reread(document.Serialize());
        EXPECT_EQ("1", document.Read(c.section, "k", "<absent>"));
        EXPECT_EQ("1", reread.Read(c.section, "k", "<absent>"));
        EXPECT_EQ("<absent>", reread.Read("S", "k", "<absent>"));
    }
}

TEST(ProfileDocumentModified, OnlyAChangeCounts) {
    const std::string messy = "\n[S]  \nk = v\n";
    struct Case {
        const char* title;
        std::string section, key, value;
        bool modified;
    } cases[] = {
        {"same value", "S", "k", "v", false},
        {"same value after leading spaces", " s ", " K ", "   v", false},
        {"value differs in letter case", "S", "k", "V", true},
        {"new key", "S", "j", "v", true},
        {"new section", "T", "k", "v", true},
        {"empty value for a new key", "S", "j", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        ProfileDocument document(messy);
        document.Write(c.section, c.key, c.value);
        EXPECT_EQ(c.modified, document.IsModified());
    }
}

TEST(ProfileDocumentModified, AnUnchangedDocumentSerializesItsParsedForm) {
    ProfileDocument document("[S]\nk=v");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ("[S]\r\nk=v\r\n", document.Serialize());
}

TEST(ProfileDocumentScale, ThousandsOfKeysRoundTrip) {
    ProfileDocument document;
    for (int i = 1; i <= 5000; ++i)
        document.Write("Search", "History" + std::to_string(i), "formula " + std::to_string(i));
    const ProfileDocument reread(document.Serialize());
    for (int i = 1; i <= 5000; i += 499) {
        SCOPED_TRACE(i);
        EXPECT_EQ("formula " + std::to_string(i),
                  reread.Read("search", "history" + std::to_string(i), ""));
    }
    EXPECT_EQ(document.Serialize(), ProfileDocument(document.Serialize()).Serialize());
}

} // namespace
