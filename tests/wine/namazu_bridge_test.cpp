// The Namazu bridge under Wine: perl.exe runs the real mknmz, namazu.exe the
// real namazu, started the way the plug-in starts them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

const unsigned kShiftJis = 932;

std::wstring Wide(const std::string& text, unsigned codePage = kShiftJis) {
    const int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string ShiftJis(const std::wstring& text) {
    const int length = WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(length, '\0');
    WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()), &bytes[0], length,
                        nullptr, nullptr);
    return bytes;
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    std::string bytes;
    char buffer[4096];
    DWORD count = 0;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &count, nullptr) &&
           count > 0) {
        bytes.append(buffer, count);
    }
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file =
        CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

struct Finished {
    DWORD exitCode;
    std::string output;
};

// Starts a console program with its output on a pipe, as the plug-in's
// capture mode does, and waits for it.
Finished RunCaptured(const std::string& commandLine, const std::string& workDir) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inheritable, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    std::wstring line = Wide(commandLine);
    Finished finished = {~0u, ""};
    const BOOL started = CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, Wide(workDir).c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return finished;
    }
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr) && count > 0) {
        finished.output.append(buffer, count);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &finished.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(readEnd);
    return finished;
}

// Runs a Linux shell command (UTF-8) and waits for it through a marker
// file, since Wine gives no handle for a Linux process.
bool RunLinuxShell(const std::string& command, const std::string& markerWindows,
                   const std::string& markerLinux) {
    std::wstring line =
        L"sh -c \"" + Wide(command + " ; touch '" + markerLinux + "'", CP_UTF8) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(L"Z:\\bin\\sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    for (int waited = 0; waited < 300 && !Exists(markerWindows); ++waited) {
        Sleep(100);
    }
    const bool done = Exists(markerWindows);
    DeleteFileW(Wide(markerWindows).c_str());
    return done;
}

std::string ProgramDirectory() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    return ShiftJis(directory.substr(0, directory.find_last_of(L'\\') + 1));
}

// The sample generator lies beside this source file's folder.
std::string GeneratorPath() {
    const std::string source = __FILE__;
    return source.substr(0, source.rfind("tests/wine/")) + "tools/make_sample_mailbox.py";
}

std::vector<std::string> BridgeTemporaryFiles() {
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    WIN32_FIND_DATAW found;
    std::vector<std::string> names;
    HANDLE search = FindFirstFileW((std::wstring(directory) + L"nmz*").c_str(), &found);
    while (search != INVALID_HANDLE_VALUE) {
        names.push_back(ShiftJis(found.cFileName));
        if (!FindNextFileW(search, &found)) {
            FindClose(search);
            search = INVALID_HANDLE_VALUE;
        }
    }
    return names;
}

// One sample account on drive Z:, in a directory whose name ends in 表
// (trail byte 0x5C) and has capitals that the plug-in's lower-cased folder
// paths lose.
class NamazuBridgeTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string stem = "/tmp/TarnwickBridge" + std::to_string(GetCurrentProcessId());
        linuxRoot_ = new std::string(stem);
        account_ = new std::string("Z:" + stem + "/予定表/");
        for (char& c : *account_) {
            c = c == '/' ? '\\' : c;
        }
        // The UTF-8 spelling of the same directory for the Linux side.
        const std::string linuxAccount = stem + "/\xE4\xBA\x88\xE5\xAE\x9A\xE8\xA1\xA8";
        generated_ = RunLinuxShell("python3 '" + GeneratorPath() + "' '" + linuxAccount +
                                       "' --mails 4 --folders 1 && mkdir -p '" + linuxAccount +
                                       "/Namazu/b001'",
                                   "Z:" + stem + ".done", stem + ".done");
    }

    static void TearDownTestSuite() {
        RunLinuxShell("rm -rf '" + *linuxRoot_ + "'", "Z:" + *linuxRoot_ + ".gone",
                      *linuxRoot_ + ".gone");
        delete linuxRoot_;
        delete account_;
    }

    void SetUp() override { ASSERT_TRUE(generated_) << "sample account not generated"; }

    static std::string Bridge(const std::string& program) {
        return "\"" + ProgramDirectory() + program + "\"";
    }

    static std::string WorkDir() { return *account_ + "Namazu"; }

    static std::string AccountWithSlashes() {
        std::string slashes = *account_;
        for (size_t i = 0; i < slashes.size(); ++i) {
            if (static_cast<unsigned char>(slashes[i]) >= 0x81 && i + 1 < slashes.size()) {
                ++i;
            } else if (slashes[i] == '\\') {
                slashes[i] = '/';
            }
        }
        return slashes;
    }

    static Finished IndexFirstFolder() {
        const std::string command = Bridge("perl.exe") +
                                    " \"Z:\\usr\\bin\\mknmz\" --mailnews --allow=\".*\\.alm\" "
                                    "--output-dir=\"" +
                                    WorkDir() + "\\b001\" --replace=\"s#" + AccountWithSlashes() +
                                    "#account/#i\" .";
        return RunCaptured(command, Lower(*account_ + "user001.box\\"));
    }

    static std::string* linuxRoot_;
    static std::string* account_;
    static bool generated_;
};

std::string* NamazuBridgeTest::linuxRoot_ = nullptr;
std::string* NamazuBridgeTest::account_ = nullptr;
bool NamazuBridgeTest::generated_ = false;

TEST_F(NamazuBridgeTest, IndexesAFolderAndSearchesItInJapanese) {
    const std::vector<std::string> temporaryBefore = BridgeTemporaryFiles();

    const Finished indexing = IndexFirstFolder();
    EXPECT_EQ(0u, indexing.exitCode) << indexing.output;
    EXPECT_NE(std::string::npos, indexing.output.find("account/user001.box/1.alm"))
        << indexing.output;
    EXPECT_TRUE(Exists(WorkDir() + "\\b001\\NMZ.i"));

    WriteBytes(WorkDir() + "\\namazurc", "INDEX        " + WorkDir() +
                                             "\r\nLang        ja_JP.SJIS\r\n"
                                             "REPLACE        account/        /Z|" +
                                             AccountWithSlashes().substr(2) + "\r\n");
    const Finished search =
        RunCaptured(Bridge("namazu.exe") + " --sort=score --max=\"20\" --output=\"result.txt\"  "
                                           "\"予算\" +b001",
                    WorkDir() + "\\");
    EXPECT_EQ(0u, search.exitCode) << search.output;

    const std::string result = ReadBytes(WorkDir() + "\\result.txt");
    EXPECT_EQ(0u, result.find("検索結果\n")) << result;
    EXPECT_NE(std::string::npos, result.find("参考ヒット数:  [ 予算: ")) << result;
    EXPECT_NE(std::string::npos, result.find("\n1. ")) << result;
    EXPECT_NE(std::string::npos,
              result.find("\n/Z|" + AccountWithSlashes().substr(2) + "user001.box/1.alm ("))
        << result;
    EXPECT_EQ(temporaryBefore, BridgeTemporaryFiles());
}

TEST_F(NamazuBridgeTest, PassesExitCodesAndErrorOutputThrough) {
    const Finished perl =
        RunCaptured(Bridge("perl.exe") + " -e \"print STDERR qq(oops\\n); exit 7\"", *account_);
    EXPECT_EQ(7u, perl.exitCode);
    EXPECT_EQ("oops\n", perl.output);

    const Finished namazu = RunCaptured(Bridge("namazu.exe") + " --no-such-option", *account_);
    EXPECT_NE(0u, namazu.exitCode);
    EXPECT_NE(std::string::npos, namazu.output.find("no-such-option")) << namazu.output;
}

} // namespace
