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
    keys_.clear();
    keys_.shrink_to_fit();
    values_.clear();
    values_.shrink_to_fit();
    size_ = 0;
}

void TFlatKeyMap::Reserve(size_t n) {
    size_t cap = 16;
    while (cap < n * 2) cap *= 2;
    if (cap <= keys_.size()) return;
    std::vector<uint64_t> oldKeys = std::move(keys_);
    std::vector<uint32_t> oldValues = std::move(values_);
    keys_.assign(cap, 0);
    values_.assign(cap, kNone);
    size_ = 0;
    for (size_t i = 0; i < oldKeys.size(); ++i)
        if (oldValues[i] != kNone) Set(oldKeys[i], oldValues[i]);
}

size_t TFlatKeyMap::Slot(uint64_t key) const {
    const size_t mask = keys_.size() - 1;
    size_t i = size_t(Mix(key)) & mask;
    while (values_[i] != kNone && keys_[i] != key) i = (i + 1) & mask;
    return i;
}

uint32_t TFlatKeyMap::Find(uint64_t key) const {
    if (keys_.empty()) return kNone;
    const size_t i = Slot(key);
    return values_[i];
}

void TFlatKeyMap::Set(uint64_t key, uint32_t value) {
    if ((size_ + 1) * 2 > keys_.size()) Grow();
    const size_t i = Slot(key);
    if (values_[i] == kNone) ++size_;
    keys_[i] = key;
    values_[i] = value;
}

void TFlatKeyMap::Grow() { Reserve(size_ + 1 > 8 ? size_ + 1 : 8); }
