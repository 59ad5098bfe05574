#pragma once
// Deterministic random numbers for the demo data. The engine is std::mt19937_64, whose output
// is fixed by the standard; the distributions are our own, because the library's are not
// guaranteed to give the same numbers on every platform.
#include <cstdint>
#include <random>
#include <vector>

namespace kis::demo {

// splitmix64: derives independent seeds (per document, per section) from one seed.
inline uint64_t MixSeed(uint64_t a, uint64_t b) {
    uint64_t z = a + 0x9E3779B97F4A7C15ull * (b + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

class Rng {
public:
    explicit Rng(uint64_t seed) : engine_(seed) {}
    void Reseed(uint64_t seed) { engine_.seed(seed); }

    // Uniform in [0, n); n > 0. Rejection keeps it free of modulo bias.
    uint64_t Below(uint64_t n) {
        const uint64_t limit = UINT64_MAX - UINT64_MAX % n;
        uint64_t x;
        do x = engine_();
        while (x >= limit);
        return x % n;
    }
    // Uniform in [lo, hi].
    int Range(int lo, int hi) { return lo + int(Below(uint64_t(int64_t(hi) - lo + 1))); }
    // True with the given chance in percent / per mille.
    bool Percent(int p) { return int(Below(100)) < p; }
    bool PerMille(int p) { return int(Below(1000)) < p; }
    // Uniform in [0, 1) with 53 bits.
    double Unit() { return double(engine_() >> 11) * 0x1.0p-53; }

    template <class T>
    const T& Pick(const std::vector<T>& v) { return v[size_t(Below(v.size()))]; }
    template <class T, size_t N>
    const T& Pick(const T (&a)[N]) { return a[Below(N)]; }

private:
    std::mt19937_64 engine_;
};

}  // namespace kis::demo
