// Outputs of the overview: the printed list, the exports of the sales grids, the document
// views reached from the customer pages, and editing the customer.
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include "app/dm.h"
#include "overview/beleg_info.h"
#include "overview/csv_export.h"
#include "overview/grid_druck.h"
#include "overview/kunden_kopf.h"
#include "overview/uebersicht_frm.h"
#include "overview/uebersicht_spalten.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/customer/kund_eing_dialog.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/tree_view.h"

using namespace kis::overview;

void TUebersichtFrm::btnDruckenClick() {
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        mdlKISU->FetchAll();  // the print covers every customer, not only those read so far
        const TGridDruck druck(*grdKISU, windowTitle().section(QStringLiteral(" - "), 0, 0),
                               QString::fromStdString(ORVProgramm().GetTextMandant()));
        QApplication::restoreOverrideCursor();
        const auto zeichnen = [&druck](QPrinter* printer) { druck.Drucken(*printer); };
        if (DruckVorschau) {
            DruckVorschau(zeichnen);
            return;
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setDocName(QStringLiteral("Übersichtsliste"));
        QPrintPreviewDialog vorschau(&printer, this);
        vorschau.setWindowTitle(QStringLiteral("Übersicht drucken"));
        connect(&vorschau, &QPrintPreviewDialog::paintRequested, this, zeichnen);
        // Maximised; without a window manager the size of the screen is set outright.
        if (QScreen* bildschirm = screen()) vorschau.setGeometry(bildschirm->availableGeometry());
        vorschau.setWindowState(Qt::WindowMaximized);
        vorschau.exec();
    } catch (const std::exception& e) {
        if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        Registrieren("btnDruckenClick", e);
    }
}

void TUebersichtFrm::GridExportieren(TORVDataGrid* grid, const QString& vorschlag, const char* handler) {
    try {
        QString datei = DateiNameFragen
                            ? DateiNameFragen(vorschlag)
                            : QFileDialog::getSaveFileName(this, QStringLiteral("Daten Export"), vorschlag,
                                                           QStringLiteral("CSV- Dateien (*.csv)"));
        if (datei.isEmpty()) return;
        if (!datei.contains(QLatin1Char('.'))) datei += QStringLiteral(".CSV");

        // All rows, not only those read so far; the selection is kept.
        TORVDataModel* m = grid->DataModel();
        const int auswahl = grid->CurrentRow();
        m->FetchAll();
        QStringList kopf;
        std::vector<int> spalten;
        for (int c = 0; c < m->ColumnCount(); ++c)
            if (!grid->isColumnHidden(c) && grid->columnWidth(c) > 0) {
                spalten.push_back(c);
                kopf << m->Column(c).caption.trimmed();
            }
        std::vector<QStringList> zeilen;
        for (int r = 0; r < grid->VisibleRowCount(); ++r) {
            const int row = grid->SourceRowAt(r);
            QStringList z;
            for (int c : spalten) z << m->DisplayText(row, c).trimmed();
            zeilen.push_back(std::move(z));
        }
        if (auswahl >= 0) grid->SelectRow(auswahl);

        QFile f(datei);
        const QByteArray inhalt = CsvDatei(kopf, zeilen);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(inhalt) != inhalt.size() || !f.flush())
            throw std::runtime_error("Die Datei \"" + datei.toStdString() + "\" kann nicht geschrieben werden: " +
                                     f.errorString().toStdString());
        f.close();
        ORVInfo().ShowMeldung(kis::services::kMeldungHinweis, 997, "STANDARD");
    } catch (const std::exception& e) {
        Registrieren(handler, e);
        ORVInfo().FehlerBox(e.what());
    }
}

void TUebersichtFrm::btnExcelExportGridObenClick() {
    GridExportieren(grdKIVKBons, {}, "btnExcelExportGridObenClick");
}

void TUebersichtFrm::btnExcelExportGridUntenClick() {
    QString vorschlag;
    const int row = grdKIVKBons->CurrentRow();
    if (row >= 0) {
        const int rnr = mdlKIVKBons->Value(row, bsBELEGRNR).toInt();
        if (rnr != 0)
            vorschlag = QStringLiteral("Bon_%1_%2").arg(rnr).arg(mdlKIVKBons->Value(row, bsBELEGLNR).toInt());
    }
    GridExportieren(grdKIVKUmsatzArtikel, vorschlag, "btnExcelExportGridUntenClick");
}

void TUebersichtFrm::BelegAnzeigen(const QString& art, int32_t nr1, int32_t nr2) {
    try {
        if (!BelegInfo) BelegInfo = new TBelegInfoFrm(this);
        BelegInfo->Laden(art, nr1, nr2);
        BelegInfo->show();
        BelegInfo->raise();
    } catch (const std::exception& e) {
        Registrieren("BelegAnzeigen", e);
    }
}

void TUebersichtFrm::tvOPDetail(QTreeWidgetItem* item, bool doppelklick) {
    try {
        const QVariantMap posten = TORVTreeView::NodeData(item).toMap();
        if (posten.isEmpty()) return;
        const QString tabelle = posten.value("tabelle").toString().trimmed().toUpper();
        QString art;
        if (tabelle == "A-RECHNUNG") art = "RG";
        else if (tabelle == "A-GUTSCHEI" || tabelle == "A-GUTSCHRI") art = "GS";
        else if (tabelle == "RESERV") art = "RV";
        else if (tabelle == "AUSWAHL") art = "MA";
        if (art.isEmpty()) return;
        // The button shows invoices, selections and reservations; a double-click any document.
        if (!doppelklick && art == "GS") return;
        const QString ref = posten.value("reftext").toString();
        BelegAnzeigen(art, ref.left(4).trimmed().toInt(), ref.mid(4, 9).trimmed().toInt());
    } catch (const std::exception& e) {
        Registrieren("tvOPDblClick", e);
    }
}

void TUebersichtFrm::tvBonusDetail(QTreeWidgetItem* item) {
    try {
        const QVariantMap d = TORVTreeView::NodeData(item).toMap();
        if (d.isEmpty()) return;
        const QString art = d.value("art").toString().trimmed();
        if (art == "BM" || art == "ZM") return;
        const int nr1 = d.value("nr1").toInt(), nr2 = d.value("nr2").toInt();
        if (!art.isEmpty() && art != "GZ" && art != "GL" && art != "ZB") {
            BelegAnzeigen(art, nr1, nr2);
            return;
        }
        // Positions, vouchers and usage markers name a sales-list key: its receipt or invoice.
        if (!BelegInfo) BelegInfo = new TBelegInfoFrm(this);
        if (BelegInfo->LadenNachSchluessel(nr1, nr2)) {
            BelegInfo->show();
            BelegInfo->raise();
        }
    } catch (const std::exception& e) {
        Registrieren("tvBonusDblClick", e);
    }
}

void TUebersichtFrm::btnKundeBearbeitenClick() {
    if (FAktGepNr.IsNull() || !DM() || !DM()->dlgKundEing) return;
    try {
        TKundEingDialog* dlg = DM()->dlgKundEing;
        dlg->SetModus(TKundEingDialog::kModusAendern);
        dlg->SetGepNr(FAktGepNr);
        dlg->Execute();
        for (TGepView* g : {gvUmsatz, gvOP, gvBonus, gvErledigt})
            if (g->isVisible()) g->SetGetNr(FAktGepNr);
    } catch (const std::exception& e) {
        Registrieren("btnKundeBearbeitenClick", e);
    }
}
