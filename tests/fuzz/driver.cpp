// Stand-alone driver for the fuzz targets when libFuzzer is not at hand: first replays every
// file of the corpus folders (or files) named after the run count, then feeds the target a
// fixed number of seeded random inputs (lengths up to 4 KiB, biased toward the bytes the
// readers care about) so every run exercises the same inputs.
//   fuzz_x [RUNS] [CORPUS_DIR_OR_FILE...]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

int ReplayFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    int replayed = 0;
    for (int a = 2; a < argc; ++a) {
        const std::filesystem::path p(argv[a]);
        std::error_code ec;
        if (std::filesystem::is_directory(p, ec)) {
            for (const auto& e : std::filesystem::directory_iterator(p))
                if (e.is_regular_file()) replayed += ReplayFile(e.path());
        } else if (std::filesystem::is_regular_file(p, ec)) {
            replayed += ReplayFile(p);
        }
    }
    std::mt19937 rng(12345);
    static const uint8_t interesting[] = {0,    2,    3,    9,    10,   13,  42,
                                          0x2e, 0xAA, 0xB0, 0xC3, 0xDA, 0xFF};
    for (long i = 0; i < runs; ++i) {
        size_t len = rng() % (i % 100 == 0 ? 4096 : 300);
        std::vector<uint8_t> buf(len);
        for (auto& b : buf)
            b = (rng() % 3 == 0) ? interesting[rng() % sizeof interesting] : uint8_t(rng());
        LLVMFuzzerTestOneInput(buf.data(), buf.size());
    }
    std::printf("%d corpus inputs, %ld random inputs\n", replayed, runs);
    return 0;
}
