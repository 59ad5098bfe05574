#include "engine/flat_key_map.h"

namespace {
uint64_t Mix(uint64_t k) {
    k ^= k >> 33;
    k *= 0xff51afd7ed558ccdULL;
    k ^= k >> 33;
    return k;
}
}  // namespace

void TFlatKeyMap::Clear() {
    slots_.clear();
    slots_.shrink_to_fit();
    size_ = 0;
}

void TFlatKeyMap::Reserve(size_t n) {
    size_t cap = 16;
    while (cap < n * 2) cap *= 2;
    if (cap <= slots_.size()) return;
    std::vector<Eintrag> alt = std::move(slots_);
    slots_.assign(cap, Eintrag{0, kNone});
    size_ = 0;
    for (const Eintrag& e : alt)
        if (e.value != kNone) Set(e.key, e.value);
}

size_t TFlatKeyMap::Slot(uint64_t key) const {
    const size_t mask = slots_.size() - 1;
    size_t i = size_t(Mix(key)) & mask;
    while (slots_[i].value != kNone && slots_[i].key != key) i = (i + 1) & mask;
    return i;
}

uint32_t TFlatKeyMap::Find(uint64_t key) const {
    if (slots_.empty()) return kNone;
    return slots_[Slot(key)].value;
}

void TFlatKeyMap::Set(uint64_t key, uint32_t value) {
    if ((size_ + 1) * 2 > slots_.size()) Grow();
    Eintrag& e = slots_[Slot(key)];
    if (e.value == kNone) ++size_;
    e.key = key;
    e.value = value;
}

void TFlatKeyMap::Grow() { Reserve(size_ + 1 > 8 ? size_ + 1 : 8); }
