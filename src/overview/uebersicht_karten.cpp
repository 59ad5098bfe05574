// TUebersichtFrm: customer cards and labels of the listed customers, and their layouts.
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include "app/dm.h"
#include "engine/merova_query.h"
#include "overview/kisu_zeilen.h"
#include "overview/uebersicht_frm.h"
#include "platform/layouts/layout_ablage.h"
#include "platform/partners/gp_data.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/record_files.h"
#include "platform/ui/layouts/layout_form.h"
#include "platform/ui/layouts/peet_print.h"
#include "platform/ui/progress_counter.h"
#include "platform/ui/progress_dialog.h"

namespace {

const QString kTitel = QStringLiteral("Ausdruck Kundendaten");

TLayoutformEingaben KartenEingaben() {
    TLayoutformEingaben e;
    e.Titel = kTitel;
    e.Gruppe = QStringLiteral("Gestaltungsstypen");
    e.Einstellungen = QStringLiteral("Einstellungen");
    e.Praefix = QString::fromUtf8(kis::layouts::kPraefixKunde);
    e.Ordner = QString::fromStdString(kis::layouts::LayoutOrdner());
    e.Art = kis::layouts::kArtKundendaten;
    e.Flag = 1;
    return e;
}

// Shows the layouts with the customer under the cursor, or a sample customer.
void VorschauKunde(TLayoutform& form, const TIntPair& kunde) {
    kis::layouts::TKundenDaten d;
    d.Mandant = ORVProgramm().GetTextMandant();
    TGpData gp;
    if (kunde.IsNull() || !gp.Get(kunde, d.Satz)) d = kis::layouts::MusterKunde(d.Mandant);
    form.SetVorschauKunde(d);
}

}  // namespace

void TUebersichtFrm::LayoutKarteClick() {
    try {
        if (!LayoutForm) LayoutForm = new TLayoutform(this);
        VorschauKunde(*LayoutForm, FAktGepNr);
        LayoutForm->Ausfuehren(KartenEingaben(), true);
    } catch (const std::exception& e) {
        Registrieren("LayoutKarteClick", e);
    }
}

bool TUebersichtFrm::btnKarteDruckenClick() {
    TDM* dm = DM();
    bool fortschritt = false;
    const auto fortschrittEnde = [&] {
        if (!fortschritt) return;
        dm->prgDlg->Close();
        dm->PrgDlgActive = false;
        fortschritt = false;
    };
    try {
        if (!LayoutForm) LayoutForm = new TLayoutform(this);
        VorschauKunde(*LayoutForm, FAktGepNr);
        if (!LayoutForm->Ausfuehren(KartenEingaben())) return false;

        TPEETPrint druck(LayoutForm->Layout());
        druck.SetMandant(ORVProgramm().GetTextMandant());
        if (dm) {
            dm->ZeigeLaufDialog(QStringLiteral("Druckaufbereitung läuft ..."), QString(),
                                QStringLiteral("Kunden"), QString());
            fortschritt = true;
            ORVInfoProcessMessages(0);  // the dialog appears before the first customer is read
        }

        // The customers in the order of the list; the totals record is no customer.
        kis::store::Tkisufile kisu;
        kisu.SetFileNameRel(TMerovaQuery::KisuFileName());
        kisu.OpenOut();
        kisu.ClearKeysAndFilters();
        kisu.Feld("ART").SetFilterMinMax(std::string("VK"), std::string("VK"));
        kisu.SelectIndex(kis::overview::kKisuIndizes[FIndex]);
        kisu.SetUsedField({"KUNDE"});
        int ohneStamm = 0;
        bool abgebrochen = false;
        for (bool ok = kisu.Get_ge(); ok; ok = kisu.Next()) {
            const TIntPair kunde = kisu.Feld("KUNDE").AsPair();
            if (kunde.IsNull()) continue;
            if (!druck.AddKunde(kunde)) ++ohneStamm;
            if (dm) {
                dm->couAnzKunde->Increment();
                ORVInfoProcessMessages(333);
                if (!dm->PrgDlgActive) {
                    abgebrochen = true;
                    break;
                }
            }
        }
        kisu.Close();
        fortschrittEnde();
        if (abgebrochen) return false;
        if (ohneStamm > 0)
            ORVInfo().WarnungBox(std::to_string(ohneStamm) +
                                 " Kunden der Liste haben keine Stammdaten mehr und werden nicht gedruckt.");
        if (druck.Anzahl() == 0) {
            ORVInfo().HinweisBox("Es gibt keine Kunden, für die gedruckt werden kann.");
            return false;
        }

        bool gezeichnet = false;
        const auto zeichnen = [&druck, &gezeichnet](QPrinter* printer) { gezeichnet = druck.Drucken(*printer); };
        if (DruckVorschau) {
            DruckVorschau(zeichnen);
        } else {
            QPrinter printer(QPrinter::HighResolution);
            druck.SeiteEinrichten(printer);
            printer.setDocName(kTitel);
            QPrintPreviewDialog vorschau(&printer, this);
            vorschau.setWindowTitle(kTitel);
            connect(&vorschau, &QPrintPreviewDialog::paintRequested, this, zeichnen);
            // Maximised; without a window manager the size of the screen is set outright.
            if (QScreen* bildschirm = screen()) vorschau.setGeometry(bildschirm->availableGeometry());
            vorschau.setWindowState(Qt::WindowMaximized);
            vorschau.exec();
        }
        if (!gezeichnet) {
            ORVInfo().FehlerBox("Die Karten und Etiketten konnten nicht gedruckt werden.");
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        fortschrittEnde();
        Registrieren("btnKarteDruckenClick", e);
        ORVInfo().FehlerBox(e.what());
        return false;
    }
}
