// Runs a fuzz target without libFuzzer: every seed file of the given folder,
// then a fixed number of deterministic random mutations of them. As under
// libFuzzer, an input that takes the process past 512 MB is a failure.
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

constexpr long kRssLimitMb = 512;

// Runs one input; false when the process has grown past the limit.
bool run(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    if (usage.ru_maxrss / 1024 <= kRssLimitMb) return true;
    std::fprintf(stderr, "an input of %zu bytes took %ld MB (limit %ld MB)\n", input.size(),
                 usage.ru_maxrss / 1024, kRssLimitMb);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> seeds;
    if (argc > 1 && std::filesystem::is_directory(argv[1])) {
        for (const auto& e : std::filesystem::directory_iterator(argv[1])) {
            std::ifstream in(e.path(), std::ios::binary);
            std::ostringstream s;
            s << in.rdbuf();
            seeds.push_back(s.str());
        }
    }
    if (seeds.empty()) seeds.push_back("");
    std::mt19937 rng(12345);
    size_t runs = 0;
    for (const auto& s : seeds) {
        if (!run(s)) return 1;
        ++runs;
    }
    const int iterations = argc > 2 ? std::atoi(argv[2]) : 3000;
    for (int i = 0; i < iterations; ++i) {
        std::string s = seeds[rng() % seeds.size()];
        int edits = 1 + rng() % 8;
        for (int k = 0; k < edits; ++k) {
            switch (rng() % 4) {
                case 0:
                    if (!s.empty()) s[rng() % s.size()] = static_cast<char>(rng());
                    break;
                case 1:
                    s.insert(s.begin() + (s.empty() ? 0 : rng() % s.size()),
                             static_cast<char>(rng()));
                    break;
                case 2:
                    if (!s.empty()) s.erase(rng() % s.size(), 1 + rng() % 16);
                    break;
                case 3:
                    if (!s.empty()) s.resize(rng() % s.size());
                    break;
            }
        }
        if (!run(s)) return 1;
        ++runs;
    }
    std::printf("%zu inputs, no crash\n", runs);
    return 0;
}
