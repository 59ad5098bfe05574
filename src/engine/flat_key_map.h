#pragma once
// A hash map from 64-bit keys to 32-bit values with open addressing: two flat arrays, no
// allocation per entry. Used for the document keys of a run (a million entries and more).
#include <cstddef>
#include <cstdint>
#include <vector>

class TFlatKeyMap {
public:
    static constexpr uint32_t kNone = 0xFFFFFFFFu;

    static uint64_t Key(int32_t a, int32_t b) {
        return (uint64_t(uint32_t(a)) << 32) | uint32_t(b);
    }

    void Clear();
    void Reserve(size_t n);
    // The value of the key, kNone when absent.
    uint32_t Find(uint64_t key) const;
    // Sets the value (kNone is not a storable value).
    void Set(uint64_t key, uint32_t value);
    size_t Size() const { return size_; }

private:
    size_t Slot(uint64_t key) const;
    void Grow();

    // Key and value side by side: one cache line per probe.
    struct Eintrag {
        uint64_t key;
        uint32_t value;  // kNone marks an empty slot
    };
    std::vector<Eintrag> slots_;
    size_t size_ = 0;
};
