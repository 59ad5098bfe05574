#pragma once
// The programme store: calculation rules and bonus programmes in the programme file (table
// BETA). A programme is its main record (number 0) with its content lines and, for kinds 2 to
// 5, its selection record (number 1) whose content lines are the stored selection criteria.
// Saving and deleting a programme are one booking each (type 40): main record, content and
// selection record land together or not at all.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/datetime.h"

inline constexpr int kBuchungBonusProgramm = 40;
inline constexpr int kBetaHauptsatz = 0;
inline constexpr int kBetaSelektionssatz = 1;

// One record of the programme file.
struct TBetaSatz {
    std::string Typ;      // type key, e.g. "GRUNDTAB", "BONUSPASS"
    std::string Name;     // at most 20 characters
    int Nr = kBetaHauptsatz;
    std::string Eigen = "J";  // 'J': created by this program, may be changed and deleted
    TDateTime Anlage = 0;
    TDateTime Geaendert = 0;
    int Laenge = 0;
    std::string WertArt;  // rules: "P" share, "A" absolute
    int RundungKz = 0;    // rules: 0 exakt, 1 runden, 2 aufrunden, 3 abrunden
    double RundungIntervall = 0;
    std::string Basis;    // kinds 2..5: calculation basis digit
    std::string Storno;   // kinds 2..5: "0" skip cancellations, "1" negative bonus
    std::string Konto;    // account short code; coupons: coupon type identifier
    std::vector<std::string> Inhalt;  // content lines
};

class TBetaStore {
public:
    // The record with exactly this key, or nothing.
    static std::optional<TBetaSatz> Lesen(const std::string& typ, const std::string& name,
                                          int nr = kBetaHauptsatz);
    // Names of the main records of one type key, in German order.
    static std::vector<std::string> Namen(const std::string& typ);
    // True when the programme's main record exists. The picker and the unattended bonus
    // generation refuse a programme without one.
    static bool ProgrammExistiert(const std::string& typ, const std::string& name);

    // Writes a main record with its content and, when `selektion` is given, its selection
    // record, in one booking. A new record gets today as creation date; an existing one keeps
    // its creation date and own flag. The change date of both records becomes today. An
    // existing selection record of that type and name is updated, never doubled.
    static void Speichern(const TBetaSatz& haupt, const std::vector<std::string>* selektion);
    // Removes main and selection record of a programme in one booking; false when there was
    // no main record.
    static bool Loeschen(const std::string& typ, const std::string& name);
    // Names of the programmes (kinds 2 to 5) whose content names this calculation rule, as
    // "kind name: programme name", for refusing to delete a rule in use.
    static std::vector<std::string> ProgrammeMitRegel(const std::string& regel);

    // Test seam: called inside the save booking after each written record with its number;
    // a throwing hook makes the save fail at that point.
    static std::function<void(int nr)> NachSatzGeschrieben;
};

// Text block <-> lines: one line per "\n" ("\r\n" read too); no trailing empty line.
std::vector<std::string> BetaZeilen(const std::string& text);
std::string BetaText(const std::vector<std::string>& zeilen);
