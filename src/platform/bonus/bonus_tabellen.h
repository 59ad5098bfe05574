#pragma once
// The bonus tables of one customer, read side: the customer's stored bonuses (bonus record,
// service record) with their state, the run's temporary bonuses of one programme when
// UseTMP(1, ...) asks for them, the items of each table, and the customer's totals.
//
// A bonus table is one bonus (reference RNr/LNr/SNr). Its items are the lines of the bonus
// record's text block: characters 1-2 the kind, 3-6 the first number, 7-15 the second number;
// a line may go on with ";" date ";" value ";" bonus ";" position ";" article (a-b-c) when the
// writer knew them. A manual grant has one item of kind "BM" with the grant's own values.
//
// States: open = no used-mark; closed = status "A"; expired = validity end before today;
// used = a used-mark in the service record.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

struct TBonusIdent {
    int32_t RNr = 0;
    int32_t LNr = 0;
    int16_t SNr = 0;
    friend bool operator==(const TBonusIdent&, const TBonusIdent&) = default;
};

struct TBonusItem {
    std::string Art;       // "BO", "RG", "BM", "GZ", "GL", "EB", "AP", or empty (a position)
    int32_t Nr1 = 0;       // BO/RG: BELEGLNR; positions, GZ, GL: the sales-list RNR
    int32_t Nr2 = 0;       // BO/RG: BELEGRNR; positions, GZ, GL: the sales-list LNR
    int32_t Nr3 = 0;       // position number, where known
    TDateTime Datum = 0;
    std::optional<long double> Wert;   // sales value, where known
    std::optional<long double> Bonus;  // the item's bonus, where known
    TInt32Trio ArtikelNr;
    bool Neu = false;      // computed in this run, not yet booked
};

class TBonusTabelle {
public:
    const std::string& GetKennung() const { return kennung_; }  // programme id
    const std::string& GetName() const { return name_; }        // programme name
    TBonusIdent GetIdent() const { return ident_; }
    long double GetBonus() const { return bonus_; }
    long double GetWert() const { return wert_; }  // the sales value that earned it
    long double GetMindestVerkaufsWert() const { return minVk_; }
    TDateTime GetBisGueltigDatum() const { return gueltigBis_; }
    TDateTime GetDatum() const { return datum_; }
    bool GetAbgeschlossen() const { return abgeschlossen_; }
    bool GetBonusAbgelaufen() const { return abgelaufen_; }
    bool IstNeu() const { return neu_; }
    bool IstOffen() const { return verwendet_.empty(); }
    const std::string& GetVerwendet() const { return verwendet_; }  // used-mark
    // Usage reference ("%.4d%.9d" of the booking number) split into its two numbers.
    int32_t GetVerwRef1() const { return verwRef1_; }
    int32_t GetVerwRef2() const { return verwRef2_; }
    int GetItemCount() const { return int(items_.size()); }
    const TBonusItem& GetItem(int i) const { return items_.at(size_t(i)); }

private:
    friend class TBonusTabellen;
    std::string kennung_, name_, verwendet_;
    TBonusIdent ident_;
    long double bonus_ = 0, wert_ = 0, minVk_ = 0;
    TDateTime gueltigBis_ = 0, datum_ = 0;
    bool abgeschlossen_ = false, abgelaufen_ = false, neu_ = false;
    int32_t verwRef1_ = 0, verwRef2_ = 0;
    std::vector<TBonusItem> items_;
};

class TBonusTabellen {
public:
    // Flag 1: show the run's temporary bonuses of this programme beside the stored ones;
    // flag 0: stored bonuses only.
    void UseTMP(int flag, const std::string& programmId, const std::string& programmName);
    // Open / Close bracket a series of loads (a grid load); they nest, and loading works
    // outside a bracket too, so the set is usable on every page whatever the order.
    void Open();
    void Close();
    bool IsOpen() const { return openCount_ > 0; }
    void Clear();
    // Loads the customer's tables (replacing what was loaded); 0/0 loads nothing.
    void SetKundeGepNr(const TIntPair& kunde);
    TIntPair Kunde() const { return kunde_; }

    int GetTabCount() const { return int(tabellen_.size()); }
    const TBonusTabelle& GetTabelle(int i) const { return tabellen_.at(size_t(i)); }
    // The table with this reference; nullptr when the customer has none.
    const TBonusTabelle* FindTabelle(const TBonusIdent& ident) const;

    // Totals of the loaded customer.
    long double WertAlt() const { return wertAlt_; }    // stored tables: value
    long double BonusAlt() const { return bonusAlt_; }  // stored tables: bonus
    long double WertNeu() const { return wertNeu_; }    // new tables: value
    long double BonusNeu() const { return bonusNeu_; }  // new tables: the new bonus total
    long double BonusAbgeschlossen() const { return bonusAbg_; }  // closed and unused
    long double BonusKasse() const { return bonusKasse_; }  // usable at the till now

    // Today's date for the expiry test (tests set it; default: the current date).
    void SetHeute(TDateTime heute) { heute_ = heute; }

    // Reads the items of a text block (exposed for the writers' tests).
    static std::vector<TBonusItem> ItemsAusText(const std::string& text);

private:
    void Lesen(bool temporaer);

    int useTmp_ = 0;
    std::string tmpId_, tmpName_;
    int openCount_ = 0;
    TIntPair kunde_;
    TDateTime heute_ = 0;
    std::vector<TBonusTabelle> tabellen_;
    long double wertAlt_ = 0, bonusAlt_ = 0, wertNeu_ = 0, bonusNeu_ = 0, bonusAbg_ = 0,
                bonusKasse_ = 0;
};
