// Runs a fuzz target without libFuzzer: every seed file of the given folder,
// then a fixed number of deterministic random mutations of them.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

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
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(s.data()), s.size());
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
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(s.data()), s.size());
        ++runs;
    }
    std::printf("%zu inputs, no crash\n", runs);
    return 0;
}
