// TMerovaQuery: voucher redemptions booked on a document. A payment with the account of a
// voucher payment means and a voucher number counts as a redemption, unless the voucher was
// sold in the same document.
#include <algorithm>
#include <exception>

#include "engine/merova_query.h"
#include "engine/string_list.h"
#include "platform/accounting/zahlungsmittel_manager.h"
#include "platform/evaluation/work_file_writer.h"
#include "platform/services/orv_info.h"

namespace {
struct Einloesung {
    int32_t RNr = 0, LNr = 0, PosNr = 0;
    bool Storno = false;  // kind "S": paid out
    long double Betrag = 0;
    TDateTime Datum = 0;
};
}  // namespace

void TMerovaQuery::ZM_GS_Einloesung(const std::vector<TIntPair>& verkaufteGutscheine) {
    try {
        std::vector<Einloesung> liste;
        try {
            if (!FZMSachkontosGelesen) {
                FZMSachkontos = TZahlungsmittelManager::KontenBySelektorArt(kZMSelektorGutschein);
                FZMSachkontosGelesen = true;
            }
            if (!FZMFile) FZMFile = std::make_unique<kis::store::Tzmfile>();
            FZMFile->OpenOut();
            FZMFile->ClearKeysAndFilters();
            FZMFile->Feld("MANDANT").SetFilterMinMax(FMandantAkt, FMandantAkt);
            FZMFile->Feld("RNR").SetKeyWertAndFilter(FKIVKBeleg.RNr);
            FZMFile->Feld("LNR").SetKeyWertAndFilter(FKIVKBeleg.LNr);
            for (bool ok = FZMFile->Get_ge(); ok; ok = FZMFile->Next()) {
                const std::string konto = FZMFile->Feld("KONTO").AsString();
                if (std::none_of(FZMSachkontos.begin(), FZMSachkontos.end(),
                                 [&](const std::string& k) { return TStringList::SameName(k, konto); }))
                    continue;
                TIntPair nr;
                if (!TIntPair::FromString(FZMFile->Feld("GUTSCHEINNR").AsString(), nr) || !nr.IsDefined())
                    continue;
                if (std::find(verkaufteGutscheine.begin(), verkaufteGutscheine.end(), nr) !=
                    verkaufteGutscheine.end())
                    continue;
                Einloesung e;
                e.RNr = FZMFile->Feld("RNR").AsInt();
                e.LNr = FZMFile->Feld("LNR").AsInt();
                e.PosNr = FZMFile->Feld("POSNR").AsInt();
                e.Storno = FZMFile->Feld("ART").AsString() == "S";
                e.Betrag = FZMFile->Feld("BETRAG").AsFloat();
                e.Datum = FZMFile->Feld("DATUM").AsDate();
                liste.push_back(e);
            }
            FZMFile->ResultClear();
        } catch (const std::exception& e) {
            LaufFehler("TMerovaQuery.DoGet_ZM_GS_Einloesung", e);
            liste.clear();
        }

        for (const Einloesung& e : liste) {
            const long double a = (e.Storno ? -1 : 1) * e.Betrag;
            // A redemption counts like a selected position of value a and no quantity.
            Aufsummieren(a, a, 0, true, e.Datum);
            TKivkSatz& r = KivkAnhaengen();
            r.Kunde = FKISURec.Kunde;
            r.Art = "A7";
            r.RNr = e.RNr;
            r.LNr = e.LNr;
            r.PosNr = e.PosNr;
            r.Datum = e.Datum;
            r.IstVk = r.SollVk = a;
            r.VkKz = e.Storno ? "2" : "0";
        }
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.ZM_GS_Einloesung", e);
    }
}
