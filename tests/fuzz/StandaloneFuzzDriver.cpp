// Runs a libFuzzer-style target without libFuzzer: every seed file once, then
// randomly mutated seeds until the time is spent. A crash or a sanitizer report
// ends the process, as it would under libFuzzer.
//
//     fuzz_target [--seconds N] [--random-seed N] seed-file-or-folder...
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileRead.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

constexpr std::size_t kMaxInputBytes = 256 * 1024;

// Pieces of the formats under test, so mutations reach the interesting paths.
const std::string kTokens[] = {
    "[*]", "[*]\t", "k1:", "K2:", "k3:", "d:", "D:", "l1:", "l2:", "l3:", "L4:", "l5:",
    "f:", "F:", "//", "\n", "\r", "\r\n", "\t", ":", "-1:", "0:", "1:", "2:", "99:",
    "\x82", "\x82\xA0", "\x83\x41", "\x81\x5C", "\xFC\x4B", "\x80", "\xA0", "\xFD", "\xFF",
    std::string("\0", 1), "\xEF\xBB\xBF", "f:../x.txt", "f:main.txt", "f:/etc/hostname"};

std::mt19937_64 g_random;

// A number below n (0 when n is 0).
std::size_t Below(std::size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(g_random);
}

// One change: a flipped, replaced or inserted byte, a token, a cut, a piece repeated
// (long lines, many lines) or spliced in from another seed.
void MutateOnce(std::string& s, const std::vector<std::string>& seeds) {
    const std::size_t at = Below(s.size() + 1);
    const std::string& other = seeds[Below(seeds.size())];
    switch (Below(9)) {
    case 0: if (!s.empty()) s[Below(s.size())] ^= static_cast<char>(1u << Below(8)); break;
    case 1: if (!s.empty()) s[Below(s.size())] = static_cast<char>(Below(256)); break;
    case 2: s.insert(at, 1, static_cast<char>(Below(256))); break;
    case 3:
    case 4: s.insert(at, kTokens[Below(std::size(kTokens))]); break;
    case 5: if (!s.empty()) s.erase(Below(s.size()), 1 + Below(16)); break;
    case 6: {
        if (s.empty()) break;
        const std::string piece = s.substr(Below(s.size()), 1 + Below(64));
        std::string repeated;  // a few times, now and then up to 2000 (128 kB at most)
        for (std::size_t i = 1 + Below(Below(8) != 0 ? 4 : 2000); i > 0; --i) repeated += piece;
        s.insert(at, repeated);
        break;
    }
    case 7:
        if (!other.empty()) s.insert(at, other.substr(Below(other.size()), 1 + Below(512)));
        break;
    default: s.resize(at); break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 10;
    uint64_t randomSeed = std::random_device{}();
    std::vector<std::string> seeds;
    auto addSeed = [&](const std::filesystem::path& file) {
        if (std::optional<std::string> bytes = ReadWholeFile(file.string()))
            seeds.push_back(bytes->substr(0, kMaxInputBytes));
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::error_code error;
        if (arg == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
        else if (arg == "--random-seed" && i + 1 < argc) randomSeed = std::strtoull(argv[++i], nullptr, 10);
        else if (std::filesystem::is_directory(arg, error))
            for (const auto& entry : std::filesystem::recursive_directory_iterator(arg, error))
                addSeed(entry.path());
        else addSeed(arg);
    }
    if (seeds.empty()) seeds.emplace_back();
    std::printf("random seed %llu\n", static_cast<unsigned long long>(randomSeed));
    std::fflush(stdout);
    g_random.seed(randomSeed);

    const auto run = [](const std::string& input) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    };
    for (const std::string& seed : seeds) run(seed);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long long done = 0;
    for (; std::chrono::steady_clock::now() < end; ++done) {
        std::string input = seeds[Below(seeds.size())];
        for (std::size_t steps = 1 + Below(8); steps > 0; --steps) MutateOnce(input, seeds);
        input.resize(std::min(input.size(), kMaxInputBytes));
        run(input);
    }
    std::printf("%zu seeds and %lld mutated inputs ran clean\n", seeds.size(), done);
    return 0;
}
