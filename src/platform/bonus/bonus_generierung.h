#pragma once
// The bonus tables of one customer, generation and booking side.
//
// Generation (one programme, customer by customer): New, VorhandeneKundenDatenLaden, AddItem
// per item (returns the item's bonus), Insert(1) writes the customer's new bonuses into the
// run's temporary bonus file ("BONUTMP." + process id); for the period premium
// OffenerBonusBerechnen computes and writes the bonuses of the periods the items fell into.
//
// Booking: UseTMP(1, programme) and KundeLaden(customer) read the customer's temporary
// bonuses back; Insert() writes them into the four places (bonus record, open item, service
// record, "BN" marks on the positions through the item-booking callback) as one booking of
// type 44; Delete(1) then removes the temporary ones. BucheKunde does all of that for one
// customer and tells what happened.
//
// Amounts are whole cents throughout. A temporary bonus whose reference is set continues the
// stored bonus of that reference (an open pass that received entries, a running period):
// its value, base value, entry count and lines are added to the stored record at booking.
// A temporary bonus without reference becomes a new bonus with the next free reference.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

struct TQEL_UMZR_Params;
struct TBetaRegel;
namespace kis::store {
class Database;
}

// Booking type of computed bonuses.
inline constexpr int kBuchungBonusBerechnet = 44;
// Booking type of deleting a customer's bonuses.
inline constexpr int kBuchungBonusLoeschen = 43;

// One item handed to the bonus tables: a sales position, a voucher redemption ("GZ"), a sold
// voucher ("GL") or a whole document ("BO", "RG", ..., "AP" for an open transaction).
struct TBonusGenItem {
    std::string Art;    // two characters; blanks for an ordinary position
    std::string Art2;   // open transaction: first three characters of its document kind
    int32_t Nr1 = 0;    // position: RNR; document: BELEGLNR
    int32_t Nr2 = 0;    // position: LNR; document: BELEGRNR
    int32_t PosNr = 0;  // position number; 0 for documents
    TInt32Trio ArtikelNr;
    long double Wert = 0;
    TDateTime Datum = 0;
    int32_t Nr3 = 0;  // open transaction numbers
    int32_t Nr4 = 0;
    int32_t Anzahl = 1;
    int64_t BonusCent = 0;  // the item's bonus as computed (kept in the text line)

    bool IstPosition() const;  // blank kind or "GL": a sales position that can be marked
    // One line of a bonus text block: kind, first number (4), second number (9), then
    // ";" date ";" value ";" bonus ";" position ";" article ";" second code ";" nr3 ";" nr4.
    std::string AlsTextZeile() const;
    static bool AusTextZeile(const std::string& zeile, TBonusGenItem& out);
};

// One new bonus of the customer (not yet booked).
struct TBonusGenTabelle {
    // RNr -1: a new bonus (LNr numbers it provisionally); else the stored bonus it continues.
    int32_t RNr = -1, LNr = 0, SNr = 0;
    std::string ProgrammId, Programm;
    std::string Status = "O";
    TDateTime Datum = 0;
    int64_t BonusCent = 0;   // the bonus this run adds
    int64_t BasisCent = 0;   // the sales value this run adds
    int32_t Laenge = 0;      // entries this run adds
    bool Eintraege = false;  // received entries in this run (passes advance even at 0,00)
    std::string CouponTyp;
    std::vector<TBonusGenItem> Items;

    bool Fortsetzung() const { return RNr >= 0; }
};

// Raised inside a booking when a position is already marked for a bonus: the customer is
// skipped, so nothing is paid twice.
class TBonusSchonVerrechnet : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Item-booking callback: marks what an item stands for as settled by the bonus `ref`.
// Throws when that is not possible; the customer's booking then rolls back whole.
using TBonusItemBuchenEvent =
    std::function<void(const TIntPair& kunde, const TBonusGenItem& item, const TInt32Trio& ref)>;

class TBonusTabellenGen {
public:
    explicit TBonusTabellenGen(int mode = 0);
    ~TBonusTabellenGen();
    TBonusTabellenGen(const TBonusTabellenGen&) = delete;
    TBonusTabellenGen& operator=(const TBonusTabellenGen&) = delete;

    void Clear();
    void Open();
    void Close();

    // --- generation ----------------------------------------------------------------------
    // Starts a customer under a programme. Throws std::runtime_error when the programme cannot
    // be read or cannot compute (missing record, kind unknown, rule missing).
    void New(const TIntPair& kunde, const std::string& kennung, const std::string& name);
    // Reads what the customer already has under this programme: the open pass, the stored
    // periods of a period premium.
    void VorhandeneKundenDatenLaden();
    // Adds an item and returns its bonus (0 for a skipped cancellation).
    long double AddItem(const TBonusGenItem& item);
    // The customer's new bonus amount (always 0 for the period premium).
    long double BonusNeu() const;
    // Flag 1: writes the customer's new bonuses into the temporary bonus file; flag 0: books
    // them (same as Insert()).
    void Insert(int flag);
    // Period premium: computes the bonus of every period the customer's items fell into and
    // writes it with Insert(1) when it is not 0,00; a period ended before `jetzt` is closed.
    void OffenerBonusBerechnen(const TIntPair& kunde, TDateTime jetzt);
    int Kind() const { return kind_; }
    const std::vector<TBonusGenTabelle>& Tabellen() const { return neu_; }
    // The date new bonuses get (0: today). The demo generator dates its bonuses in its past.
    void SetHeute(TDateTime heute) { heute_ = heute; }

    // --- booking -------------------------------------------------------------------------
    // Flag 1: KundeLaden reads the temporary bonuses of this programme; flag 0: none.
    void UseTMP(int flag, const std::string& kennung, const std::string& name);
    void KundeLaden(const TIntPair& kunde);
    // True when a loaded temporary bonus is worth a cent, received entries (a pass), or
    // closes a stored bonus (an ended period).
    bool Buchen_Noetig() const;
    // Writes the loaded temporary bonuses into the four places in one booking of type 44
    // (nested in a running booking). The item-booking callback marks each item.
    void Insert();
    // Flag 0: removes all stored bonuses of the loaded customer (bonus, open item, service
    // record) and releases the positions marked for them, in one booking. Flag 1: removes the
    // customer's temporary bonuses (of the UseTMP programme, or all when none is set).
    void Delete(int flag);

    enum class TBuchErgebnis { NichtsZuBuchen, Gebucht, SchonVerrechnet, Fehler };
    // One customer of "Buchung für alle Kunden": load, book when needed, remove the temporary
    // bonuses. A position already marked (another run, or a booking that crashed before its
    // temporary bonus was removed) skips the customer and removes the stale temporary bonus;
    // any other failure rolls back and keeps the temporary bonus. `meldung` gets the reason.
    // Must run outside any booking (it commits its own before removing the temporary one).
    TBuchErgebnis BucheKunde(const TIntPair& kunde, std::string* meldung = nullptr);
    // BucheKunde without removing the temporary bonuses: `tmpEntfernen` tells whether they are
    // to go once the booking is committed. For runs that commit several customers at once
    // (TBonusBuchungsLauf); inside a booking batch the customer's booking is a savepoint.
    TBuchErgebnis Buchen(const TIntPair& kunde, bool& tmpEntfernen, std::string* meldung);
    // Removes the temporary bonuses (of the UseTMP programme) of these customers.
    void DeleteTMP(const std::vector<TIntPair>& kunden);

    // Marks the items of a booked bonus; default: BonusTabItemBuchen of bonus_marken.h.
    TBonusItemBuchenEvent OnItemBuchen;

    // Period premium settings of a programme for the evaluation filter: vouchers at issue and
    // the fixed article values in cents. False when the programme record does not exist;
    // throws when its settings cannot be read.
    static bool UMZRFilterWerte(const std::string& kennung, const std::string& name,
                                bool& gutscheine,
                                std::vector<std::pair<TInt32Trio, int64_t>>& artikelCent);

private:
    struct Programm;
    struct Periode;
    void ProgrammLesen(const std::string& kennung, const std::string& name);
    TBonusGenTabelle& NeueTabelle();
    int64_t Regel(size_t index, int64_t wertCent) const;
    void TemporaerSchreiben(const TBonusGenTabelle& t);
    void TemporaerFestschreiben();  // commits the run's open transaction of the temporary file
    void BuchenEine(const TBonusGenTabelle& t);

    int mode_ = 0;
    int openCount_ = 0;
    std::unique_ptr<Programm> prog_;
    int kind_ = 0;
    TIntPair kunde_;
    std::vector<TBonusGenTabelle> neu_;
    // Pass: the table receiving entries and its entry count so far.
    int passTabelle_ = -1;
    int32_t passEintraege_ = 0;
    // Premium and coupon on the sum: the sum so far.
    int64_t summeCent_ = 0;
    int64_t summeBonusCent_ = 0;
    // Period premium: items of the run and stored periods.
    std::vector<TBonusGenItem> umzrItems_;
    std::vector<Periode> perioden_;
    TDateTime umzrAnker_ = 0;
    TDateTime heute_ = 0;

    // Booking side.
    int useTmp_ = 0;
    std::string tmpKennung_, tmpName_;
    // The temporary bonus file, held while this object lives: a run over all customers opens
    // it once, not twice per customer. Null when the file does not exist.
    std::shared_ptr<kis::store::Database> TempDb(bool nurWennVorhanden);
    std::shared_ptr<kis::store::Database> tmpDb_;
    static constexpr int kTmpKundenJeCommit = 500;
    bool tmpTransaktion_ = false;  // a generation run's transaction of the temporary file is open
    int tmpKunden_ = 0;            // customers written in it
    // The run's detail file, held once a document item was booked.
    std::shared_ptr<kis::store::Database> kivkDb_;
};
