// TMerovaQuery: the customer walk of ExecuteKI with its documents and positions.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <unordered_set>

#include "engine/merova_query.h"
#include "platform/partners/gp_data.h"
#include "platform/partners/gp_selektion.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_parameter.h"
#include "platform/services/orv_program.h"
#include "platform/tables/phasen.h"

using namespace kis::store;

namespace {

constexpr int kCommitAlle = 200;  // customers per work-file batch
constexpr int kPumpAlle = 4096;   // positions between looks at the abort flag while reading
constexpr size_t kStapelSaetze = 2048;  // detail records per batch handed to the writer

std::string TrimCopy(const std::string& s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

TPosArt ArtCode(const std::string& art) {
    if (art == "GS") return TPosArt::GS;
    if (art == "A9") return TPosArt::A9;
    if (art == "SO") return TPosArt::SO;
    if (art == "RS") return TPosArt::RS;
    return TPosArt::Andere;
}

const char* ArtText(TPosArt art) {
    switch (art) {
        case TPosArt::GS: return "A8";  // a sold voucher is stored as "A8"
        case TPosArt::A9: return "A9";
        case TPosArt::SO: return "SO";
        case TPosArt::RS: return "RS";
        default: return "";
    }
}

// The size as "%.3d" writes it (at least three digits), without the cost of a format call.
void GroesseText(int32_t v, std::string& out) {
    char buf[12];
    int n = 0;
    uint32_t u = v < 0 ? 0u : uint32_t(v);
    do {
        buf[n++] = char('0' + u % 10);
        u /= 10;
    } while (u != 0);
    while (n < 3) buf[n++] = '0';
    out.resize(size_t(n));
    for (int i = 0; i < n; ++i) out[size_t(i)] = buf[n - 1 - i];
}

bool KundeKleiner(const TLfnrEintrag& e, const TIntPair& k) { return e.Kunde < k; }
bool KleinerKunde(const TIntPair& k, const TLfnrEintrag& e) { return k < e.Kunde; }

}  // namespace

// ---------------------------------------------------------------- reading the sales

bool TMerovaQuery::PositionTesten(TLSTPosition& pos) {
    return Check_LST(pos) && Check_AA(pos) && Check_PH(pos);
}

void TMerovaQuery::ExecuteKI_Verkaeufe() {
    try {
        FBelege = LeseBelegIndex(FMandantErster);
        FPositionen.Clear();
        for (const TLfnrEintrag& e : FBelege)
            if ((e.ArtIst("BO") || e.ArtIst("RG")) && MinMaxTabTesten(e.RNr, e.LNr))
                FPositionen.BelegAnmelden(e.BelegLNr, e.LNr);
        for (const auto& a : FAllgphasListe) FPositionen.BelegAnmelden(a.RNr, a.LNr);

        TLSTScan scan(FMandantAkt);
        TLSTPosition pos;
        TKompaktPosition k;
        int seit = 0;
        int32_t letzteRNr = 0, letzteLNr = 0;
        uint32_t slot = FPositionen.Slot(0, 0);
        while (scan.Next(pos)) {
            if (++seit == kPumpAlle) {
                seit = 0;
                ORVInfoProcessMessages(300);
                if (!FActive) break;
            }
            // Positions of one document mostly follow each other in the file.
            if (pos.RNr != letzteRNr || pos.LNr != letzteLNr) {
                letzteRNr = pos.RNr;
                letzteLNr = pos.LNr;
                slot = FPositionen.Slot(pos.RNr, pos.LNr);
            }
            if (slot == TFlatKeyMap::kNone) continue;
            FPositionen.Gelesen(slot);
            const bool sel = PositionTesten(pos);
            if (!sel && !AuchGesamt()) continue;  // such a position changes no sum
            k.RNr = pos.RNr;
            k.LNr = pos.LNr;
            k.PosNr = pos.PosNr;
            k.Art = ArtCode(pos.Art);
            k.Selektiert = sel;
            k.Datum = pos.Datum;
            k.Filiale = pos.Filiale;
            k.ArtikelNr = pos.ArtikelNr;
            k.Groesse = pos.Groesse;
            std::memset(k.VkKz, 0, sizeof k.VkKz);
            std::strncpy(k.VkKz, pos.VkKz.c_str(), sizeof k.VkKz - 1);
            k.IstVk = double(pos.IstVk);
            k.SollVk = double(pos.SollVk);
            k.Menge = pos.Menge;
            k.Verrechnet = pos.BonusVerrechnet();
            FPositionen.Ablegen(slot, k);
        }
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.DoGet_LST_First", e);
    }
}

// ---------------------------------------------------------------- customers

bool TMerovaQuery::DoGet_KULI_First() {
    try {
        FGepList.clear();
        FGepListIDX = -1;
        FKULIFile->OpenOut();
        FKULIFile->ClearKeysAndFilters();
        FKULIFile->SelectIndex("MANDANT");
        if (!ORVParameter().GetBooleanValueByName("MANDKUND", false))
            FKULIFile->Feld("MANDANT").SetFilterMinMax(FMandantAkt, FMandantAkt);
        FKULIFile->Feld("ART").SetFilter("B");
        FKULIFile->SetUsedField({"KUNDE"});
        FKULIFile->ExtendedMaxReceive_Set(-1);
        for (bool ok = FKULIFile->Get_ge(); ok; ok = FKULIFile->Next())
            FGepList.push_back(FKULIFile->Feld("KUNDE").AsPair());
        FKULIFile->Close();
        if (FSucheMitGepFile) {
            // The name search walks in name order, but only over customers of the client
            // company: a partner found by name that is no customer here is not listed.
            const std::unordered_set<TIntPair> kunden(FGepList.begin(), FGepList.end());
            FGepList.clear();
            for (const TIntPair& k : TGpSelektion::SuchnameKeys(GPSelektion->SuchText() + "*"))
                if (kunden.count(k)) FGepList.push_back(k);
        }
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.DoGet_KULI_First", e);
        FGepList.clear();
    }
    return DoGet_KULI_Next();
}

bool TMerovaQuery::DoGet_KULI_Next() {
    try {
        while (++FGepListIDX < int(FGepList.size())) {
            // After an abort the walk ends anyway; do not check the remaining customers.
            if (!FActive) return false;
            const TIntPair kunde = FGepList[size_t(FGepListIDX)];
            DoOnKULIGelesen(kunde);
            if (Check_GEP(kunde)) return true;
        }
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.DoGet_KULI_Next", e);
    }
    return false;
}

void TMerovaQuery::DoOnKULIGelesen(const TIntPair& kunde) {
    try {
        // The name is only needed by the announcements.
        if (!OnLFNRGelesen) return;
        FLastLFNRGepName = TrimCopy(GPData->AnzeigeName(kunde));
        TLfnrEintrag leer;
        DoOnLFNRGelesen(kunde, leer);
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.DoOnKULIGelesen", e);
    }
}

void TMerovaQuery::ExecuteKI_Gep_Start(const TIntPair& kunde) {
    try {
        if (!FKISURec.Kunde.IsNull()) return;
        // The selection has just read this customer (Check_GEP); its record is current.
        const TGpSatz& g = GPSelektion->Aktuell();
        FKISURec.Kunde = kunde;
        FKISURec.Art = "VK";
        FKISURec.Name = g.Name;
        FKISURec.Vorname = g.Vorname;
        FKIVKSumme.Kunde = kunde;
        FKIVKSumme.Art = "NR";
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.ExecuteKI_Gep_Start", e);
    }
}

void TMerovaQuery::ExecuteKI_Walk() {
    int seitCommit = 0;
    bool weiter = DoGet_KULI_First();
    while (weiter && FActive) {
        const TIntPair kunde = FGepList[size_t(FGepListIDX)];
        ++seitCommit;
        FKISURec.Clear();
        FKIVKSumme.Clear();
        FBelegeDesKunden.clear();
        ExecuteKI_Gep_Start(kunde);
        if (OnGepGelesen) {
            const TGpSatz& g = GPSelektion->Aktuell();
            DoOnGepGelesen(kunde, TrimCopy(g.Name + " " + g.Name2 + " " + g.Vorname));
        }

        // The customer's documents of the index, then his open transactions.
        const auto von = std::lower_bound(FBelege.begin(), FBelege.end(), kunde, KundeKleiner);
        const auto bis = std::upper_bound(von, FBelege.end(), kunde, KleinerKunde);
        // Binary search in the list sorted by customer, widened to all equal keys.
        TAllgphasZwischenspeicher schluessel;
        schluessel.Kunde = kunde;
        const auto atk = std::equal_range(
            FAllgphasListe.begin(), FAllgphasListe.end(), schluessel,
            [](const auto& a, const auto& b) { return a.Kunde < b.Kunde; });
        for (auto it = von; it != bis; ++it) {
            DoOnLFNRGelesen(kunde, *it);
            if (!(it->ArtIst("BO") || it->ArtIst("RG")) || !MinMaxTabTesten(it->RNr, it->LNr))
                continue;
            ExecuteKI_Beleg_Start(*it);
            ExecuteKI_Positionen(it->BelegLNr, it->LNr);
        }
        for (auto it = atk.first; it != atk.second; ++it) {
            try {
                FKIVKBeleg.Clear();
                FKIVKBeleg.Kunde = kunde;
                FKIVKBeleg.Art = "NR";
                FKIVKBeleg.RNr = it->RNr;
                FKIVKBeleg.LNr = it->LNr;
                FKIVKBeleg.BelegArt = it->Phase.substr(0, 3);
                FKIVKBeleg.BelegLNr = it->BelegLNr;
                FKIVKBeleg.BelegRNr = it->BelegRNr;
                FKIVKBeleg.AtkNr1 = it->Nr1;
                FKIVKBeleg.AtkNr2 = it->Nr2;
            } catch (const std::exception& e) {
                LaufFehler("TMerovaQuery.ExecuteKI_Beleg_Start", e);
            }
            ExecuteKI_Positionen(it->RNr, it->LNr);
        }
        ExecuteKI_Gep_Ende();
        if (FStapel.kivk.size() > FKundeAb) {
            // Records the customer end did not decide about (it had no customer key or
            // failed) are written as they are, like every record written at once would be.
            for (size_t i = FKundeAb; i < FStapel.kivk.size(); ++i)
                if (!FKundenImLauf.count(FStapel.kivk[i].Kunde))
                    FKundenSonst.insert(FStapel.kivk[i].Kunde);
            KundeUebernehmen();
        }

        ORVInfoProcessMessages(300);
        weiter = DoGet_KULI_Next();
        if (seitCommit >= kCommitAlle) {
            StapelSenden(true);
            seitCommit = 0;
        } else if (FStapel.kivk.size() >= kStapelSaetze) {
            StapelSenden(false);
        }
        // A failed writer ends the run; ExecuteKI_Done registers its error.
        if (FSchreiber->Fehlgeschlagen()) FActive = false;
    }
}

// ---------------------------------------------------------------- documents and positions

void TMerovaQuery::ExecuteKI_Beleg_Start(const TLfnrEintrag& e) {
    try {
        FKIVKBeleg.Clear();
        FKIVKBeleg.Kunde = FKISURec.Kunde.IsNull() ? e.Kunde : FKISURec.Kunde;
        FKIVKBeleg.Art = "NR";
        FKIVKBeleg.RNr = e.RNr;
        FKIVKBeleg.LNr = e.LNr;
        FKIVKBeleg.BelegArt = e.BelegArt;
        FKIVKBeleg.BelegLNr = e.BelegLNr;
        FKIVKBeleg.BelegRNr = e.BelegRNr;
        FKIVKBeleg.PosNr = 0;
    } catch (const std::exception& ex) {
        LaufFehler("TMerovaQuery.ExecuteKI_Beleg_Start", ex);
    }
}

void TMerovaQuery::ExecuteKI_Positionen(int32_t rnr, int32_t lnr) {
    // Every fetch step of the document's positions is announced, the last empty one too.
    const uint32_t gelesen = FPositionen.AnzahlGelesen(rnr, lnr);
    if (OnLSTGelesen)
        for (uint32_t i = 0; i <= gelesen; ++i) DoOnLSTGelesen();
    try {
        FPositionen.Positionen(rnr, lnr, FPosPuffer);
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.DoGet_LST_Next", e);
        FPosPuffer.clear();
    }

    // Stored-state: a document record with this key in the detail file decides for the whole
    // document. The detail file is created by this run, so the run's own record of what it
    // wrote answers the question.
    int gespeichert = -1;  // undecided
    if (gelesen > 0 && FActive)
        gespeichert = FGespeichert.Find(TFlatKeyMap::Key(rnr, lnr)) == 1 ? 1 : 0;
    bool selektiert = false;
    std::vector<TIntPair> verkaufteGutscheine;
    if (gespeichert != 1) {
        for (const TKompaktPosition& p : FPosPuffer) {
            if (!FActive) break;
            selektiert = selektiert || p.Selektiert;
            if (p.Selektiert || AuchGesamt()) {
                ExecuteKI_LST_Add(p);
                if (p.Art == TPosArt::GS)
                    verkaufteGutscheine.push_back(TIntPair(p.ArtikelNr.Rnr, p.ArtikelNr.Lnr));
            }
        }
        if (FFilter.FGutscheineBeruecksichtigen && selektiert)
            ZM_GS_Einloesung(verkaufteGutscheine);
        ExecuteKI_Beleg_Ende();
    }
}

void TMerovaQuery::ExecuteKI_LST_Add(const TKompaktPosition& p) {
    try {
        const long double v = p.IstVk, s = p.SollVk;
        const int32_t q = p.Menge;
        Aufsummieren(v, s, q, p.Selektiert, p.Datum);
        if (!p.Selektiert) return;

        TKivkSatz& pos = KivkAnhaengen();
        pos.Kunde = FKISURec.Kunde;
        pos.Art = ArtText(p.Art);
        pos.RNr = p.RNr;
        pos.LNr = p.LNr;
        pos.PosNr = p.PosNr;
        pos.Datum = p.Datum;
        pos.Filiale = p.Filiale;
        pos.ArtikelNr = p.ArtikelNr;
        GroesseText(p.Groesse, pos.Groesse);
        pos.IstVk = v;
        pos.SollVk = s;
        pos.Menge = q;
        pos.VkKz = p.VkKz;
        pos.Verrechnet = p.Verrechnet;
    } catch (const std::exception& e) {
        char key[64];
        std::snprintf(key, sizeof key, "%d-%d-%d", p.RNr, p.LNr, p.PosNr);
        LaufFehler("TMerovaQuery.ExecuteKI_LST_Add Kunde: " +
                                        FKISURec.Kunde.ToString() + " LST ProtNr: " + key,
                                    e);
    }
}

void TMerovaQuery::Aufsummieren(long double v, long double s, int32_t q, bool sel,
                                TDateTime datum) {
    FKISUSumme.GesUmsatz += v;
    FKISUSumme.GesMenge += q;
    FKISURec.GesUmsatz += v;
    FKISURec.GesMenge += q;
    FKIVKSumme.GesWert += v;
    FKIVKSumme.GesMenge += q;
    FKIVKBeleg.GesWert += v;
    FKIVKBeleg.GesMenge += q;
    if (!sel) return;
    FKISUSumme.SelUmsatz += v;
    FKISUSumme.SelMenge += q;
    FKISURec.SelUmsatz += v;
    FKISURec.SelMenge += q;
    FKIVKSumme.IstVk += v;
    FKIVKSumme.SollVk += s;
    FKIVKSumme.Menge += q;
    FKIVKBeleg.Datum = datum;
    FKIVKBeleg.IstVk += v;
    FKIVKBeleg.SollVk += s;
    FKIVKBeleg.Menge += q;
    ++FKIVKBeleg.AnzPos;
}

void TMerovaQuery::SummenAbziehen(long double selWert, int32_t selMenge, long double gesWert,
                                  int32_t gesMenge, long double sollWert) {
    FKISUSumme.SelUmsatz -= selWert;
    FKISUSumme.SelMenge -= selMenge;
    FKISUSumme.GesUmsatz -= gesWert;
    FKISUSumme.GesMenge -= gesMenge;
    FKISURec.SelUmsatz -= selWert;
    FKISURec.SelMenge -= selMenge;
    FKISURec.GesUmsatz -= gesWert;
    FKISURec.GesMenge -= gesMenge;
    FKIVKSumme.IstVk -= selWert;
    FKIVKSumme.SollVk -= sollWert;
    FKIVKSumme.Menge -= selMenge;
    FKIVKSumme.GesWert -= gesWert;
    FKIVKSumme.GesMenge -= gesMenge;
}

void TMerovaQuery::ExecuteKI_Beleg_Ende() {
    try {
        TKivkSatz& b = FKIVKBeleg;
        if (Filter_Teste_Bonsumme(b.AnzPos, b.IstVk) && Filter_Teste_ZM(b.RNr, b.LNr)) {
            b.AnzPos = 0;
            KivkAnhaengen() = b;
            const uint64_t key = TFlatKeyMap::Key(b.RNr, b.LNr);
            FGespeichert.Set(key, 1);
            FBelegeDesKunden.push_back(key);
        } else {
            SummenAbziehen(b.IstVk, b.Menge, b.GesWert, b.GesMenge, b.SollVk);
            // Every position record of the failed document goes, whatever its kind; only
            // removing "A7" to "A9" would leave its "SO" and "RS" positions behind.
            BelegPositionenLoeschen(b.Kunde, b.RNr, b.LNr);
        }
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.ExecuteKI_Beleg_Ende", e);
    }
}

// ---------------------------------------------------------------- customer end

void TMerovaQuery::ExecuteKI_Gep_Ende() {
    try {
        if (FKISURec.Kunde.IsNull()) return;
        const TIntPair kunde = FKISURec.Kunde;
        const bool ok = Filter_Teste_GesMenge() && Filter_Teste_GesWert() &&
                        Filter_Teste_SelMenge() && Filter_Teste_SelWert() && Filter_Teste_OP() &&
                        Filter_Teste_KundBonusNie() && Filter_Teste_VKSel() &&
                        Filter_Teste_KeineOP();
        auto bekannt = FKundenImLauf.find(kunde);
        if (ok) {
            if (bekannt == FKundenImLauf.end()) {
                KundeImLauf k;
                k.summen = FKISURec;
                KivkAnhaengen() = FKIVKSumme;
                KundeUebernehmen();
                k.summeRowid = FKivkRowId;
                TKisuSatz& r = FStapel.kisu.emplace_back(FKISURec);
                r.RowId = k.kisuRowid = ++FKisuRowId;
                TKIAuftrag a;
                a.art = TKIAuftrag::InsKisu;
                FStapel.auftraege.push_back(a);
                k.summeIstVk = FKIVKSumme.IstVk;
                k.summeSollVk = FKIVKSumme.SollVk;
                k.summeMenge = FKIVKSumme.Menge;
                FKundenImLauf.emplace(kunde, k);
                DoOnGepSelektiert(kunde, TrimCopy(FKISURec.Name + ", " + FKISURec.Vorname));
            } else {
                // The customer was selected earlier in this run (he is listed twice). The sums
                // of this pass are added to his records, so that the totals record stays the
                // sum of the customer records; he is not announced again.
                KundeImLauf& k = bekannt->second;
                k.summen.SelUmsatz += FKISURec.SelUmsatz;
                k.summen.SelMenge += FKISURec.SelMenge;
                k.summen.GesUmsatz += FKISURec.GesUmsatz;
                k.summen.GesMenge += FKISURec.GesMenge;
                k.summeIstVk += FKIVKSumme.IstVk;
                k.summeSollVk += FKIVKSumme.SollVk;
                k.summeMenge += FKIVKSumme.Menge;
                KundeUebernehmen();
                TKIAuftrag a;
                a.art = TKIAuftrag::UpdKisu;
                a.rowid = k.kisuRowid;
                a.wert1 = k.summen.SelUmsatz;
                a.menge1 = k.summen.SelMenge;
                a.wert2 = k.summen.GesUmsatz;
                a.menge2 = k.summen.GesMenge;
                FStapel.auftraege.push_back(a);
                a.art = TKIAuftrag::UpdKivk;
                a.rowid = k.summeRowid;
                a.wert1 = k.summeIstVk;
                a.wert2 = k.summeSollVk;
                a.menge1 = k.summeMenge;
                FStapel.auftraege.push_back(a);
            }
            return;
        }
        FKISUSumme.SelUmsatz -= FKISURec.SelUmsatz;
        FKISUSumme.SelMenge -= FKISURec.SelMenge;
        FKISUSumme.GesUmsatz -= FKISURec.GesUmsatz;
        FKISUSumme.GesMenge -= FKISURec.GesMenge;
        if (!DateiHatKunde(kunde)) {
            // Every record of the customer is still pending: drop them.
            FStapel.kivk.erase(
                std::remove_if(FStapel.kivk.begin() + std::ptrdiff_t(FKundeAb), FStapel.kivk.end(),
                               [&](const TKivkSatz& r) { return r.Kunde == kunde; }),
                FStapel.kivk.end());
        } else if (bekannt == FKundenImLauf.end()) {
            KundeUebernehmen();
            TKIAuftrag a;
            a.art = TKIAuftrag::DelKunde;
            a.kunde = kunde;
            FStapel.auftraege.push_back(a);
        } else {
            // Only what this pass wrote goes; the records of the earlier, selected pass stay.
            KundeUebernehmen();
            TKIAuftrag a;
            a.art = TKIAuftrag::DelBeleg;
            a.kunde = kunde;
            for (uint64_t key : FBelegeDesKunden) {
                a.rnr = int32_t(key >> 32);
                a.lnr = int32_t(uint32_t(key));
                FStapel.auftraege.push_back(a);
            }
        }
        for (uint64_t key : FBelegeDesKunden) FGespeichert.Set(key, 0);
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.ExecuteKI_Gep_Ende", e);
    }
}

// ---------------------------------------------------------------- open transactions

void TMerovaQuery::Fill_AllgphasListe() {
    try {
        FAllgphasListe.clear();
        if (!FATKFile) FATKFile = std::make_unique<Tatkfile>();
        FATKFile->OpenOut();
        FATKFile->ClearKeysAndFilters();
        for (int nr : {13, 14, 17, 26, 29}) FATKFile->Feld("PHASE").FilterEinzelwertAdd(CPhase(nr));
        FATKFile->Feld("MANDANT").SetFilterMinMax(FMandantAkt, FMandantAkt);
        FATKFile->SetUsedField({"PHASE", "PARTEI1", "PARTEI2", "RNR", "LNR", "NR1", "NR2",
                                "BELEGLNR", "BELEGRNR"});
        FATKFile->ExtendedMaxReceive_Set(-1);
        for (bool ok = FATKFile->Get_ge(); ok; ok = FATKFile->Next()) {
            TAllgphasZwischenspeicher z;
            z.Phase = FATKFile->Feld("PHASE").AsString();
            z.Kunde = CMand_SV_Seite(CPhase_Nr(z.Phase)) == 2 ? FATKFile->Feld("PARTEI2").AsPair()
                                                              : FATKFile->Feld("PARTEI1").AsPair();
            z.RNr = FATKFile->Feld("RNR").AsInt();
            z.LNr = FATKFile->Feld("LNR").AsInt();
            z.Nr1 = FATKFile->Feld("NR1").AsInt();
            z.Nr2 = FATKFile->Feld("NR2").AsInt();
            z.BelegLNr = FATKFile->Feld("BELEGLNR").AsInt();
            z.BelegRNr = FATKFile->Feld("BELEGRNR").AsInt();
            FAllgphasListe.push_back(std::move(z));
        }
        FATKFile->Close();
        std::stable_sort(FAllgphasListe.begin(), FAllgphasListe.end(),
                         [](const auto& a, const auto& b) { return a.Kunde < b.Kunde; });
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Fill_AllgphasListe", e);
    }
}
