#include "engine/positions_speicher.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace {

constexpr size_t kBlockBits = 22;  // 4 MiB per block
constexpr size_t kBlockSize = size_t(1) << kBlockBits;
constexpr size_t kMaxRecord = 96;

enum : uint8_t { kSel = 1, kIstRoh = 2, kSollRoh = 4, kDatumGleich = 8, kVerrechnet = 16 };

uint8_t* PutVar(uint8_t* p, int64_t v) {
    uint64_t z = (uint64_t(v) << 1) ^ uint64_t(v >> 63);  // zigzag
    while (z >= 0x80) {
        *p++ = uint8_t(z | 0x80);
        z >>= 7;
    }
    *p++ = uint8_t(z);
    return p;
}

const uint8_t* GetVar(const uint8_t* p, int64_t& v) {
    uint64_t z = 0;
    int shift = 0;
    while (*p & 0x80) {
        z |= uint64_t(*p++ & 0x7F) << shift;
        shift += 7;
    }
    z |= uint64_t(*p++) << shift;
    v = int64_t(z >> 1) ^ -int64_t(z & 1);
    return p;
}

// Whole cents when they give back exactly the same double, as decoding computes it.
bool AlsCent(double v, int64_t& cents) {
    if (!std::isfinite(v) || std::fabs(v) > 1e15) return false;
    cents = std::llround(v * 100.0);
    return double(cents) / 100.0 == v;
}

uint8_t* PutBetrag(uint8_t* p, double v, bool roh) {
    if (roh) {
        std::memcpy(p, &v, sizeof v);
        return p + sizeof v;
    }
    int64_t c = 0;
    AlsCent(v, c);
    return PutVar(p, c);
}

const uint8_t* GetBetrag(const uint8_t* p, double& v, bool roh) {
    if (roh) {
        std::memcpy(&v, p, sizeof v);
        return p + sizeof v;
    }
    int64_t c = 0;
    p = GetVar(p, c);
    v = double(c) / 100.0;
    return p;
}

}  // namespace

TPositionsSpeicher::TPositionsSpeicher() = default;
TPositionsSpeicher::~TPositionsSpeicher() = default;

void TPositionsSpeicher::Clear() {
    map_.Clear();
    slots_.clear();
    slots_.shrink_to_fit();
    blocks_.clear();
    used_ = 0;
}

void TPositionsSpeicher::BelegAnmelden(int32_t rnr, int32_t lnr) {
    const uint64_t key = TFlatKeyMap::Key(rnr, lnr);
    if (map_.Find(key) != TFlatKeyMap::kNone) return;
    map_.Set(key, uint32_t(slots_.size()));
    SlotInfo s;
    s.rnr = rnr;
    s.lnr = lnr;
    slots_.push_back(s);
}

uint32_t TPositionsSpeicher::Slot(int32_t rnr, int32_t lnr) const {
    return map_.Find(TFlatKeyMap::Key(rnr, lnr));
}

uint8_t* TPositionsSpeicher::Reserve(size_t n, uint32_t& offset) {
    if (blocks_.empty() || used_ + n > kBlockSize) {
        if (blocks_.size() >= (size_t(1) << (32 - kBlockBits)) - 1)
            throw std::length_error("Zu viele Verkaufspositionen für einen Auswertungslauf.");
        blocks_.push_back(std::make_unique<uint8_t[]>(kBlockSize));
        used_ = 0;
    }
    offset = uint32_t(((blocks_.size() - 1) << kBlockBits) | used_) + 1;
    uint8_t* p = blocks_.back().get() + used_;
    return p;
}

const uint8_t* TPositionsSpeicher::At(uint32_t offset) const {
    const uint32_t o = offset - 1;
    return blocks_[o >> kBlockBits].get() + (o & (kBlockSize - 1));
}

void TPositionsSpeicher::Ablegen(uint32_t slot, const TKompaktPosition& p) {
    SlotInfo& s = slots_[slot];
    uint32_t offset = 0;
    uint8_t* const start = Reserve(kMaxRecord, offset);
    uint8_t* w = start;
    std::memset(w, 0, 4);  // link to the next position of the document
    w += 4;
    int64_t c = 0;
    const bool istRoh = !AlsCent(p.IstVk, c);
    const bool sollRoh = !AlsCent(p.SollVk, c);
    const bool datumGleich = s.head != 0 && p.Datum == s.letztesDatum;
    *w++ = uint8_t((p.Selektiert ? kSel : 0) | (istRoh ? kIstRoh : 0) | (sollRoh ? kSollRoh : 0) |
                   (datumGleich ? kDatumGleich : 0) | (p.Verrechnet ? kVerrechnet : 0));
    *w++ = uint8_t(p.Art);
    const size_t vkLen = strnlen(p.VkKz, sizeof p.VkKz - 1);
    *w++ = uint8_t(vkLen);
    std::memcpy(w, p.VkKz, vkLen);
    w += vkLen;
    w = PutVar(w, p.PosNr);
    w = PutVar(w, int64_t(p.Filiale) - p.RNr);
    w = PutVar(w, p.ArtikelNr.Lnr);
    w = PutVar(w, p.ArtikelNr.Rnr);
    w = PutVar(w, p.ArtikelNr.Snr);
    w = PutVar(w, p.Groesse);
    w = PutVar(w, p.Menge);
    w = PutBetrag(w, p.IstVk, istRoh);
    w = PutBetrag(w, p.SollVk, sollRoh);
    if (!datumGleich) {
        std::memcpy(w, &p.Datum, sizeof p.Datum);
        w += sizeof p.Datum;
    }
    used_ += size_t(w - start);
    s.letztesDatum = p.Datum;
    if (s.tail != 0) {
        uint8_t* prev = const_cast<uint8_t*>(At(s.tail));
        std::memcpy(prev, &offset, 4);
    } else {
        s.head = offset;
    }
    s.tail = offset;
}

uint32_t TPositionsSpeicher::AnzahlGelesen(int32_t rnr, int32_t lnr) const {
    const uint32_t slot = Slot(rnr, lnr);
    return slot == TFlatKeyMap::kNone ? 0 : slots_[slot].gelesen;
}

void TPositionsSpeicher::Positionen(int32_t rnr, int32_t lnr,
                                    std::vector<TKompaktPosition>& out) const {
    out.clear();
    const uint32_t slot = Slot(rnr, lnr);
    if (slot == TFlatKeyMap::kNone) return;
    const SlotInfo& s = slots_[slot];
    TDateTime datum = 0;
    for (uint32_t off = s.head; off != 0;) {
        const uint8_t* r = At(off);
        uint32_t next = 0;
        std::memcpy(&next, r, 4);
        r += 4;
        TKompaktPosition p;
        p.RNr = s.rnr;
        p.LNr = s.lnr;
        const uint8_t flags = *r++;
        p.Selektiert = flags & kSel;
        p.Verrechnet = flags & kVerrechnet;
        p.Art = TPosArt(*r++);
        const uint8_t vkLen = *r++;
        std::memcpy(p.VkKz, r, vkLen);
        r += vkLen;
        int64_t v = 0;
        r = GetVar(r, v), p.PosNr = int32_t(v);
        r = GetVar(r, v), p.Filiale = int32_t(v + p.RNr);
        r = GetVar(r, v), p.ArtikelNr.Lnr = int32_t(v);
        r = GetVar(r, v), p.ArtikelNr.Rnr = int32_t(v);
        r = GetVar(r, v), p.ArtikelNr.Snr = int32_t(v);
        r = GetVar(r, v), p.Groesse = int32_t(v);
        r = GetVar(r, v), p.Menge = int32_t(v);
        r = GetBetrag(r, p.IstVk, flags & kIstRoh);
        r = GetBetrag(r, p.SollVk, flags & kSollRoh);
        if (!(flags & kDatumGleich)) std::memcpy(&datum, r, sizeof datum);
        p.Datum = datum;
        out.push_back(p);
        off = next;
    }
    // The file order usually is the position order already.
    if (!std::is_sorted(out.begin(), out.end(), [](const auto& a, const auto& b) {
            return a.PosNr < b.PosNr;
        }))
        std::stable_sort(out.begin(), out.end(),
                         [](const auto& a, const auto& b) { return a.PosNr < b.PosNr; });
}

size_t TPositionsSpeicher::Bytes() const {
    return blocks_.size() * kBlockSize + slots_.capacity() * sizeof(SlotInfo) +
           map_.Size() * 24;
}
