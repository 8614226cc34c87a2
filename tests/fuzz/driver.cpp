// Stand-alone driver for the fuzz targets when libFuzzer is not at hand: feeds the target
// a fixed number of seeded random inputs (lengths up to 4 KiB, biased toward the bytes the
// readers care about) so every run exercises the same inputs.
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
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
    return 0;
}
