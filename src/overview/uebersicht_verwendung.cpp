// TUebersichtFrm: marking the bonus chosen on the bonus page as used, or cancelling it,
// through the shared bonus window.
#include <QStringList>
#include <QTreeWidgetItem>
#include <stdexcept>

#include "bonus/bonus_als_verw.h"
#include "overview/uebersicht_frm.h"
#include "platform/base/datetime.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/bonus/bonus_verwendung.h"
#include "platform/services/orv_info.h"
#include "platform/ui/tree_view.h"

namespace {

constexpr const char* kKatalog = "MEROVA";

// The reference in the node text's first "[...]": three whole numbers of at least 0 joined
// by "-". False for anything else.
bool ReferenzLesen(const QString& text, TIdent& ident) {
    const qsizetype auf = text.indexOf(QLatin1Char('['));
    const qsizetype zu = text.indexOf(QLatin1Char(']'));
    if (auf < 0 || zu < 0 || auf > zu) return false;
    QString innen = text.mid(auf + 1, zu - auf - 1);
    innen.replace(QLatin1Char('-'), QLatin1Char(','));
    const QStringList teile = innen.split(QLatin1Char(','));
    if (teile.size() != 3) return false;
    int32_t n[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        n[i] = teile[i].trimmed().toInt(&ok);
        if (!ok || n[i] < 0) return false;
    }
    ident.RNr = n[0];
    ident.LNr = n[1];
    ident.SNr = n[2];
    return true;
}

}  // namespace

bool TUebersichtFrm::BonusAusgewaehlt(TIdent& ident) {
    const QTreeWidgetItem* knoten = tvBonus->currentItem();
    const QString text = knoten ? knoten->text(0) : QString();
    int meldung = 0;
    if (!text.startsWith(QStringLiteral("Bonus: ")) && !text.startsWith(QStringLiteral("Rabattschein: "))) {
        meldung = 1030;
    } else if (text.contains(QStringLiteral("[Neu]"))) {
        meldung = 1031;  // computed by this run, not booked yet
    } else if (!ReferenzLesen(text, ident)) {
        meldung = 1032;
    } else {
        // Read afresh: the page may be older than the last change at another workstation.
        TBonusTabellen gespeichert;
        gespeichert.UseTMP(0, {}, {});
        gespeichert.SetKundeGepNr(FAktGepNr);
        const TBonusTabelle* gefunden = nullptr;
        for (int i = 0; i < gespeichert.GetTabCount() && !gefunden; ++i) {
            const TBonusIdent id = gespeichert.GetTabelle(i).GetIdent();
            if (id.RNr == ident.RNr && id.LNr == ident.LNr && int32_t(id.SNr) == ident.SNr)
                gefunden = &gespeichert.GetTabelle(i);
        }
        if (!gefunden)
            meldung = 1033;
        else if (!gefunden->IstOffen())
            meldung = 1034;
    }
    if (meldung == 0) return true;
    ORVInfo().ShowMeldung(kis::services::kMeldungHinweis, meldung, kKatalog);
    return false;
}

bool TUebersichtFrm::BonusVerwendungBuchen(bool alsVerwendet) {
    const char* handler = alsVerwendet ? "btnBONUVerwendetClick" : "btnBONUStornoClick";
    try {
        Tbonusalsverw* form = Tbonusalsverw::Instanz();
        if (!form) throw std::logic_error("bonusalsverw not assigned!");
        if (FAktGepNr.Lnr == 0) return false;
        TIdent ident;
        if (!BonusAusgewaehlt(ident)) return false;
        ident.Datum = kis::date::DateOf(kis::date::Now());
        if (ORVInfo().ShowMeldung(kis::services::kMeldungJaNein, alsVerwendet ? 1020 : 1021, kKatalog) !=
            kis::services::kAntwortJa)
            return false;
        const auto ergebnis = alsVerwendet ? form->Buche_BoniLoeschen({ident}) : form->Buche_BoniStornieren({ident});
        tshKundeBonusShow();
        if (!BonusAktionAlleGebucht(ergebnis)) {
            ORVInfo().WarnungBox(BonusAktionFehlerText(ergebnis));
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        Registrieren(handler, e);
        ORVInfo().FehlerBox(e.what());
        return false;
    }
}
