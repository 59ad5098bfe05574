// The customer pages of the overview: sales with documents and positions, open items, bonuses,
// the optional position columns and their stored layout.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <stdexcept>

#include "app/dm.h"
#include "overview/kivk_zeilen.h"
#include "overview/kunden_kopf.h"
#include "overview/uebersicht_frm.h"
#include "overview/uebersicht_spalten.h"
#include "overview/uebersicht_texte.h"
#include "platform/articles/artikel_tools.h"
#include "platform/base/kunde_text.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/services/form_store.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/tree_view.h"

using namespace kis::overview;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

kis::services::FormStore LayoutStore() { return kis::services::FormStore({"MEROVA", "DEU", "KUNDUMSA", "0"}); }

std::string LayoutMaske() {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.4d", ORVProgramm().GetRId());
    return buf;
}

const char* const kLayoutProperty = "grdKIVKUmsatzArtikel.Spalten";

}  // namespace

void TUebersichtFrm::SeiteGewechselt(int) {
    QWidget* seite = pgcKunde->currentWidget();
    if (FLetzteSeite == tshKundeUmsatz && seite != tshKundeUmsatz) tshKundeUmsatzHide();
    FLetzteSeite = seite;
    const bool bonus = seite == tshKundeBonus;
    btnExpand->setVisible(bonus);
    actDetails->setVisible(bonus);
    AktiveSeiteNeu();
}

// --------------------------------------------------------------------- Kunde - Umsatz

void TUebersichtFrm::tshKundeUmsatzShow() {
    if (!FEventVerarbeiten) return;
    try {
        gvUmsatz->SetGetNr(FAktGepNr);
        FEventVerarbeiten = false;
        mdlKIVKUmsatzArtikel->Clear();
        mdlKIVKBons->SetSource(BelegQuelle(FAktGepNr), 128);
        if (mdlKIVKBons->canFetchMore({})) mdlKIVKBons->fetchMore({});
        grdKIVKBons->ApplyColumnLayout();
        FEventVerarbeiten = true;
        grdKIVKBons->SelectRow(mdlKIVKBons->RowCount() > 1 ? 1 : 0);
        grdKIVKBonsSelect(grdKIVKBons->CurrentRow());
    } catch (const std::exception& e) {
        FEventVerarbeiten = true;
        Registrieren("tshKundeUmsatzShow", e);
    }
}

void TUebersichtFrm::tshKundeUmsatzHide() {
    mdlKIVKBons->Clear();
    mdlKIVKUmsatzArtikel->Clear();
    imgArtikel->clear();
}

void TUebersichtFrm::grdKIVKBonsSelect(int sourceRow) {
    if (!FEventVerarbeiten) return;
    try {
        FEventVerarbeiten = false;
        if (sourceRow < 0) {
            mdlKIVKUmsatzArtikel->Clear();
        } else {
            const TIntPair kunde =
                kis::keys::KundeAusText(mdlKIVKBons->Value(sourceRow, bsKUNDE).toString().toStdString());
            mdlKIVKUmsatzArtikel->SetSource(PositionenQuelle(kunde, mdlKIVKBons->Value(sourceRow, bsRNR).toInt(),
                                                             mdlKIVKBons->Value(sourceRow, bsLNR).toInt()),
                                            128);
            if (mdlKIVKUmsatzArtikel->canFetchMore({})) mdlKIVKUmsatzArtikel->fetchMore({});
        }
        grdKIVKUmsatzArtikel->ApplyColumnLayout();
        FEventVerarbeiten = true;
        grdKIVKUmsatzArtikel->SelectRow(0);
        grdKIVKUmsatzArtikelSelect(grdKIVKUmsatzArtikel->CurrentRow());
    } catch (const std::exception& e) {
        FEventVerarbeiten = true;
        Registrieren("grdKIVKBonsSelect", e);
    }
}

void TUebersichtFrm::grdKIVKUmsatzArtikelSelect(int sourceRow) {
    if (!FEventVerarbeiten) return;
    try {
        imgArtikel->clear();
        if (sourceRow < 0) return;
        TInt32Trio produkt;
        if (!TInt32Trio::FromString(mdlKIVKUmsatzArtikel->Value(sourceRow, psPRODUKTID).toString().toStdString(),
                                    produkt) ||
            produkt.IsNull())
            return;
        // No article pictures are kept; the panel names the article instead.
        TArtikelSatz a;
        if (TArtikelTools::AASatz_4_ProduktID(produkt, a))
            imgArtikel->setText(Q(produkt.ToString()) + QStringLiteral("\n") + Q(a.Bezeichnung));
        else
            imgArtikel->setText(Q(produkt.ToString()));
    } catch (const std::exception& e) {
        Registrieren("grdKIVKUmsatzArtikelSelect", e);
    }
}

bool TUebersichtFrm::SpalteFuellen(int spalte) {
    const bool lieferant = spalte == 0 || spalte == 1;
    if (!lieferant && (spalte < 2 || spalte > 7)) throw std::invalid_argument("Unbekannte Spaltenart!");
    TFuellStatus& status = lieferant ? FLieferantGefuellt : FMerkmaleGefuellt;
    if (status == TFuellStatus::fsFertig) return true;
    if (!DM()) return false;
    // The fill writes into the detail file: the grids let go of it first.
    tshKundeUmsatzHide();
    const bool ok = lieferant ? DM()->ExecuteKIQueryFillKIVKLieferant() : DM()->ExecuteKIQueryFillKIVKMerkmale();
    // A fill that failed or was aborted is not done; the next check of a column tries again.
    if (ok) status = TFuellStatus::fsFertig;
    return ok;
}

void TUebersichtFrm::OptionaleSpalteClick(int spalte, bool checked) {
    try {
        if (spalte < 0 || spalte > 7) throw std::invalid_argument("Unbekannte Spaltenart!");
        actSpalte[spalte]->setChecked(checked);
        const QString name = QString::fromUtf8(kOptionaleSpalten[spalte]);
        if (checked) {
            SpalteFuellen(spalte);
            if (FSpaltenBreite[spalte] < 1) FSpaltenBreite[spalte] = 144;
            grdKIVKUmsatzArtikel->SetColumnVisible(name, true, FSpaltenBreite[spalte]);
        } else {
            const int breite = grdKIVKUmsatzArtikel->ColumnWidth(name);
            if (breite > 0) FSpaltenBreite[spalte] = breite;
            grdKIVKUmsatzArtikel->SetColumnVisible(name, false);
        }
        if (pgcKunde->currentWidget() == tshKundeUmsatz) tshKundeUmsatzShow();
    } catch (const std::exception& e) {
        Registrieren("OptionaleSpalteClick", e);
    }
}

void TUebersichtFrm::SpaltenLayoutSpeichern() {
    QStringList zeilen;
    for (int i = 0; i < 8; ++i) {
        const QString name = QString::fromUtf8(kOptionaleSpalten[i]);
        const bool sichtbar = grdKIVKUmsatzArtikel->IsColumnVisible(name);
        const int breite = sichtbar ? grdKIVKUmsatzArtikel->ColumnWidth(name) : 0;
        zeilen << QStringLiteral("%1;%2").arg(sichtbar ? 1 : 0).arg(breite);
    }
    LayoutStore().Store(LayoutMaske(), {{kLayoutProperty, zeilen.join('\n').toStdString()}});
}

void TUebersichtFrm::SpaltenLayoutLaden() {
    for (int i = 0; i < 8; ++i) {
        FSpaltenBreite[i] = 0;
        actSpalte[i]->setChecked(false);
        grdKIVKUmsatzArtikel->SetColumnVisible(QString::fromUtf8(kOptionaleSpalten[i]), false);
    }
    const auto props = LayoutStore().Restore(LayoutMaske());
    const auto it = props.find(kLayoutProperty);
    if (it == props.end()) return;
    const QStringList zeilen = Q(it->second).split('\n');
    if (zeilen.size() <= 7) return;  // an incomplete layout is ignored
    for (int i = 0; i < 8; ++i) {
        const QStringList teile = zeilen[i].split(';');
        if (teile.value(0).trimmed() != QLatin1String("1")) continue;
        bool ok = false;
        int breite = teile.value(1).trimmed().toInt(&ok);
        if (!ok) breite = 64;
        FSpaltenBreite[i] = breite;
        actSpalte[i]->setChecked(true);
        try {
            SpalteFuellen(i);
        } catch (const std::exception& e) {
            Registrieren("SpaltenLayoutLaden", e);
        }
        grdKIVKUmsatzArtikel->SetColumnVisible(QString::fromUtf8(kOptionaleSpalten[i]), true, breite);
    }
}

// --------------------------------------------------------------------- Kunde - offene Posten

void TUebersichtFrm::tshKundeOPShow() {
    try {
        tvOP->clear();
        gvOP->SetGetNr(FAktGepNr);
        if (FAktGepNr.IsNull()) return;
        OPTabellen->Clear();
        OPTabellen->SetMandant(ORVProgramm().GetAktMandant());
        OPTabellen->SetKundeGepNr(FAktGepNr);
        for (const TOPTabelle& t : OPTabellen->Tabellen()) {
            QTreeWidgetItem* top = tvOP->AddNode(nullptr, Q(OPTabellenText(OPBezeichnung(t.Name), t.Summe1, t.Summe2)),
                                                 bbAbgeschlossen);
            for (const TOPPosten& p : t.Posten) {
                QVariantMap posten;
                posten["tabelle"] = Q(t.Name);
                posten["reftext"] = Q(p.RefText);
                posten["datum"] = double(p.Datum);
                posten["betrag1"] = double(p.Betrag1);
                posten["betrag2"] = double(p.Betrag2);
                tvOP->AddNode(top, Q(OPPostenText(p)), bbEintragAlt, posten);
            }
        }
    } catch (const std::exception& e) {
        Registrieren("tshKundeOPShow", e);
    }
}

// --------------------------------------------------------------------- Kunde - Bonus

void TUebersichtFrm::tshKundeBonusShow() {
    if (!BonusTabellen || !FEventVerarbeiten) return;
    try {
        tvBonus->clear();
        gvBonus->SetGetNr(FAktGepNr);
        if (FModus == TSelektionFrmModus::smBonusSelektion && DM())
            BonusTabellen->UseTMP(1, DM()->BonusKennung.toStdString(), DM()->BonusName.toStdString());
        else
            BonusTabellen->UseTMP(0, {}, {});
        BonusTabellen->SetKundeGepNr(FAktGepNr);
        auto betrag = [](long double v) { return Q(kis::services::FormatNumber("%9.2n", v)).trimmed(); };
        lblWert->setText(betrag(BonusTabellen->WertAlt()));
        lblBonus->setText(betrag(BonusTabellen->BonusAlt()));
        lblWertNeu->setText(betrag(BonusTabellen->WertNeu()));
        lblBonusNeu->setText(betrag(BonusTabellen->BonusNeu()));
        const auto konto = [](const std::string& k) {
            return DM() ? DM()->GetKontoBezeichnung(Q(k)).toStdString() : k;
        };
        for (int i = 0; i < BonusTabellen->GetTabCount(); ++i) {
            const TBonusTabelle& t = BonusTabellen->GetTabelle(i);
            QVariant marke;
            if (!t.IstNeu() && !t.IstOffen()) {
                QVariantMap m;
                m["art"] = t.GetVerwendet() == "ZURUECKGEZ" ? QStringLiteral("ZM") : QStringLiteral("ZB");
                m["nr1"] = t.GetVerwRef1();
                m["nr2"] = t.GetVerwRef2();
                marke = m;
            }
            QTreeWidgetItem* top;
            try {
                top = tvBonus->AddNode(nullptr, Q(BonusKnotenText(t)), BonusKnotenBild(t), marke);
            } catch (const std::exception& e) {
                Registrieren("tshKundeBonusShow.SetFatherImage", e);
                continue;
            }
            const std::string zusatz = KontoZusatz(t, konto);
            for (int j = 0; j < t.GetItemCount(); ++j) {
                const TBonusItem& item = t.GetItem(j);
                QVariantMap m;
                m["art"] = Q(item.Art);
                m["nr1"] = item.Nr1;
                m["nr2"] = item.Nr2;
                m["nr3"] = item.Nr3;
                QTreeWidgetItem* kind = tvBonus->AddNode(top, Q(BonusItemText(t, item, zusatz)), BonusItemBild(item), m);
                const std::string wert = BonusWertText(item);
                if (!wert.empty()) tvBonus->AddNode(kind, Q(wert));
            }
        }
        tvBonus->ExpandTopLevel(true);
        btnExpand->setText(QStringLiteral("Details aus - F6"));
        actDetails->setText(QStringLiteral("Details aus"));
    } catch (const std::exception& e) {
        Registrieren("tshKundeBonusShow", e);
    }
}

void TUebersichtFrm::btnExpandClick() {
    if (pgcKunde->currentWidget() != tshKundeBonus) return;
    // "aus" hides the details and offers to show them again; "ein" shows them.
    const bool zuklappen = btnExpand->text() == QStringLiteral("Details aus - F6");
    tvBonus->ExpandTopLevel(!zuklappen);
    btnExpand->setText(zuklappen ? QStringLiteral("Details ein - F6") : QStringLiteral("Details aus - F6"));
    actDetails->setText(zuklappen ? QStringLiteral("Details ein") : QStringLiteral("Details aus"));
}

void TUebersichtFrm::tshKundeErledigtShow() { gvErledigt->SetGetNr(FAktGepNr); }
