#pragma once
// The bonus marks of sales positions. A position carries two marks, each a kind ("BN") and the
// reference (RNr, LNr, SNr) of the bonus that settled it; a position with a mark is settled
// and is never bonified again until that bonus is deleted or cancelled.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/keys.h"
#include "platform/bonus/bonus_generierung.h"

// Marks the position (client company, RNR, LNR, POSNR) as settled by the bonus ref1-ref3.
// Throws TBonusSchonVerrechnet when it already carries a mark, std::runtime_error when it does
// not exist. `reserved` is kept for the call's shape and ignored.
void BONUMani_BonifiziereLST(const TIntPair& mandant, int32_t rnr, int32_t lnr, int32_t reserved,
                             int32_t ref1, int32_t ref2, int32_t ref3, int32_t posNr);
// Marks the positions posVon..posBis of one document, all of which must exist and be free;
// throws as BONUMani_BonifiziereLST names the first that is not (nothing stays marked then:
// the caller's booking rolls back).
void BONUMani_BonifiziereLSTBereich(const TIntPair& mandant, int32_t rnr, int32_t lnr,
                                    int32_t posVon, int32_t posBis, const TInt32Trio& ref);
// Releases every position marked by this bonus; returns how many marks were removed.
int BONUMani_EntbonifiziereLST(int32_t ref1, int32_t ref2, int32_t ref3);

// The item-booking callback without a window: a position item ("  ", "GL") marks its position;
// a document item marks the selected positions ("A9") of its document in this process's
// detail file; a voucher redemption ("GZ") is a payment and has no position to mark. Each
// marking is a nested booking of type 44. Throws when a position cannot be marked.
void BonusTabItemBuchen(const TIntPair& kunde, const TBonusGenItem& item, const TInt32Trio& ref);

// The documents of one customer in this process's detail file with their selected ("A9")
// positions, read once for all the document items of his bonuses.
class TKundenBelege {
public:
    explicit TKundenBelege(const TIntPair& kunde);
    const TIntPair& Kunde() const { return kunde_; }
    // The sales-list key and the selected positions of a document item; false when the
    // detail file does not hold the document.
    bool Finden(const TBonusGenItem& item, int32_t& rnr, int32_t& lnr,
                std::vector<int32_t>& positionen) const;

private:
    struct Beleg {
        int32_t RNr = 0, LNr = 0, BelegLNr = 0, BelegRNr = 0, Atk1 = 0, Atk2 = 0;
        std::string BelegArt;
    };
    TIntPair kunde_;
    std::vector<Beleg> belege_;
    std::map<std::pair<int32_t, int32_t>, std::vector<int32_t>> positionen_;
};

// The item-booking callback for position items posVon..posBis of one document at once.
void BonusTabPositionenBuchen(const TIntPair& kunde, int32_t rnr, int32_t lnr, int32_t posVon,
                              int32_t posBis, const TInt32Trio& ref);

// As above, with the customer's documents already read (nullptr: read for this item).
void BonusTabItemBuchen(const TIntPair& kunde, const TBonusGenItem& item, const TInt32Trio& ref,
                        const TKundenBelege* belege);
