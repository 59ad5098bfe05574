#pragma once
// Bulk reads of an evaluation run: the document index of a client company in one pass, and
// the sales positions of a client company as one stream in file order. Reading the positions
// in file order instead of document by document keeps the reads sequential however the
// documents of one customer are scattered over the file.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"
#include "platform/sales/lst_position.h"
#include "platform/store/statement.h"

// One record of the document index. The kind is kept inline (up to 7 characters; longer
// kinds are cut, which no kind test of the evaluation can tell apart from the full text).
struct TLfnrEintrag {
    TIntPair Kunde;
    int32_t RNr = 0;
    int32_t LNr = 0;
    int32_t BelegLNr = 0;
    int32_t BelegRNr = 0;
    char BelegArt[8] = {};

    bool ArtIst(const char* art) const;
};

// All index records of the client company, ordered by customer, RNR, LNR and file order
// (the order of the index KUNDE).
std::vector<TLfnrEintrag> LeseBelegIndex(const TIntPair& mandant);

// Streams the sales positions of a client company with position numbers 0 to 9999, in file
// order. One statement for the whole run; the position object is reused between rows.
// The bonus references (Bonus1, Bonus2) are not read and stay as they are: a run tests only
// whether a position carries a bonus kind, and six columns less per row shorten the scan.
class TLSTScan {
public:
    explicit TLSTScan(const TIntPair& mandant);
    ~TLSTScan();
    TLSTScan(const TLSTScan&) = delete;
    TLSTScan& operator=(const TLSTScan&) = delete;
    // Reads the next position; false at the end.
    bool Next(TLSTPosition& pos);

private:
    kis::store::Statement st_;
    TIntPair mandant_;
};

// True when the sales list holds a position of the document (mandant, rnr, lnr) dated from
// von to bis (both inclusive).
bool LSTPositionImZeitraum(const TIntPair& mandant, int32_t rnr, int32_t lnr, TDateTime von,
                           TDateTime bis);
