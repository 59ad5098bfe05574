// The overview list: showing and hiding the window, loading the grid in the chosen order,
// selecting a row, sorting and moving from customer to customer.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "app/dm.h"
#include "app/unattended.h"
#include "engine/merova_filter.h"
#include "overview/beleg_info.h"
#include "overview/kisu_zeilen.h"
#include "overview/kunden_kopf.h"
#include "overview/uebersicht_frm.h"
#include "overview/uebersicht_spalten.h"
#include "platform/base/kunde_text.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/tree_view.h"

using namespace kis::overview;

TUebersichtFrm::TUebersichtFrm(QWidget* parent)
    : QDialog(parent), BonusTabellen(std::make_unique<TBonusTabellen>()),
      OPTabellen(std::make_unique<TOPTabellen>()) {
    Aufbauen();
    setWindowTitle(QString::fromStdString(ORVProgramm().GetTextMandant()) + QStringLiteral(" - Übersichtsliste"));
    for (QLabel* l : {lblWert, lblBonus, lblWertNeu, lblBonusNeu}) l->clear();
    // "Courier New" where it is installed, else the system's fixed-pitch font, so that the
    // padded node texts line up.
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    tvOP->setFont(courier);
    tvBonus->setFont(courier);
    for (TGepView* g : {gvUmsatz, gvOP, gvBonus, gvErledigt})
        g->NameLesen = [](const TIntPair& k) { return DM() ? DM()->GetKundeName(k) : QString(); };
    AnwendungBeenden = [](int status, const QString& text) {
        kis::app::AbgBeenden(kis::app::AbgStatus(status), text);
    };
}

TUebersichtFrm::~TUebersichtFrm() {
    // Each step on its own, so that one failure does not keep the others from running.
    try {
        OPSumList.clear();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TUebersichtFrm.FormDestroy", e, 0);
    }
    try {
        mdlKISU->Clear();
        mdlKIVKBons->Clear();
        mdlKIVKUmsatzArtikel->Clear();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TUebersichtFrm.FormDestroy", e, 0);
    }
    try {
        tvOP->clear();
        tvBonus->clear();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TUebersichtFrm.FormDestroy", e, 0);
    }
}

void TUebersichtFrm::Registrieren(const char* handler, const std::exception& e) {
    ORVInfo().RegisterException(std::string("TUebersichtFrm.") + handler, e);
}

int TUebersichtFrm::Ausfuehren(TSelektionFrmModus modus) {
    FModus = modus;
    return exec();
}

int TUebersichtFrm::GeleseneZeilen() const { return mdlKISU->RowCount(); }

void TUebersichtFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!FGezeigt) {
        FGezeigt = true;
        FormShow();
    }
}

void TUebersichtFrm::hideEvent(QHideEvent* event) {
    if (FGezeigt && !event->spontaneous()) {
        FGezeigt = false;
        FormHide();
    }
    QDialog::hideEvent(event);
}

void TUebersichtFrm::FormShow() {
    try {
        const bool bonusModus = FModus == TSelektionFrmModus::smBonusSelektion;
        const QString mandant = QString::fromStdString(ORVProgramm().GetTextMandant());
        BonusTabellen->Open();
        BonusTabellen->UseTMP(0, {}, {});

        // The bonus page stands third in a bonus run, fourth otherwise.
        FEventVerarbeiten = false;
        pgcKunde->removeTab(pgcKunde->indexOf(tshKundeBonus));
        pgcKunde->insertTab(bonusModus ? 2 : 3, tshKundeBonus, QStringLiteral("Kunde - Bonus"));
        setWindowTitle((bonusModus ? QStringLiteral("Bonusberechnung Übersichtsliste - ")
                                   : QStringLiteral("Kundeninformation Übersichtsliste - ")) + mandant);
        for (QWidget* w : {static_cast<QWidget*>(lblWertNeuCaption), static_cast<QWidget*>(lblBonusNeuCaption),
                           static_cast<QWidget*>(lblWertNeu), static_cast<QWidget*>(lblBonusNeu)})
            w->setVisible(bonusModus);
        // Booking the computed bonus belongs to a bonus run.
        btnBONUBuchen->setVisible(bonusModus);
        btnBONUBuchen->setEnabled(bonusModus);
        actBONUBuchen->setVisible(bonusModus);
        actBONUBuchen->setEnabled(bonusModus);
        actSumBONUNeu->setVisible(bonusModus);
        actSumBONUNeu->setEnabled(bonusModus);

        const TMerovaFilter* filter = DM() && DM()->KIFilter ? DM()->KIFilter.get() : nullptr;
        const bool gesamt = filter && filter->FGesSumBuild;
        mdlKISU->SetColumnVisible(ksGESUMSATZ, gesamt);
        mdlKISU->SetColumnVisible(ksGESMENGE, gesamt);
        mdlKISU->SetColumnVisible(ksBONUSNEU, bonusModus);
        mdlKISU->SetColumnVisible(ksBONUSABG, filter && filter->FOPBonusAbg);

        FLieferantGefuellt = TFuellStatus::fsLeer;
        FMerkmaleGefuellt = TFuellStatus::fsLeer;
        SpaltenLayoutLaden();
        pgcKunde->setCurrentWidget(tshUebersicht);
        grdKISU->setFocus();
        FEventVerarbeiten = true;
        BonusSumWert = 0;
        OPSumList.clear();
        FIndex = 0;
        actSortierung[0]->setChecked(true);
        mdlKIVKBons->Clear();
        mdlKIVKUmsatzArtikel->Clear();
        GridNeuLaden();
        actBONULoeschen->setVisible(false);
        mnuBONULoeschen->actions().value(1)->setEnabled(false);
        btnExpand->setVisible(false);
        actDetails->setVisible(false);
    } catch (const std::exception& e) {
        Registrieren("FormShow", e);
    }

    if (FModus == TSelektionFrmModus::smBonusSelektion && DM() && DM()->AutoBGModus) {
        // Unattended: the booking for all customers runs at once and ends the program with
        // the status of the whole run.
        QTimer::singleShot(0, this, [this] {
            const bool ok = BONUBuchenAlleClick();
            QDialog::reject();
            if (AnwendungBeenden)
                AnwendungBeenden(int(ok ? kis::app::AbgStatus::Erfolg : kis::app::AbgStatus::Fehlgeschlagen),
                                 ok ? QStringLiteral("Bonusgenerierung und Buchung für alle Kunden abgeschlossen.")
                                    : QStringLiteral("Die Buchung für alle Kunden ist nicht vollständig; "
                                                     "siehe kis.log."));
        });
    }
}

void TUebersichtFrm::FormHide() {
    try {
        SpaltenLayoutSpeichern();
    } catch (const std::exception& e) {
        Registrieren("FormHide", e);
    }
    // The grids let go of the work files; the bonus set's bracket ends.
    FEventVerarbeiten = false;
    mdlKISU->Clear();
    mdlKIVKBons->Clear();
    mdlKIVKUmsatzArtikel->Clear();
    BonusTabellen->Close();
}

void TUebersichtFrm::GridNeuLaden() {
    try {
        FEventVerarbeiten = false;
        BonusTabellen->Open();
        TKisuKontext k;
        k.modus = FModus;
        const TMerovaFilter* filter = DM() && DM()->KIFilter ? DM()->KIFilter.get() : nullptr;
        k.opBonusAbg = filter && filter->FOPBonusAbg;
        if (DM()) {
            k.bonusKennung = DM()->BonusKennung.toStdString();
            k.bonusName = DM()->BonusName.toStdString();
        }
        k.mandant = ORVProgramm().GetAktMandant();
        k.bonusSumWert = BonusSumWert;
        k.opSumList = &OPSumList;
        grdKISU->Proxy()->sort(-1);
        grdKISU->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        mdlKISU->SetSource(KisuQuelle(kKisuIndizes[FIndex], std::move(k)), 128);
        if (mdlKISU->canFetchMore({})) mdlKISU->fetchMore({});
        BonusTabellen->Close();
    } catch (const std::exception& e) {
        BonusTabellen->Close();
        mdlKISU->Clear();
        Registrieren("grdKISUReload", e);
    }
    FEventVerarbeiten = true;
    grdKISU->ApplyColumnLayout();
    // The first customer when there is one, else the totals row.
    grdKISU->SelectRow(mdlKISU->RowCount() > 1 ? 1 : 0);
    grdKISUSelect(grdKISU->CurrentRow());
}

void TUebersichtFrm::grdKISUSelect(int sourceRow) {
    if (!FEventVerarbeiten) return;
    try {
        FAktGepNr = sourceRow < 0 ? TIntPair()
                                  : kis::keys::KundeAusText(mdlKISU->Value(sourceRow, ksKUNDE).toString().toStdString());
        const bool kunde = FAktGepNr.IsDefined();
        if (!kunde && (pgcKunde->currentWidget() == tshKundeOP || pgcKunde->currentWidget() == tshKundeBonus))
            pgcKunde->setCurrentWidget(tshUebersicht);
        pgcKunde->setTabVisible(pgcKunde->indexOf(tshKundeOP), kunde);
        pgcKunde->setTabVisible(pgcKunde->indexOf(tshKundeBonus), kunde);
        btnKundeBearbeiten->setEnabled(kunde);
    } catch (const std::exception& e) {
        Registrieren("grdKISUSelect", e);
    }
}

void TUebersichtFrm::Sortierung(int index) {
    if (index < 0 || index >= 5) return;
    FIndex = index;
    actSortierung[index]->setChecked(true);
    GridNeuLaden();
}

void TUebersichtFrm::KopfIndexWechsel(int section) {
    static const int kIndexSpalten[5] = {ksNAME, ksSELUMSATZ, ksSELMENGE, ksGESUMSATZ, ksGESMENGE};
    for (int i = 0; i < 5; ++i)
        if (kIndexSpalten[i] == section) {
            Sortierung(i);
            return;
        }
    // Other columns hold values computed per row: the grid reads all rows and sorts them.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Qt::SortOrder order = grdKISU->Proxy()->sortColumn() == section &&
                                        grdKISU->Proxy()->sortOrder() == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    grdKISU->SortByColumn(mdlKISU->Column(section).name, order);
    QApplication::restoreOverrideCursor();
}

void TUebersichtFrm::Bewegen(int schritt) {
    const int aktuell = grdKISU->currentIndex().isValid() ? grdKISU->currentIndex().row() : 0;
    const int ziel = aktuell + schritt;
    if (ziel < 0) return;
    while (ziel >= grdKISU->VisibleRowCount() && mdlKISU->canFetchMore({})) mdlKISU->fetchMore({});
    const int row = grdKISU->SourceRowAt(ziel);
    if (row < 0) return;
    grdKISU->SelectRow(row);
    AktiveSeiteNeu();
}

void TUebersichtFrm::SelektPrev() { Bewegen(-1); }
void TUebersichtFrm::SelektNext() { Bewegen(1); }

void TUebersichtFrm::AktiveSeiteNeu() {
    QWidget* seite = pgcKunde->currentWidget();
    if (seite == tshKundeUmsatz) tshKundeUmsatzShow();
    else if (seite == tshKundeOP) tshKundeOPShow();
    else if (seite == tshKundeBonus) tshKundeBonusShow();
    else if (seite == tshKundeErledigt) tshKundeErledigtShow();
}

void TUebersichtFrm::btnZurueckClick() {
    if (pgcKunde->currentWidget() != tshUebersicht) {
        pgcKunde->setCurrentWidget(tshUebersicht);
        grdKISU->setFocus();
        return;
    }
    QDialog::reject();
}

void TUebersichtFrm::reject() { btnZurueckClick(); }

void TUebersichtFrm::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        pgcKunde->currentWidget() == tshKundeBonus) {
        // Enter acts as a double-click on the tree, unless a document is already shown.
        if (!BelegInfo || !BelegInfo->isVisible()) tvBonusDetail(tvBonus->currentItem());
        return;
    }
    QDialog::keyPressEvent(event);
}
