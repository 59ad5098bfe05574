// TMerovaQuery: the bonus generation that follows an evaluation run in bonus mode.
#include <cmath>
#include <exception>
#include <set>
#include <stdexcept>
#include <utility>

#include "engine/merova_query.h"
#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_utils.h"
#include "platform/tables/bonus_typen.h"
#include "platform/tables/phasen.h"

namespace {

// The document kinds of open transactions (phases 13, 14, 17, 26, 29) by their first three
// characters, as the detail file keeps them.
bool IstOffenerVorgang(const std::string& belegArt) {
    for (int nr : {13, 14, 17, 26, 29})
        if (!belegArt.empty() && CPhase(nr).substr(0, 3) == belegArt.substr(0, 3)) return true;
    return false;
}

struct DetailZeile {
    std::string Art, BelegArt;
    int32_t RNr = 0, LNr = 0, PosNr = 0, BelegLNr = 0, BelegRNr = 0, Atk1 = 0, Atk2 = 0;
    TDateTime Datum = 0;
    TInt32Trio ArtikelNr;
    long double IstVk = 0;
    bool Verrechnet = false;
};

}  // namespace

void TMerovaQuery::Filter4BonusKonfig() {
    if (!Filter4BonusKonfig(FBONUSKennung, FBONUSName, FFilter))
        throw std::runtime_error("Die Einstellungen des Bonusprogramms \"" + FBONUSName +
                                 "\" konnten nicht gelesen werden.");
}

bool TMerovaQuery::Filter4BonusKonfig(const std::string& kennung, const std::string& name,
                                      TMerovaFilter& filter) {
    try {
        if (kennung.empty()) return true;
        if (BonuTypen4Kuerzel(kennung) != 5) {
            // Another kind: no voucher or article settings of an earlier programme stay.
            filter.FGutscheineBeruecksichtigen = false;
            filter.FSonderBoni4PIds.clear();
            return true;
        }
        bool gutscheine = false;
        std::vector<std::pair<TInt32Trio, int64_t>> artikel;
        // Without a programme record the generation itself refuses the run.
        if (!TBonusTabellenGen::UMZRFilterWerte(kennung, name, gutscheine, artikel)) return true;
        filter.FGutscheineBeruecksichtigen = gutscheine;
        filter.FSonderBoni4PIds.clear();
        for (const auto& [pid, cent] : artikel) {
            TQEL_PID_GR_Betrag b;
            b.PId = pid;
            b.Betrag = double(cent) / 100.0;
            filter.FSonderBoni4PIds.push_back(b);
        }
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaQuery.Filter4BonusKonfig", e);
        return false;
    }
    return true;
}

bool TMerovaQuery::BETAProPosition(const std::string& kennung, const std::string& name) {
    try {
        const auto satz = TBetaStore::Lesen(kennung, name, kBetaHauptsatz);
        return !satz || satz->Basis == "0";
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaQuery.BETAProPosition", e);
        return true;
    }
}

bool TMerovaQuery::ExecuteBO() {
    bool result = true;
    FFehler = false;
    FFehlerText.clear();
    FActive = true;
    // Registers a failure; the first one is kept for the caller's message.
    auto fehler = [&](const std::string& wo, const std::exception& e) {
        ORVInfo().RegisterException(wo, e);
        if (FFehlerText.empty()) FFehlerText = wo + ": " + e.what();
        result = false;
    };
    try {
        // A programme that cannot be read stops the generation: guessing its basis would
        // compute bonuses under the wrong rules.
        const auto programm = TBetaStore::Lesen(FBONUSKennung, FBONUSName, kBetaHauptsatz);
        if (!programm) {
            const std::string text = "Das Bonusprogramm \"" + FBONUSName +
                                     "\" kann nicht gelesen werden. Es wurden keine Boni erzeugt.";
            fehler("TMerovaQuery.ExecuteBO", std::runtime_error(text));
            ORVInfo().FehlerBox(text);
            return false;
        }
        // The record just read decides (BETAProPosition would read it a second time).
        const bool proPosition = programm->Basis == "0";
        BonusTabellen = std::make_unique<TBonusTabellenGen>(0);
        BonusTabellen->Clear();
        BonusTabellen->Open();

        FKISUFile->OpenOut();
        FKIVKFile->OpenOut();
        std::vector<std::pair<TIntPair, std::string>> kunden;
        FKISUFile->ClearKeysAndFilters();
        FKISUFile->SelectIndex("KUNDE");
        FKISUFile->Feld("ART").FilterEinzelwertAdd(std::string("VK"));
        for (bool ok = FKISUFile->Get_ge(); ok; ok = FKISUFile->Next()) {
            const TIntPair kunde = FKISUFile->Feld("KUNDE").AsPair();
            if (!kunde.IsNull())  // the totals record is skipped
                kunden.emplace_back(kunde, FKISUFile->Feld("NAME").AsString());
        }
        for (const auto& [kunde, name] : kunden) {
            DoOnGepGelesen(kunde, name);
            ORVInfoProcessMessages(300);
            if (!FActive) break;
            try {
                ExecuteBO_BonusBerechnen(kunde, proPosition);
            } catch (const std::exception& e) {
                fehler("TMerovaQuery.ExecuteBO_BonusBerechnen", e);
            }
        }
    } catch (const std::exception& e) {
        fehler("TMerovaQuery.ExecuteBO", e);
    }
    // Files and tables are closed on every way out.
    try {
        if (FKIVKFile->IsOpen()) FKIVKFile->Close();
        if (FKISUFile->IsOpen()) FKISUFile->Close();
        if (BonusTabellen) BonusTabellen->Close();
    } catch (const std::exception& e) {
        fehler("TMerovaQuery.ExecuteBO", e);
    }
    BonusTabellen.reset();
    // A stopped generation has left customers out: it is no success.
    result = result && FActive.load() && !FFehler;
    FActive = false;
    return result;
}

long double TMerovaQuery::ExecuteBO_BonusBerechnen(const TIntPair& kunde, bool proPosition) {
    if (!BonusTabellen) throw std::logic_error("ExecuteBO_BonusBerechnen ohne Bonustabellen");
    TBonusTabellenGen& tabellen = *BonusTabellen;
    tabellen.New(kunde, FBONUSKennung, FBONUSName);
    tabellen.VorhandeneKundenDatenLaden();

    // The customer's detail records in key order (documents before their positions).
    std::vector<DetailZeile> zeilen;
    FKIVKFile->ClearKeysAndFilters();
    FKIVKFile->SelectIndex("KUNDE");
    FKIVKFile->Feld("KUNDE").SetKeyWertAndFilter(kunde);
    // Only the columns the items need are read; the fields are looked up once per customer.
    FKIVKFile->SetUsedField({"ART", "RNR", "LNR", "POSNR", "BELEGART", "BELEGLNR", "BELEGRNR",
                             "ATKNR1", "ATKNR2", "DATUM", "ARTIKELNR", "ISTVK", "VERRECHNET"});
    auto& fArt = FKIVKFile->Feld("ART");
    auto& fRNr = FKIVKFile->Feld("RNR");
    auto& fLNr = FKIVKFile->Feld("LNR");
    auto& fPosNr = FKIVKFile->Feld("POSNR");
    auto& fBelegArt = FKIVKFile->Feld("BELEGART");
    auto& fBelegLNr = FKIVKFile->Feld("BELEGLNR");
    auto& fBelegRNr = FKIVKFile->Feld("BELEGRNR");
    auto& fAtk1 = FKIVKFile->Feld("ATKNR1");
    auto& fAtk2 = FKIVKFile->Feld("ATKNR2");
    auto& fDatum = FKIVKFile->Feld("DATUM");
    auto& fArtikel = FKIVKFile->Feld("ARTIKELNR");
    auto& fIstVk = FKIVKFile->Feld("ISTVK");
    auto& fVerrechnet = FKIVKFile->Feld("VERRECHNET");
    for (bool ok = FKIVKFile->Get_ge(); ok; ok = FKIVKFile->Next()) {
        DetailZeile z;
        z.Art = fArt.AsString();
        if (z.Art != "NR" && z.Art != "A7" && z.Art != "A8" && z.Art != "A9") continue;
        z.RNr = fRNr.AsInt();
        z.LNr = fLNr.AsInt();
        z.PosNr = fPosNr.AsInt();
        z.BelegArt = fBelegArt.AsString();
        z.BelegLNr = fBelegLNr.AsInt();
        z.BelegRNr = fBelegRNr.AsInt();
        z.Atk1 = fAtk1.AsInt();
        z.Atk2 = fAtk2.AsInt();
        z.Datum = fDatum.AsDate();
        z.ArtikelNr = fArtikel.AsTrio();
        z.IstVk = fIstVk.AsFloat();
        z.Verrechnet = fVerrechnet.AsInt() != 0;
        zeilen.push_back(std::move(z));
    }

    // The marks come from the run that wrote the detail file just before; a position marked
    // since then is caught when the bonus is booked, which checks every position again.
    // Per receipt: a document with a settled position was bonified before (wholly or in part).
    std::set<std::pair<int32_t, int32_t>> verrechneteBelege;
    if (!proPosition)
        for (const auto& p : zeilen)
            if (p.Art == "A9" && p.Verrechnet) verrechneteBelege.insert({p.RNr, p.LNr});

    long double summe = 0;
    for (const auto& z : zeilen) {
        TBonusGenItem item;
        if (proPosition) {
            if (z.Art == "NR") continue;
            // A position settled for a bonus is never bonified again.
            if (z.Art != "A7" && z.Verrechnet) continue;
            item.Art = z.Art == "A7" ? "GZ" : z.Art == "A8" ? "GL" : "  ";
            item.Nr1 = z.RNr;
            item.Nr2 = z.LNr;
            item.PosNr = z.PosNr;
            item.ArtikelNr = z.ArtikelNr;
        } else {
            if (z.Art != "NR" || z.BelegLNr == 0) continue;
            if (verrechneteBelege.count({z.RNr, z.LNr})) continue;
            if (IstOffenerVorgang(z.BelegArt)) {
                item.Art = "AP";
                item.Art2 = z.BelegArt.substr(0, 3);
                item.Nr3 = z.Atk1;
                item.Nr4 = z.Atk2;
            } else {
                item.Art = z.BelegArt.substr(0, 2);
            }
            item.Nr1 = z.BelegLNr;
            item.Nr2 = z.BelegRNr;
        }
        item.Wert = z.IstVk;
        item.Datum = z.Datum;
        item.Anzahl = 1;
        summe += tabellen.AddItem(item);
    }

    bool passEintraege = false;
    for (const auto& t : tabellen.Tabellen())
        if (tabellen.Kind() == 2 && t.Eintraege) passEintraege = true;
    if (kis::services::RoundHalfEven(tabellen.BonusNeu() * 100) != 0 || passEintraege)
        tabellen.Insert(1);
    if (tabellen.Kind() == 5) tabellen.OffenerBonusBerechnen(kunde, orv_Now());
    return summe;
}
