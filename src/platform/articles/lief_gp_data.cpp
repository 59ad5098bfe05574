#include "platform/articles/lief_gp_data.h"

#include "platform/match/text_match.h"
#include "platform/store/database.h"
#include "platform/store/shared_instance.h"

namespace {
constexpr size_t kKurznameLaenge = 10;
}

void TLiefGPData::SetKurznamenPflege(bool on) {
    if (on == pflege_) return;
    pflege_ = on;
    Clear();
}

void TLiefGPData::Clear() {
    map_.clear();
    alleGeladen_ = false;
    db_ = nullptr;
}

// The name cut to the short-name length (never inside a UTF-8 character), ASCII upper-cased.
std::string TLiefGPData::KurzAusName(const std::string& name) {
    std::string t = kis::match::Trim(name);
    if (t.size() > kKurznameLaenge) {
        size_t n = kKurznameLaenge;
        while (n > 0 && (static_cast<unsigned char>(t[n]) & 0xC0) == 0x80) --n;  // no split UTF-8
        t = kis::match::Trim(t.substr(0, n));
    }
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return t;
}

const TLiefGPData::Lief& TLiefGPData::Get(int32_t nr) {
    auto& db = kis::store::SuiteDb();
    if (db_ != &db) {
        map_.clear();
        alleGeladen_ = false;
        db_ = &db;
    }
    if (pflege_ && !alleGeladen_) {
        auto& s = db.Cached("SELECT NR, KURZNAME, NAME FROM LIEFERANT");
        while (s.Step()) {
            Lief l{kis::match::Trim(s.ColumnText(1)), s.ColumnText(2), true};
            if (l.kurz.empty()) l.kurz = KurzAusName(l.name);
            map_[int32_t(s.ColumnInt(0))] = std::move(l);
        }
        s.Reset();
        alleGeladen_ = true;
    }
    auto it = map_.find(nr);
    if (it != map_.end() && it->second.found) return it->second;
    // Not held (or a miss earlier): read it, so suppliers added meanwhile are found.
    auto& s = db.Cached("SELECT KURZNAME, NAME FROM LIEFERANT WHERE NR = ?");
    s.Bind(1, nr);
    Lief l;
    if (s.Step()) {
        l = {kis::match::Trim(s.ColumnText(0)), s.ColumnText(1), true};
        if (l.kurz.empty() && pflege_) l.kurz = KurzAusName(l.name);
    }
    s.Reset();
    return map_[nr] = std::move(l);
}

std::string TLiefGPData::Kurzname(int32_t nr) { return Get(nr).kurz; }
std::string TLiefGPData::Name(int32_t nr) { return Get(nr).name; }
bool TLiefGPData::Exists(int32_t nr) { return Get(nr).found; }

TLiefGPData* GlobLiefGPData_GetInstance() {
    return kis::store::SharedInstance<TLiefGPData>::GetInstance();
}

void GlobLiefGPData_ReleaseInstance() { kis::store::SharedInstance<TLiefGPData>::ReleaseInstance(); }
