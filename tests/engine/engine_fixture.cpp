#include "engine_fixture.h"

#include "platform/store/record_files.h"

namespace kis::test {

bool EngineTest::Run() {
    q.Init();
    q.SetFilter(filter);
    return q.ExecuteKI();
}

std::vector<KisuZeile> EngineTest::Kisu() {
    kis::store::Tkisufile f;
    f.SetFileNameRel(TMerovaQuery::KisuFileName());
    f.OpenOut();
    f.SelectIndex("KUNDE");
    std::vector<KisuZeile> out;
    for (bool ok = f.Get_ge(); ok; ok = f.Next()) {
        KisuZeile z;
        z.kunde = f.Feld("KUNDE").AsPair();
        z.art = f.Feld("ART").AsString();
        z.name = f.Feld("NAME").AsString();
        z.vorname = f.Feld("VORNAME").AsString();
        z.sel = f.Feld("SELUMSATZ").AsFloat();
        z.selMenge = f.Feld("SELMENGE").AsInt();
        z.ges = f.Feld("GESUMSATZ").AsFloat();
        z.gesMenge = f.Feld("GESMENGE").AsInt();
        out.push_back(z);
    }
    return out;
}

std::vector<KivkZeile> EngineTest::Kivk() {
    kis::store::Tkivkfile f;
    f.SetFileNameRel(TMerovaQuery::KivkFileName());
    f.OpenOut();
    f.SelectIndex("KUNDE");
    std::vector<KivkZeile> out;
    for (bool ok = f.Get_ge(); ok; ok = f.Next()) {
        KivkZeile z;
        z.kunde = f.Feld("KUNDE").AsPair();
        z.art = f.Feld("ART").AsString();
        z.rnr = f.Feld("RNR").AsInt();
        z.lnr = f.Feld("LNR").AsInt();
        z.posnr = f.Feld("POSNR").AsInt();
        z.belegArt = f.Feld("BELEGART").AsString();
        z.belegLnr = f.Feld("BELEGLNR").AsInt();
        z.belegRnr = f.Feld("BELEGRNR").AsInt();
        z.atk1 = f.Feld("ATKNR1").AsInt();
        z.atk2 = f.Feld("ATKNR2").AsInt();
        z.artikel = f.Feld("ARTIKELNR").AsTrio();
        z.groesse = f.Feld("GROESSE").AsString();
        z.vkkz = f.Feld("VKKZ").AsString();
        z.liefName = f.Feld("LIEFNAME").AsString();
        z.liefArt = f.Feld("LIEFART").AsString();
        z.merkmal1 = f.Feld("MERKMAL1").AsString();
        z.istVk = f.Feld("ISTVK").AsFloat();
        z.sollVk = f.Feld("SOLLVK").AsFloat();
        z.menge = f.Feld("MENGE").AsInt();
        z.gesWert = f.Feld("GESWERT").AsFloat();
        z.gesMenge = f.Feld("GESMENGE").AsInt();
        out.push_back(z);
    }
    return out;
}

KisuZeile EngineTest::KisuVon(const TIntPair& kunde) {
    for (const auto& z : Kisu())
        if (z.kunde == kunde) return z;
    ADD_FAILURE() << "no customer record for " << kunde.ToString();
    return {};
}

bool EngineTest::HatKisu(const TIntPair& kunde) {
    for (const auto& z : Kisu())
        if (z.kunde == kunde) return true;
    return false;
}

std::vector<KivkZeile> EngineTest::KivkVon(const TIntPair& kunde, const std::string& art) {
    std::vector<KivkZeile> out;
    for (const auto& z : Kivk())
        if (z.kunde == kunde && z.art == art) out.push_back(z);
    return out;
}

}  // namespace kis::test
