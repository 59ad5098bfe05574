#pragma once
// Applies a TLSTFilter to sales positions. Prepare converts the filter once (dates, branch
// list, article key, sales codes); Check_LST then only compares.
#include <cstdint>
#include <string>
#include <unordered_set>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"
#include "platform/sales/lst_filter.h"
#include "platform/sales/lst_position.h"

class TLSTQuery {
public:
    void SetFilter(const TLSTFilter& filter) {
        filter_.Assign(filter);
        prepared_ = false;
    }
    const TLSTFilter& Filter() const { return filter_; }
    // Converts the filter. False when a criterion text could not be read (an unreadable date
    // or article number): that criterion then matches no position (its negation: all).
    bool Prepare();
    // True when the position passes every criterion. Prepares on first use if needed.
    bool Check_LST(const TLSTPosition& pos);

    // The converted sale date bounds (0 = open); the date-to is the last day it stands for.
    TDateTime DatumVon() const { return datumVon_; }
    TDateTime DatumBis() const { return datumBis_; }

private:
    bool CheckDatum(const TLSTPosition& pos) const;
    bool CheckFiliale(const TLSTPosition& pos) const;
    bool CheckArtikel(const TLSTPosition& pos) const;
    bool CheckVkKz(const TLSTPosition& pos) const;
    bool CheckIstVk(const TLSTPosition& pos) const;
    bool CheckReduziert(const TLSTPosition& pos) const;
    bool CheckBonus(const TLSTPosition& pos) const;

    TLSTFilter filter_;
    bool prepared_ = false;

    bool datumAktiv_ = false;
    bool datumUnlesbar_ = false;
    TDateTime datumVon_ = 0;
    TDateTime datumBis_ = 0;

    bool filialAktiv_ = false;
    std::unordered_set<int32_t> filialen_;

    bool artikelAktiv_ = false;
    bool artikelUnlesbar_ = false;
    TInt32Trio artikel_;

    std::string vkKz_;  // accepted codes; empty = no criterion
    bool istVkAktiv_ = false;
    bool nachlassAktiv_ = false;
};
