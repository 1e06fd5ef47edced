// A small in-process mutation fuzzer for targets with the usual
// LLVMFuzzerTestOneInput entry, built with GCC (clang cannot compile our
// CP932 literals). The product code is built with -fsanitize-coverage=
// trace-pc; an input that reaches a new edge joins the corpus in memory.
//
//   fuzz_<target> CORPUS_DIR [-seconds=N] [-runs=N] [-seed=N] [-max_len=N]
//                 [-crash=FILE]
//   fuzz_<target> FILE        runs one saved input once
#include <sanitizer/common_interface_defs.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

using Bytes = std::vector<uint8_t>;

namespace {

constexpr size_t kEdgeCount = 1 << 16;
unsigned char seenEdges[kEdgeCount];
size_t edgeTotal = 0;
uintptr_t previousPc = 0;
bool reachedNewEdge = false;

// The input being run; written out when a sanitizer or an oracle ends the run.
Bytes currentInput;
std::string crashPath = "crash-input";

void SaveCurrentInput() {
    const int fd = open(crashPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    const ssize_t written = write(fd, currentInput.data(), currentInput.size());
    close(fd);
    const char note[] = "\nfuzz: the failing input is saved in the crash file\n";
    if (written >= 0)
        (void)!write(2, note, sizeof note - 1);
}

void OnFatalSignal(int signal) {
    SaveCurrentInput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Bytes that matter to our parsers: Shift-JIS leads and the 0x5C trail,
// line ends, INI and command-line syntax, the JIS escape.
const uint8_t kInteresting[] = {0x5C, 0x81, 0x9F, 0xE0, 0xFC, 0x0D, 0x0A, '[', ']', '=', '"',
                                ' ',  '\t', 0x00, 0x1B, 0xFF, '1',  '.',  '(', ')', '$', 'B'};

class Mutator {
public:
    Mutator(uint64_t seed, size_t maxLength) : random_(seed), maxLength_(maxLength) {}

    size_t Below(size_t n) { return n == 0 ? 0 : random_() % n; }

    uint8_t SomeByte() {
        return Below(2) ? kInteresting[Below(sizeof kInteresting)]
                        : static_cast<uint8_t>(random_());
    }

    void Mutate(Bytes& data, const std::vector<Bytes>& corpus) {
        const size_t steps = 1 + Below(4);
        for (size_t step = 0; step < steps; ++step)
            MutateOnce(data, corpus[Below(corpus.size())]);
        if (data.size() > maxLength_)
            data.resize(maxLength_);
    }

private:
    void MutateOnce(Bytes& data, const Bytes& other) {
        const size_t at = Below(data.size() + 1);
        switch (Below(7)) {
        case 0:
            if (at < data.size())
                data[at] ^= static_cast<uint8_t>(1u << Below(8));
            break;
        case 1:
            if (at < data.size())
                data[at] = SomeByte();
            break;
        case 2:
            data.insert(data.begin() + at, SomeByte());
            break;
        case 3:
            data.erase(data.begin() + at, data.begin() + std::min(data.size(), at + 1 + Below(8)));
            break;
        case 4: { // a piece of the input again elsewhere
            const size_t from = Below(data.size());
            const size_t length = std::min(data.size() - from, 1 + Below(16));
            const Bytes piece(data.begin() + from, data.begin() + from + length);
            data.insert(data.begin() + at, piece.begin(), piece.end());
            break;
        }
        case 5: { // a piece of another corpus entry
            const size_t from = Below(other.size());
            const size_t length = std::min(other.size() - from, 1 + Below(64));
            data.insert(data.begin() + at, other.begin() + from, other.begin() + from + length);
            break;
        }
        default: // this input's head on another's tail
            data.resize(at);
            data.insert(data.end(), other.begin() + Below(other.size() + 1), other.end());
            break;
        }
    }

    std::mt19937_64 random_;
    size_t maxLength_;
};

void Run(const Bytes& input) {
    currentInput = input;
    reachedNewEdge = false;
    previousPc = 0;
    LLVMFuzzerTestOneInput(currentInput.data(), currentInput.size());
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint64_t Option(int argc, char** argv, const std::string& name, uint64_t fallback) {
    const std::string prefix = "-" + name + "=";
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix.c_str(), prefix.size()) == 0)
            return std::strtoull(argv[i] + prefix.size(), nullptr, 10);
    }
    return fallback;
}

} // namespace

extern "C" void __sanitizer_cov_trace_pc() {
    const uintptr_t pc = reinterpret_cast<uintptr_t>(__builtin_return_address(0));
    const size_t edge = (pc ^ previousPc) % kEdgeCount;
    previousPc = pc >> 1;
    if (!seenEdges[edge]) {
        seenEdges[edge] = 1;
        ++edgeTotal;
        reachedNewEdge = true;
    }
}

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: %s CORPUS_DIR|FILE [-seconds=N] [-runs=N] [-seed=N] "
                     "[-max_len=N] [-crash=FILE]\n",
                     argv[0]);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], "-crash=", 7) == 0)
            crashPath = argv[i] + 7;
    }
    __sanitizer_set_death_callback(SaveCurrentInput);
    std::signal(SIGABRT, OnFatalSignal);

    if (std::filesystem::is_regular_file(argv[1])) {
        Run(ReadFile(argv[1]));
        std::printf("fuzz: ran %s once, no finding\n", argv[1]);
        return 0;
    }
    const uint64_t seconds = Option(argc, argv, "seconds", 60);
    const uint64_t maxRuns = Option(argc, argv, "runs", 0);
    Mutator mutator(Option(argc, argv, "seed", 1), Option(argc, argv, "max_len", 4096));

    std::vector<Bytes> corpus;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        corpus.push_back(ReadFile(entry.path()));
        Run(corpus.back());
    }
    if (corpus.empty())
        corpus.emplace_back();

    const auto start = std::chrono::steady_clock::now();
    double elapsed = 0;
    uint64_t runs = 0;
    while ((maxRuns == 0 || runs < maxRuns) && (seconds == 0 || elapsed < seconds)) {
        Bytes input = corpus[mutator.Below(corpus.size())];
        mutator.Mutate(input, corpus);
        Run(input);
        if (reachedNewEdge)
            corpus.push_back(input);
        if (++runs % 1024 == 0)
            elapsed =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("fuzz: runs=%llu seconds=%.1f execs_per_second=%.0f corpus=%zu edges=%zu "
                "findings=0\n",
                static_cast<unsigned long long>(runs), elapsed, runs / (elapsed > 0 ? elapsed : 1),
                corpus.size(), edgeTotal);
    return 0;
}
