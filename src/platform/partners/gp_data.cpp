#include "platform/partners/gp_data.h"

#include "platform/match/text_match.h"
#include "platform/partners/gp_satz_sql.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/shared_instance.h"

namespace {
constexpr int kBuchungPassivieren = 55;
}

bool TGpData::Get(const TIntPair& gepNr, TGpSatz& out) {
    auto& db = kis::store::SuiteDb();
    if (held_ && db_ == &db && last_.GepNr == gepNr) {
        out = last_;
        return true;
    }
    auto& s = db.Cached(std::string("SELECT ") + kis::partners::kGpSpalten +
                        " FROM GEP WHERE GEPNR_L = ? AND GEPNR_R = ?");
    s.Bind(1, gepNr.Lnr).Bind(2, gepNr.Rnr);
    const bool found = s.Step();
    if (found) kis::partners::ReadGpSatz(s, last_);
    s.Reset();
    held_ = found;
    db_ = &db;
    if (found) out = last_;
    return found;
}

bool TGpData::GetMitStatus(const TIntPair& gepNr, const std::string& status, TGpSatz& out) {
    TGpSatz g;
    if (!Get(gepNr, g) || kis::match::Trim(g.Status) != kis::match::Trim(status)) return false;
    out = std::move(g);
    return true;
}

std::string TGpData::AnzeigeName(const TIntPair& gepNr) {
    TGpSatz g;
    return Get(gepNr, g) ? g.AnzeigeName() : std::string();
}

bool TGpData::SetStatus(const TIntPair& gepNr, const std::string& status) {
    auto& db = kis::store::SuiteDb();
    kis::store::BookingScope booking(kBuchungPassivieren, gepNr);
    auto& s = db.Cached("UPDATE GEP SET STATUS = ? WHERE GEPNR_L = ? AND GEPNR_R = ?");
    s.Bind(1, kis::match::Trim(status)).Bind(2, gepNr.Lnr).Bind(3, gepNr.Rnr);
    s.Run();
    const bool changed = db.Changes() > 0;
    booking.Commit();
    if (held_ && last_.GepNr == gepNr) last_.Status = kis::match::Trim(status);
    return changed;
}

void TGpData::Close() { held_ = false; }

TGpData* GlobGpData_GetInstance() { return kis::store::SharedInstance<TGpData>::GetInstance(); }

void GlobGpData_ReleaseInstance() { kis::store::SharedInstance<TGpData>::ReleaseInstance(); }
