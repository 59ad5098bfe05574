#include "platform/evaluation/kisu_liste.h"

#include <algorithm>
#include <unordered_set>

#include "platform/store/database.h"
#include "platform/store/record_files.h"
#include "platform/store/store_error.h"

namespace kis::evaluation {

namespace {

using kis::store::Tkisufile;

TKisuSatz Lesen(Tkisufile& f) {
    TKisuSatz s;
    s.Kunde = f.Feld("KUNDE").AsPair();
    s.Art = f.Feld("ART").AsString();
    s.Name = f.Feld("NAME").AsString();
    s.Vorname = f.Feld("VORNAME").AsString();
    s.SelUmsatz = f.Feld("SELUMSATZ").AsFloat();
    s.SelMenge = f.Feld("SELMENGE").AsInt();
    s.GesUmsatz = f.Feld("GESUMSATZ").AsFloat();
    s.GesMenge = f.Feld("GESMENGE").AsInt();
    return s;
}

void Schreiben(Tkisufile& f, const TKisuSatz& s) {
    f.ClearRecord();
    f.Feld("KUNDE").SetWert(s.Kunde);
    f.Feld("ART").SetWert(s.Art);
    f.Feld("NAME").SetWert(s.Name);
    f.Feld("VORNAME").SetWert(s.Vorname);
    f.Feld("SELUMSATZ").SetWert(double(s.SelUmsatz));
    f.Feld("SELMENGE").SetWert(s.SelMenge);
    f.Feld("GESUMSATZ").SetWert(double(s.GesUmsatz));
    f.Feld("GESMENGE").SetWert(s.GesMenge);
    f.Insert();
}

// All records of the file in key order; false when the file does not exist.
bool AlleLesen(const std::string& name, std::vector<TKisuSatz>& kunden, std::vector<TKisuSatz>* summen) {
    Tkisufile f;
    f.SetFileNameRel(name);
    try {
        f.OpenOut();
    } catch (const kis::store::StoreError&) {
        return false;
    }
    f.ClearKeysAndFilters();
    f.SelectIndex("KUNDE");
    for (bool ok = f.Get_ge(); ok; ok = f.Next()) {
        TKisuSatz s = Lesen(f);
        if (!s.Kunde.IsNull())
            kunden.push_back(std::move(s));
        else if (summen)
            summen->push_back(std::move(s));
    }
    f.Close();
    return true;
}

// Runs the writes as one transaction of the work file: all of them or none.
template <class F>
void InEinemZug(const std::string& name, F&& schreiben) {
    Tkisufile f;
    f.SetFileNameRel(name);
    f.ManualCommit_Set(true);
    f.OpenOut();
    try {
        schreiben(f);
        f.Commit();
    } catch (...) {
        if (f.IsOpen() && f.Db().InTransaction()) f.Db().Rollback();
        throw;
    }
    f.Close();
}

}  // namespace

std::vector<TKisuSatz> KisuKunden(const std::string& relativeName) {
    std::vector<TKisuSatz> kunden;
    AlleLesen(relativeName, kunden, nullptr);
    return kunden;
}

void TKisuAnhang::Merken() {
    kunden_.clear();
    summen_.clear();
    AlleLesen(name_, kunden_, &summen_);
}

int TKisuAnhang::Anhaengen() {
    std::vector<TKisuSatz> neu, summen;
    AlleLesen(name_, neu, &summen);
    std::unordered_set<TIntPair> gelistet;
    for (const TKisuSatz& s : neu) gelistet.insert(s.Kunde);
    int hinzu = int(neu.size());
    std::vector<const TKisuSatz*> zurueck;
    for (const TKisuSatz& s : kunden_) {
        if (gelistet.insert(s.Kunde).second)
            zurueck.push_back(&s);
        else
            --hinzu;  // listed before and found again: not new
    }
    if (zurueck.empty()) return std::max(hinzu, 0);
    InEinemZug(name_, [&](Tkisufile& f) {
        for (const TKisuSatz* s : zurueck) Schreiben(f, *s);
        if (summen.empty()) return;
        // The totals record sums the whole list again.
        TKisuSatz gesamt = summen.front();
        for (const TKisuSatz* s : zurueck) {
            gesamt.SelUmsatz += s->SelUmsatz;
            gesamt.SelMenge += s->SelMenge;
            gesamt.GesUmsatz += s->GesUmsatz;
            gesamt.GesMenge += s->GesMenge;
        }
        f.ClearKeysAndFilters();
        f.SelectIndex("KUNDE");
        f.Feld("KUNDE").SetKeyWertAndFilter(TIntPair());
        if (!f.Get_ge()) return;
        f.Feld("SELUMSATZ").SetWert(double(gesamt.SelUmsatz));
        f.Feld("SELMENGE").SetWert(gesamt.SelMenge);
        f.Feld("GESUMSATZ").SetWert(double(gesamt.GesUmsatz));
        f.Feld("GESMENGE").SetWert(gesamt.GesMenge);
        f.Update();
        f.ResultClear();
    });
    return std::max(hinzu, 0);
}

void TKisuAnhang::Wiederherstellen() {
    InEinemZug(name_, [&](Tkisufile& f) {
        // Whatever the failed run left goes first (current record only, as the cursor allows).
        f.ClearKeysAndFilters();
        for (bool ok = f.Get_ge(); ok; ok = f.Next()) f.Delete();
        for (const TKisuSatz& s : summen_) Schreiben(f, s);
        for (const TKisuSatz& s : kunden_) Schreiben(f, s);
    });
}

}  // namespace kis::evaluation
