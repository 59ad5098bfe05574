#pragma once
// The texts the overview shows: cells of the overview grid and its totals row, the document
// text of the documents grid, and the node texts and pictures of the bonus and open-item
// trees. Plain functions of their inputs, so every rule can be checked on its own.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/base/datetime.h"

class TBonusTabelle;
struct TBonusItem;
struct TOPTabelle;
struct TOPPosten;

namespace kis::overview {

// An amount as "%9.2n"; empty when it rounds to 0 cents.
std::string BetragOderLeer(long double wert);
// A quantity; empty when 0.
std::string MengeOderLeer(int64_t menge);
// Open-item cell of a customer: empty without the table or when first + second amount round
// to 0 cents; else first - second amount.
std::string OPZelle(const TOPTabelle* tabelle);
// Open-item cell of the totals row from the entry "A~B" (cents of both sums); empty without
// an entry; A - B, also when it is 0.
std::string OPSummenZelle(const std::optional<std::string>& eintrag);
// The value of such an entry: (A - B) / 100; a bad number reads as 0.
long double OPSummenWert(const std::string& eintrag);
// Name cell of the totals row: "<" + customers + " Kunden>".
std::string SummenName(int64_t kunden);

// "Belegnummer" of a document row.
std::string BelegText(const std::string& belegArt, int32_t rnr, int32_t lnr, int32_t belegRnr,
                      int32_t belegLnr);

// Open-item tree: top node of a table and one item's node.
std::string OPTabellenText(const std::string& bezeichnung, long double betrag1, long double betrag2);
std::string OPPostenText(const TOPPosten& posten);
// The description of an open-item table by its short name.
std::string OPBezeichnung(const std::string& kurzname);

// Bonus tree pictures (index into the legend's image list).
enum TBonusBild : int {
    bbEintragNeu = 0,
    bbEintragAlt = 1,
    bbBonusNeu = 2,
    bbNichtAbgeschlossen = 3,
    bbAbgeschlossen = 4,
    bbVerwendet = 5,
    bbManuellVerwendet = 6,
    bbAbgelaufen = 7,
};
inline constexpr int kBonusBildAnzahl = 8;
// Legend caption of each picture.
const char* BonusBildLegende(int bild);

std::string BonusKnotenText(const TBonusTabelle& t);
int BonusKnotenBild(const TBonusTabelle& t);
// " (" + account description + ")" for manual grants booked on an account, else empty.
std::string KontoZusatz(const TBonusTabelle& t,
                        const std::function<std::string(const std::string&)>& kontoBezeichnung);
std::string BonusItemText(const TBonusTabelle& t, const TBonusItem& item, const std::string& zusatz);
int BonusItemBild(const TBonusItem& item);
// "Wert ... -> Bonus ..."; empty when the item's values are not known.
std::string BonusWertText(const TBonusItem& item);

}  // namespace kis::overview
