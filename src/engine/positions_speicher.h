#pragma once
// The sales positions one evaluation run needs, read once in file order and kept compactly
// per document until the customer walk reaches the document. A position takes about 20
// bytes: numbers are stored as variable-length integers, amounts as whole cents when that
// gives back exactly the same value, the date only when it differs from the previous
// position of the document.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/flat_key_map.h"
#include "platform/base/datetime.h"
#include "platform/base/keys.h"

// Kinds of positions the run tells apart.
enum class TPosArt : uint8_t { Andere, GS, A9, SO, RS };

struct TKompaktPosition {
    int32_t RNr = 0;
    int32_t LNr = 0;
    int32_t PosNr = 0;
    TPosArt Art = TPosArt::Andere;
    bool Selektiert = false;
    TDateTime Datum = 0;
    int32_t Filiale = 0;
    TInt32Trio ArtikelNr;
    int32_t Groesse = 0;
    char VkKz[8] = {};
    double IstVk = 0;
    double SollVk = 0;
    int32_t Menge = 0;
    bool Verrechnet = false;  // carries a bonus mark: settled for a bonus
};

class TPositionsSpeicher {
public:
    TPositionsSpeicher();
    ~TPositionsSpeicher();

    void Clear();
    // Announces a document (sales-list key) whose positions are wanted.
    void BelegAnmelden(int32_t rnr, int32_t lnr);
    // Slot of a wanted document, TFlatKeyMap::kNone when not wanted.
    uint32_t Slot(int32_t rnr, int32_t lnr) const;
    // Counts one position read for the slot (kept or not).
    void Gelesen(uint32_t slot) { ++slots_[slot].gelesen; }
    void Ablegen(uint32_t slot, const TKompaktPosition& p);

    // Positions read for the document (kept or not); 0 for a document not wanted.
    uint32_t AnzahlGelesen(int32_t rnr, int32_t lnr) const;
    // The kept positions of the document, ordered by position number.
    void Positionen(int32_t rnr, int32_t lnr, std::vector<TKompaktPosition>& out) const;

    size_t Bytes() const;

private:
    struct SlotInfo {
        int32_t rnr = 0, lnr = 0;
        uint32_t head = 0, tail = 0;  // offsets + 1 into the arena; 0 = none
        uint32_t gelesen = 0;
        TDateTime letztesDatum = 0;
    };
    uint8_t* Reserve(size_t n, uint32_t& offset);
    const uint8_t* At(uint32_t offset) const;

    TFlatKeyMap map_;
    std::vector<SlotInfo> slots_;
    std::vector<std::unique_ptr<uint8_t[]>> blocks_;
    size_t used_ = 0;  // bytes used in the last block
};
