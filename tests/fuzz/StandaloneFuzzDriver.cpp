// Runs a libFuzzer-style target without libFuzzer: every seed file once, then
// randomly mutated seeds until the time or run budget is spent. A crash or a
// sanitizer report ends the process, as it would under libFuzzer.
//
//     fuzz_target [--seconds N] [--runs N] [--random-seed N] seed-file-or-folder...
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

constexpr std::size_t kMaxInputBytes = 256 * 1024;

// Pieces of the formats under test, so mutations reach the interesting paths.
const std::vector<std::string> kTokens = {
    "[*]", "[*]\t", "k1:", "K2:", "k3:", "d:", "D:", "l1:", "l2:", "l3:", "L4:", "l5:",
    "f:", "F:", "//", "\n", "\r", "\r\n", "\t", ":", "-1:", "0:", "1:", "2:", "99:",
    "\x82", "\x82\xA0", "\x83\x41", "\x81\x5C", "\xFC\x4B", "\x80", "\xA0", "\xFD", "\xFF",
    std::string("\0", 1), "\xEF\xBB\xBF", "f:../x.txt", "f:main.txt", "f:/etc/hostname"};

std::vector<std::string> ReadSeeds(const std::vector<std::string>& paths) {
    std::vector<std::string> seeds;
    auto readOne = [&](const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.size() > kMaxInputBytes) bytes.resize(kMaxInputBytes);
        seeds.push_back(std::move(bytes));
    };
    for (const std::string& path : paths) {
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(path, error))
                if (entry.is_regular_file()) readOne(entry.path());
        } else if (std::filesystem::is_regular_file(path, error)) {
            readOne(path);
        }
    }
    if (seeds.empty()) seeds.emplace_back();
    return seeds;
}

class Mutator {
public:
    explicit Mutator(uint64_t seed) : m_random(seed) {}

    std::string Mutate(std::string input, const std::vector<std::string>& seeds) {
        int steps = 1 + static_cast<int>(Below(8));
        for (int i = 0; i < steps; ++i) MutateOnce(input, seeds);
        if (input.size() > kMaxInputBytes) input.resize(kMaxInputBytes);
        return input;
    }

private:
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random); }
    char AnyByte() { return static_cast<char>(Below(256)); }

    void MutateOnce(std::string& s, const std::vector<std::string>& seeds) {
        std::size_t at = Below(s.size() + 1);
        switch (Below(9)) {
        case 0:
            if (!s.empty()) s[Below(s.size())] ^= static_cast<char>(1u << Below(8));
            break;
        case 1:
            if (!s.empty()) s[Below(s.size())] = AnyByte();
            break;
        case 2:
            s.insert(at, 1, AnyByte());
            break;
        case 3:
        case 4:
            s.insert(at, kTokens[Below(kTokens.size())]);
            break;
        case 5:
            if (!s.empty()) s.erase(Below(s.size()), 1 + Below(16));
            break;
        case 6: {  // repeat a piece, which makes long lines and many lines
            if (s.empty()) break;
            std::size_t from = Below(s.size());
            std::string piece = s.substr(from, 1 + Below(64));
            std::size_t times = 1 + Below(Below(8) != 0 ? 4 : 2000);
            std::string repeated;
            for (std::size_t i = 0; i < times && repeated.size() < kMaxInputBytes; ++i) repeated += piece;
            s.insert(at, repeated);
            break;
        }
        case 7: {  // splice in part of another seed
            const std::string& other = seeds[Below(seeds.size())];
            if (other.empty()) break;
            std::size_t from = Below(other.size());
            s.insert(at, other.substr(from, 1 + Below(512)));
            break;
        }
        default:
            s.resize(at);
            break;
        }
    }

    std::mt19937_64 m_random;
};

void Run(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 10;
    long long runs = -1;
    uint64_t randomSeed = std::random_device{}();
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
        else if (arg == "--runs" && i + 1 < argc) runs = std::atoll(argv[++i]);
        else if (arg == "--random-seed" && i + 1 < argc) randomSeed = std::strtoull(argv[++i], nullptr, 10);
        else paths.emplace_back(arg);
    }
    std::printf("random seed %llu\n", static_cast<unsigned long long>(randomSeed));
    std::fflush(stdout);

    std::vector<std::string> seeds = ReadSeeds(paths);
    for (const std::string& seed : seeds) Run(seed);

    Mutator mutator(randomSeed);
    std::mt19937_64 pick(randomSeed ^ 0x9E3779B97F4A7C15ull);
    auto start = std::chrono::steady_clock::now();
    long long done = 0;
    while (runs < 0 || done < runs) {
        if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >= seconds) break;
        const std::string& base = seeds[pick() % seeds.size()];
        Run(mutator.Mutate(base, seeds));
        ++done;
    }
    std::printf("%zu seeds and %lld mutated inputs ran clean\n", seeds.size(), done);
    return 0;
}
