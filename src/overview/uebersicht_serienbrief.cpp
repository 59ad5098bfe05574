// "Serienbrief ..." of the overview: the result's customers with their sales, bonus and
// open-item figures go to the serial letter, one customer after the other. A customer with a
// negative bonus is asked about once per letter (message 1008); "no" leaves out every such
// customer of that letter.
#include <QPushButton>
#include <QString>
#include <cmath>
#include <stdexcept>

#include "app/dm.h"
#include "engine/merova_query.h"
#include "overview/uebersicht_frm.h"
#include "platform/base/kunde_text.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/record_files.h"
#include "platform/ui/german_format.h"
#include "platform/ui/serbrief/gp_ser_brief.h"

namespace {

// The columns a letter can use, in the order of GPSerbTab.
enum TSerbSpalte : int {
    sbSELUMS, sbSELMENGE, sbGESUMS, sbGESMENGE, sbBONUSNEU, sbBONUSABG, sbBONUS, sbAGUTSCHEI,
    sbAGUTSCHRI, sbARECHNUNG, sbKREDIT, sbAUSWAHL, sbRESERV, sbBONUSKASSE, sbRSCHEIN, sbAnzahl
};
constexpr const char* kSerbSpalten[sbAnzahl] = {
    "SELUMS", "SELMENGE", "GESUMS", "GESMENGE", "BONUSNEU", "BONUSABG", "BONUS", "A-GUTSCHEI",
    "A-GUTSCHRI", "A-RECHNUNG", "KREDIT", "AUSWAHL", "RESERV", "BONUSKASSE", "RSCHEIN"};

// The open-item columns other than "BONUS": the absolute balance of the table of that name.
constexpr TSerbSpalte kOPBetragSpalten[] = {sbAGUTSCHEI, sbAGUTSCHRI, sbARECHNUNG, sbKREDIT,
                                            sbAUSWAHL,   sbRESERV,    sbRSCHEIN};

// "%9.2f" with the decimal comma of German letters: "   -12,50".
QString Betrag(long double wert) {
    return QString::fromStdString(kis::services::FormatNumber("%9.2f", wert)).replace(QLatin1Char('.'), QLatin1Char(','));
}

long double OPSaldo(const TOPTabellen& op, const char* tabelle) {
    const TOPTabelle* t = op.Tabelle(tabelle);
    return t ? t->Summe1 - t->Summe2 : 0;
}

}  // namespace

bool TUebersichtFrm::btnSerBriefClick() {
    bool geschrieben = false;
    try {
        if (!GPSerBrief)
            GPSerBrief = std::make_shared<TGPSerBrief>(
                this, QStringLiteral("MEROVA"), QStringLiteral("KNUESERB"),
                [this](TIntPair& kunde) { return SerBriefKunde(kunde, true); },
                [this](TIntPair& kunde) { return SerBriefKunde(kunde, false); });
        FWgNegBonusGefragt = false;
        FNegBonusExportieren = false;
        SerbKISU = std::make_shared<kis::store::Tkisufile>();
        SerbKISU->SetFileNameRel(TMerovaQuery::KisuFileName());
        SerbKISU->OpenOut();
        SerbBonus = std::make_shared<TBonusTabellen>();
        SerbOP = std::make_shared<TOPTabellen>();

        TGPSerBrief& brief = *GPSerBrief;
        brief.Clear();
        const bool bonusModus = FModus == TSelektionFrmModus::smBonusSelektion;
        const auto spalte = [&brief](const char* name, const char* caption) {
            const bool menge = std::string(name) == "SELMENGE" || std::string(name) == "GESMENGE";
            if (menge)
                brief.AddSpalte(name, QString::fromUtf8(caption), 1, 1, 10, 73);
            else
                brief.AddSpalte(name, QString::fromUtf8(caption), 1, 4, 13, 70);
        };
        spalte("SELUMS", "Sel. Umsatz");
        spalte("SELMENGE", "Sel. Menge");
        spalte("GESUMS", "Ges. Umsatz");
        spalte("GESMENGE", "Ges. Menge");
        if (bonusModus) spalte("BONUSNEU", "Bonus/Rabattschein (neu)");
        spalte("BONUSABG", "Bonus (abg.)");
        spalte("BONUS", "Bonus");
        spalte("BONUSKASSE", "Bonus (Kasse)");
        spalte("A-GUTSCHEI", "Gutschein");
        spalte("A-GUTSCHRI", "Gutschrift");
        spalte("A-RECHNUNG", "Rechnung");
        spalte("KREDIT", "Kredit");
        spalte("AUSWAHL", "Auswahl");
        spalte("RESERV", "Reservierung");
        spalte("RSCHEIN", "Rabattschein");
        if (SerBriefVorbereiten) SerBriefVorbereiten(brief);

        if (brief.Init()) geschrieben = brief.Execute();
    } catch (const std::exception& e) {
        Registrieren("btnSerBriefClick", e);
        geschrieben = false;
    }
    if (GPSerBrief) GPSerBrief->Done();
    SerbKISU.reset();
    SerbBonus.reset();
    SerbOP.reset();
    return geschrieben;
}

// First (erster) or next customer of the letter. Records that are skipped: the totals record
// and, after the user said no, customers with a negative bonus. Failures pass on to the serial
// letter, which then writes nothing.
bool TUebersichtFrm::SerBriefKunde(TIntPair& kunde, bool erster) {
    if (!SerbKISU) return false;
    kis::store::Tkisufile& f = *SerbKISU;
    bool gefunden;
    if (erster) {
        const QStringList gewaehlt = GPSerBrief->GewaehlteSpalten();
        for (int i = 0; i < sbAnzahl; ++i) GPSerbTab[i] = int(gewaehlt.indexOf(QString::fromLatin1(kSerbSpalten[i])));
        f.ClearKeysAndFilters();
        f.Feld("ART").SetFilterMinMax(std::string("VK"), std::string("VK"));
        f.SelectIndex("KUNDE");
        gefunden = f.Get_ge();
    } else {
        gefunden = f.Next();
    }
    for (; gefunden; gefunden = f.Next()) {
        const TIntPair k = f.Feld("KUNDE").AsPair();
        if (kis::keys::IstSummenSchluessel(k)) continue;
        if (!SerBriefZeileFuellen(k)) continue;
        kunde = k;
        return true;
    }
    return false;
}

// Fills the chosen columns of the current result record; false when the customer is left out.
bool TUebersichtFrm::SerBriefZeileFuellen(const TIntPair& kunde) {
    kis::store::Tkisufile& f = *SerbKISU;
    TGPSerBrief& brief = *GPSerBrief;
    const bool bonusModus = FModus == TSelektionFrmModus::smBonusSelektion;
    const auto benutzt = [this](int s) { return GPSerbTab[s] >= 0; };

    try {
        SerbOP->Clear();
        SerbOP->SetMandant(ORVProgramm().GetAktMandant());
        SerbOP->SetKundeGepNr(kunde);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TUebersichtFrm.LoadOPTabellen", e);
        throw;
    }
    const bool mitBonus = bonusModus || benutzt(sbBONUSNEU) || benutzt(sbBONUSABG) || benutzt(sbBONUSKASSE);
    if (mitBonus) {
        try {
            if (bonusModus && DM()) SerbBonus->UseTMP(1, DM()->BonusKennung.toStdString(), DM()->BonusName.toStdString());
            SerbBonus->SetKundeGepNr(kunde);
        } catch (const std::exception& e) {
            ORVInfo().RegisterException("TUebersichtFrm.LoadBonusTabellen", e);
            throw;
        }
    }

    QString werte[sbAnzahl];
    werte[sbSELUMS] = Betrag(f.Feld("SELUMSATZ").AsFloat());
    werte[sbSELMENGE] = Betrag(f.Feld("SELMENGE").AsInt());
    werte[sbGESUMS] = Betrag(f.Feld("GESUMSATZ").AsFloat());
    werte[sbGESMENGE] = Betrag(f.Feld("GESMENGE").AsInt());
    werte[sbBONUSNEU] = Betrag(mitBonus ? SerbBonus->BonusNeu() : 0);
    werte[sbBONUSABG] = Betrag(mitBonus ? std::abs(SerbBonus->BonusAbgeschlossen()) : 0);
    werte[sbBONUSKASSE] = Betrag(mitBonus ? std::abs(SerbBonus->BonusKasse()) : 0);
    werte[sbBONUS] = Betrag(OPSaldo(*SerbOP, "BONUS") * -1);
    for (TSerbSpalte s : kOPBetragSpalten) werte[s] = Betrag(std::abs(OPSaldo(*SerbOP, kSerbSpalten[s])));
    for (int s = 0; s < sbAnzahl; ++s)
        if (benutzt(s)) brief.SetWert(QString::fromLatin1(kSerbSpalten[s]), werte[s]);

    // Negative bonuses: read back from the row as the letter carries it.
    if (FNegBonusExportieren) return true;
    const auto negativ = [&](int s) {
        return benutzt(s) && kis::ui::ParseGermanNumber(werte[s].trimmed()).value_or(0) < 0;
    };
    if (!negativ(sbBONUSNEU) && !negativ(sbBONUS)) return true;
    try {
        if (!FWgNegBonusGefragt) {
            FWgNegBonusGefragt = true;
            FNegBonusExportieren = ORVInfo().ShowMeldung(kis::services::kMeldungJaNein, 1008, "MEROVA") ==
                                   kis::services::kAntwortJa;
        }
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TUebersichtFrm.FrageWegenNegBonus", e);
        throw;
    }
    return FNegBonusExportieren;
}
