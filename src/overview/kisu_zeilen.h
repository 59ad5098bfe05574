#pragma once
// Rows of the overview grid: the customer sums file of the run, read in the order of one of
// its indexes (name, selected or total turnover and quantity). The totals record comes first,
// whatever the order; then the customers as the index orders them. Each row is built when the
// grid asks for it: the customer's open-item tables and bonus totals are read then.
#include <QVariantList>
#include <map>
#include <memory>
#include <string>

#include "app/kis_types.h"
#include "platform/base/keys.h"
#include "platform/ui/data_model.h"

class TBonusTabellen;
class TOPTabellen;

namespace kis::store {
class TQEL_DBFile;
}

namespace kis::overview {

// What a row needs besides its record.
struct TKisuKontext {
    TSelektionFrmModus modus = TSelektionFrmModus::smKundeninfoSelektion;
    bool opBonusAbg = false;     // filter flag: show the closed bonus total
    std::string bonusKennung;    // programme of a bonus run
    std::string bonusName;
    TIntPair mandant;            // client company of the open items
    long double bonusSumWert = 0;
    const std::map<std::string, std::string>* opSumList = nullptr;
    TBonusTabellen* bonus = nullptr;  // none: the source reads through sets of its own
    TOPTabellen* op = nullptr;
};

// The five orders of the list; the text is the index name of the file.
inline constexpr const char* kKisuIndizes[] = {"NAME", "SELUMSATZ", "SELMENGE", "GESUMSATZ", "GESMENGE"};

// Builds the row of the current record of a customer sums file. `anzahl` is the number of
// records of the file (the totals row names it less one).
QVariantList KisuZeile(kis::store::TQEL_DBFile& file, const TKisuKontext& k, int64_t anzahl);

// A row source over the result file of this process in the order of `index`.
// Throws when the file cannot be opened.
std::unique_ptr<TORVRowSource> KisuQuelle(const std::string& index, TKisuKontext kontext);

// Number of records of the result file ("VK" records, the totals record included).
int64_t KisuAnzahl();

}  // namespace kis::overview
