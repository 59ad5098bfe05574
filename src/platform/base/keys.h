#pragma once
// Keys of the suite: a pair of 32-bit integers (customer, document and client-company keys)
// and a trio (article keys). Ordered left to right; 0/0 is the "no key" / totals key.
#include <cstdint>
#include <functional>
#include <string>

struct TIntPair {
    int32_t Lnr = 0;  // left number
    int32_t Rnr = 0;  // right number

    constexpr TIntPair() = default;
    constexpr TIntPair(int32_t left, int32_t right) : Lnr(left), Rnr(right) {}

    constexpr bool IsNull() const { return Lnr == 0 && Rnr == 0; }
    constexpr bool IsDefined() const { return !IsNull(); }
    friend constexpr auto operator<=>(const TIntPair&, const TIntPair&) = default;

    // "left/right", for example "12/0"; the totals key reads "0/0".
    std::string ToString() const;
    // Reads "left/right" (also "left-right" or a single number = left/0); false on bad text.
    static bool FromString(const std::string& text, TIntPair& out);
};

struct TInt32Trio {
    int32_t Lnr = 0;
    int32_t Rnr = 0;
    int32_t Snr = 0;

    constexpr TInt32Trio() = default;
    constexpr TInt32Trio(int32_t a, int32_t b, int32_t c) : Lnr(a), Rnr(b), Snr(c) {}

    constexpr bool IsNull() const { return Lnr == 0 && Rnr == 0 && Snr == 0; }
    constexpr bool IsDefined() const { return !IsNull(); }
    friend constexpr auto operator<=>(const TInt32Trio&, const TInt32Trio&) = default;

    // "a-b-c"
    std::string ToString() const;
    static bool FromString(const std::string& text, TInt32Trio& out);
};

template <>
struct std::hash<TIntPair> {
    size_t operator()(const TIntPair& k) const noexcept {
        return std::hash<uint64_t>{}((uint64_t(uint32_t(k.Lnr)) << 32) | uint32_t(k.Rnr));
    }
};

template <>
struct std::hash<TInt32Trio> {
    size_t operator()(const TInt32Trio& k) const noexcept {
        uint64_t h = (uint64_t(uint32_t(k.Lnr)) << 32) | uint32_t(k.Rnr);
        return std::hash<uint64_t>{}(h ^ (uint64_t(uint32_t(k.Snr)) * 0x9E3779B97F4A7C15ull));
    }
};
