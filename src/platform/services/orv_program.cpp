#include "platform/services/orv_program.h"

#include "platform/store/work_files.h"

#include <unistd.h>

#include <cstdio>

#include "platform/match/text_match.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_utils.h"
#include "platform/services/settings.h"
#include "platform/store/database.h"

namespace {

constexpr const char* kDefaultWaehrung = "EUR";

// A setting kept once it was read from the database or set; without a database the default
// is returned and not kept, so that a database opened later is still read.
template <typename T>
T CachedSetting(std::optional<T>& cache, const char* name, const T& def) {
    if (cache) return *cache;
    if (!kis::store::HasSuiteDb()) return def;
    cache = kis::services::ReadDef(kSystemSettingsMask, name, def);
    return *cache;
}

struct MandantRow {
    std::string bezeichnung, name, waehrung;
};

// The row of one client company; false when there is none or no database.
bool ReadMandant(const TIntPair& nr, MandantRow& row, const char* where) {
    if (!kis::store::HasSuiteDb() || nr.IsNull()) return false;
    try {
        kis::store::Statement& st = kis::store::SuiteDb().Cached(
            "SELECT BEZEICHNUNG, NAME, WAEHRUNG FROM MANDANT WHERE NR_L = ? AND NR_R = ?");
        st.Bind(1, nr.Lnr).Bind(2, nr.Rnr);
        const bool found = st.Step();
        if (found) row = {st.ColumnText(0), st.ColumnText(1), st.ColumnText(2)};
        st.Reset();
        return found;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(where, e, 1);
        return false;
    }
}

}  // namespace

void TORVProgramm::Init(const std::string& programId, int processType, int instanceMode, int, bool) {
    programId_ = programId;
    processType_ = processType;
    instanceMode_ = instanceMode;
}

TIntPair TORVProgramm::MandantErster() {
    if (!kis::store::HasSuiteDb()) return {};
    try {
        kis::store::Statement& st = kis::store::SuiteDb().Cached(
            "SELECT NR_L, NR_R FROM MANDANT ORDER BY NR_L, NR_R LIMIT 1");
        TIntPair first;
        if (st.Step()) first = TIntPair(int32_t(st.ColumnInt(0)), int32_t(st.ColumnInt(1)));
        st.Reset();
        return first;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TORVProgramm.MandantErster", e, 1);
        return {};
    }
}

std::optional<TIntPair> TORVProgramm::MandantByBezeichnung(const std::string& bezeichnung) {
    const std::string wanted = TrimUp(bezeichnung);
    if (!kis::store::HasSuiteDb() || wanted.empty()) return std::nullopt;
    try {
        // Few rows: compared here, so that case folding covers the German letters.
        kis::store::Statement& st = kis::store::SuiteDb().Cached(
            "SELECT NR_L, NR_R, BEZEICHNUNG FROM MANDANT ORDER BY NR_L, NR_R");
        std::optional<TIntPair> found;
        while (!found && st.Step())
            if (TrimUp(st.ColumnText(2)) == wanted)
                found = TIntPair(int32_t(st.ColumnInt(0)), int32_t(st.ColumnInt(1)));
        st.Reset();
        return found;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TORVProgramm.MandantByBezeichnung", e, 1);
        return std::nullopt;
    }
}

std::string TORVProgramm::GetTextMandant() {
    MandantRow row;
    if (!ReadMandant(aktMandant_, row, "TORVProgramm.GetTextMandant")) return {};
    const std::string name = kis::match::Trim(row.name);
    return name.empty() ? kis::match::Trim(row.bezeichnung) : name;
}

std::string TORVProgramm::GetWaehrung() {
    MandantRow row;
    if (!ReadMandant(aktMandant_, row, "TORVProgramm.GetWaehrung")) return kDefaultWaehrung;
    const std::string waehrung = kis::match::Trim(row.waehrung);
    return waehrung.empty() ? kDefaultWaehrung : waehrung;
}

std::string TORVProgramm::ProzessIdFormated() const {
    // One formatting for all work-file names, so the store can find and remove them.
    return kis::store::FormattedProcessId();
}

std::string TORVProgramm::GetKundenkennung() {
    return CachedSetting(kundenkennung_, "KUNDENKENNUNG", std::string());
}

std::string TORVProgramm::GetLand() { return CachedSetting(land_, "LAND", std::string("D")); }

int TORVProgramm::GetRId() { return CachedSetting(rId_, "RID", 1); }

int TORVProgramm::GetRTyp() { return CachedSetting(rTyp_, "RTYP", 1); }

void TORVProgramm::ReloadSettings() {
    kundenkennung_.reset();
    land_.reset();
    rId_.reset();
    rTyp_.reset();
}

void TORVProgramm::ShowException(const std::exception& e) {
    ORVInfo().RegisterException("TORVProgramm.ShowException", e, 1);
    ORVInfo().FehlerBox(e.what());
}

TORVProgramm& ORVProgramm() {
    static TORVProgramm program;
    return program;
}
