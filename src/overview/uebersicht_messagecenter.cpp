// TUebersichtFrm: "Message Center" (Shift+F10, button "Message Center - F20"). The message
// center walks the listed customers and exchanges the result file's sums, the closed and till
// bonus totals and the open-item balances of each customer in the message.
#include <QPushButton>
#include <exception>

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
#include "platform/ui/data_model.h"
#include "platform/ui/dochost/gp_doc_host.h"

namespace {

// The result record's fields offered as placeholders: positions 4 to 7 (the sums).
constexpr int kErstesSummenFeld = 4;
constexpr int kSummenFelder = 4;

// Placeholders of the bonus and open-item values: (name, caption).
constexpr std::pair<const char*, const char*> kFestePlatzhalter[] = {
    {"BONUSABG", "Bonus (abg.)"}, {"BONUS", "Bonus"},         {"A-GUTSCHEI", "Gutscheine"},
    {"A-GUTSCHRI", "Gutschriften"}, {"A-RECHNUNG", "Rechnung"}, {"KREDIT", "Kredit"},
    {"AUSWAHL", "Auswahl"},       {"RESERV", "Reservierung"}};

// Placeholders exchanged by the open-item balance of a table: (placeholder, table).
constexpr std::pair<const char*, const char*> kOPPlatzhalter[] = {
    {"#BONUS#", "BONUS"},     {"#A-GUTSCHEI#", "A-GUTSCHEI"}, {"#A-GUTSCHRI#", "A-GUTSCHRI"},
    {"#A-RECHNUNG#", "A-RECHNUNG"}, {"#KREDIT#", "KREDIT"},   {"#AUSWAHL#", "AUSWAHL"},
    {"#RESERV#", "RESERV"},   {"#RABATTSCHEIN#", "RSCHEIN"}};

// A value as plain number text: amounts with two decimals and a decimal comma, no grouping.
QString ZahlText(long double wert) {
    QString s = QString::fromStdString(kis::services::FormatNumber("%.2f", wert));
    return s.replace(u'.', u',');
}

std::unique_ptr<kis::store::Tkisufile> KisuSicht() {
    auto f = std::make_unique<kis::store::Tkisufile>();
    f->SetFileNameRel(TMerovaQuery::KisuFileName());
    f->OpenOut();
    return f;
}

}  // namespace

struct TUebersichtFrm::TMessageCenter {
    std::unique_ptr<Tgpdochost> Host;
    std::unique_ptr<kis::store::Tkisufile> XPrxKISU;  // the walk over the customers
    std::unique_ptr<kis::store::Tkisufile> SerbKISU;  // the exchanged customer's result record
    // The exchanged customer: its sums and its bonus and open-item sets, loaded once.
    bool Geladen = false;
    TIntPair Kunde;
    QString Summen[kSummenFelder];
    TBonusTabellen Bonus;
    TOPTabellen OP;

    void SichtenSchliessen() {
        XPrxKISU.reset();
        SerbKISU.reset();
        Geladen = false;
    }
};

TUebersichtFrm::TMessageCenter& TUebersichtFrm::MessageCenter() {
    if (!FMessageCenter) FMessageCenter = std::make_shared<TMessageCenter>();
    return *FMessageCenter;
}

Tgpdochost& TUebersichtFrm::DocHost() {
    TMessageCenter& mc = MessageCenter();
    if (!mc.Host) {
        mc.Host = std::make_unique<Tgpdochost>(
            this, QStringLiteral("MEROVA"), QStringLiteral("KNUESERB"),
            [this](TIntPair& k) { return GPDocHost_First(k); }, [this](TIntPair& k) { return GPDocHost_Next(k); });
        mc.Host->SetPlatzhalter([this] { return GPDocHost_Platzhalter(); });
        mc.Host->SetExchange([this](const TIntPair& k, const QString& t) { return GPDocHost_Exchange(k, t); });
    }
    return *mc.Host;
}

void TUebersichtFrm::mnuMessageCenterClick() {
    if (btnMessageCenter->isVisible() && btnMessageCenter->isEnabled()) btnMessageCenterClick();
}

void TUebersichtFrm::btnMessageCenterClick() {
    setEnabled(false);
    try {
        DocHost().Execute();
    } catch (const std::exception& e) {
        Registrieren("btnMessageCenterClick", e);
    }
    MessageCenter().SichtenSchliessen();
    setEnabled(true);
}

// The first customer of the result file in key order. The totals record (key 0/0) is no
// customer: a message to it would reach nobody, so the walk starts after it.
bool TUebersichtFrm::GPDocHost_First(TIntPair& kunde) {
    try {
        TMessageCenter& mc = MessageCenter();
        mc.XPrxKISU = KisuSicht();
        auto& f = *mc.XPrxKISU;
        f.ClearKeysAndFilters();
        f.SelectIndex("KUNDE");
        f.Feld("ART").SetFilterMinMax(std::string("VK"), std::string("VK"));
        f.SetUsedField({"KUNDE"});
        for (bool ok = f.Get_ge(); ok; ok = f.Next()) {
            kunde = f.Feld("KUNDE").AsPair();
            if (!kis::keys::IstSummenSchluessel(kunde)) return true;
        }
        return false;
    } catch (const std::exception& e) {
        Registrieren("GPDocHost_First", e);
        return false;
    }
}

bool TUebersichtFrm::GPDocHost_Next(TIntPair& kunde) {
    try {
        TMessageCenter& mc = MessageCenter();
        if (!mc.XPrxKISU) return false;
        while (mc.XPrxKISU->Next()) {
            kunde = mc.XPrxKISU->Feld("KUNDE").AsPair();
            if (!kis::keys::IstSummenSchluessel(kunde)) return true;
        }
        return false;
    } catch (const std::exception& e) {
        Registrieren("GPDocHost_Next", e);
        return false;
    }
}

std::vector<TDocPlatzhalter> TUebersichtFrm::GPDocHost_Platzhalter() {
    std::vector<TDocPlatzhalter> liste;
    const kis::store::Tkisufile kisu;
    for (int i = kErstesSummenFeld; i < kErstesSummenFeld + kSummenFelder; ++i) {
        const QString name = QString::fromStdString(kisu.Table().fields.at(size_t(i)).name);
        const int spalte = mdlKISU->ColumnIndex(name);
        const QString caption = spalte >= 0 ? mdlKISU->Column(spalte).caption : name;
        liste.push_back({name, caption, u'#' + name + u'#'});
    }
    for (const auto& [name, caption] : kFestePlatzhalter) {
        const QString n = QString::fromUtf8(name);
        liste.push_back({n, QString::fromUtf8(caption), u'#' + n + u'#'});
    }
    return liste;
}

QString TUebersichtFrm::GPDocHost_Exchange(const TIntPair& kunde, const QString& text) {
    try {
        TMessageCenter& mc = MessageCenter();
        const kis::store::Tkisufile schema;
        if (!mc.Geladen || mc.Kunde != kunde) {
            if (!mc.SerbKISU) mc.SerbKISU = KisuSicht();
            auto& f = *mc.SerbKISU;
            f.ClearKeysAndFilters();
            f.SelectIndex("KUNDE");
            f.Feld("KUNDE").SetKeyWertAndFilter(kunde);
            f.Feld("ART").SetFilterMinMax(std::string("VK"), std::string("VK"));
            const bool gefunden = f.Get_ge();
            for (int i = 0; i < kSummenFelder; ++i) {
                const auto& def = schema.Table().fields.at(size_t(kErstesSummenFeld + i));
                const kis::store::TDatenfeld& feld = f.Feld(def.name);
                if (!gefunden)
                    mc.Summen[i] = def.type == kis::store::FieldType::Float ? ZahlText(0) : QStringLiteral("0");
                else if (def.type == kis::store::FieldType::Float)
                    mc.Summen[i] = ZahlText(feld.AsFloat());
                else
                    mc.Summen[i] = QString::fromStdString(feld.AsString()).trimmed();
            }
            f.ResultClear();
            TDM* dm = DM();
            mc.Bonus.Clear();
            if (FModus == TSelektionFrmModus::smBonusSelektion && dm)
                mc.Bonus.UseTMP(1, dm->BonusKennung.toStdString(), dm->BonusName.toStdString());
            mc.Bonus.SetKundeGepNr(kunde);
            mc.OP.Clear();
            mc.OP.SetMandant(ORVProgramm().GetAktMandant());
            mc.OP.SetKundeGepNr(kunde);
            mc.Kunde = kunde;
            mc.Geladen = true;
        }

        QString out = text;
        for (int i = 0; i < kSummenFelder; ++i) {
            const QString name = QString::fromStdString(schema.Table().fields.at(size_t(kErstesSummenFeld + i)).name);
            out.replace(u'#' + name + u'#', mc.Summen[i]);
        }
        if (out == u"#BONUSABG#") return ZahlText(mc.Bonus.BonusAbgeschlossen());
        if (out == u"#BONUSKAS#") return ZahlText(mc.Bonus.BonusKasse());
        for (const auto& [platzhalter, tabelle] : kOPPlatzhalter) {
            if (out != QLatin1String(platzhalter)) continue;
            const TOPTabelle* t = mc.OP.Tabelle(tabelle);
            return ZahlText(t ? t->Offen() : 0);
        }
        return out;
    } catch (const std::exception& e) {
        Registrieren("GPDocHost_Exchange", e);
        throw;  // a message with values missing must not go out as if it were complete

    }
}
