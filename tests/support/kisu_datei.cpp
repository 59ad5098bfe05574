#include "support/kisu_datei.h"

#include "engine/merova_query.h"
#include "platform/store/record_files.h"

namespace kis::test {

void KisuSchreiben(const std::vector<KisuKunde>& kunden, std::optional<double> summe) {
    kis::store::Tkisufile f;
    f.SetFileNameRel(TMerovaQuery::KisuFileName());
    f.OpenNew();
    double gesamt = 0;
    auto satz = [&f](const TIntPair& kunde, const std::string& name, double umsatz) {
        f.ClearRecord();
        f.Feld("KUNDE").SetWert(kunde);
        f.Feld("ART").SetWert(std::string("VK"));
        f.Feld("NAME").SetWert(name);
        f.Feld("SELUMSATZ").SetWert(umsatz);
        f.Feld("SELMENGE").SetWert(1);
        f.Feld("GESUMSATZ").SetWert(umsatz);
        f.Feld("GESMENGE").SetWert(1);
        f.Insert();
    };
    for (const auto& k : kunden) {
        satz(k.kunde, k.name, k.umsatz);
        gesamt += k.umsatz;
    }
    satz(TIntPair(), "   <alle>   ", summe.value_or(gesamt));
    f.Close();
}

}  // namespace kis::test
