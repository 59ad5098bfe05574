#include <QAction>
#include <QHeaderView>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/dm.h"
#include "platform/articles/artikel_tools.h"
#include "engine/merova_filter.h"
#include "overview/beleg_info.h"
#include "overview/csv_export.h"
#include "overview/grid_druck.h"
#include "overview/kisu_zeilen.h"
#include "overview/uebersicht_spalten.h"
#include "overview/uebersicht_frm.h"
#include "overview/uebersicht_texte.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/services/form_store.h"
#include "platform/services/orv_info.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/tree_view.h"
#include "support/suite_fixture.h"
#include "uebersicht_daten.h"

class UebersichtTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // Cells, totals row, visible columns, the tabs of a customer and of the totals row.
    void listShowsCustomersTotalsAndFormats() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QCOMPARE(frm.windowTitle(), QStringLiteral("Kundeninformation Übersichtsliste - M1"));
        QCOMPARE(Namen(frm), QStringList({"<3 Kunden>", "Adler", "Bauer", "Zander"}));
        QCOMPARE(Zelle(frm, 0, "SELUMSATZ"), QStringLiteral("173,99"));
        QCOMPARE(Zelle(frm, 0, "SELMENGE"), QStringLiteral("4"));
        QCOMPARE(Zelle(frm, 1, "SELUMSATZ"), QStringLiteral("123,99"));
        QCOMPARE(Zelle(frm, 1, "SELMENGE"), QStringLiteral("3"));
        QCOMPARE(Zelle(frm, 1, "KREDIT"), QStringLiteral("0,00"));  // 50 - 50
        QCOMPARE(Zelle(frm, 1, "A-RECHNUNG"), QString());         // both 0
        QCOMPARE(Zelle(frm, 1, "BONUSKASSE"), QStringLiteral("5,00"));
        QCOMPARE(Zelle(frm, 2, "BONUS"), QStringLiteral("-12,50"));
        QCOMPARE(Zelle(frm, 3, "SELUMSATZ"), QString());
        QCOMPARE(Zelle(frm, 3, "SELMENGE"), QString());
        QCOMPARE(Zelle(frm, 3, "KUNDE"), QStringLiteral("0/4711"));
        QVERIFY(frm.grdKISU->IsColumnVisible("SELUMSATZ"));
        QVERIFY(!frm.grdKISU->IsColumnVisible("GESUMSATZ"));
        QVERIFY(!frm.grdKISU->IsColumnVisible("BONUSNEU"));
        QVERIFY(!frm.grdKISU->IsColumnVisible("BONUSABG"));
        QVERIFY(!frm.grdKISU->IsColumnVisible("KUNDE"));

        // The first customer is selected; the totals row hides the customer tabs.
        QCOMPARE(frm.AktGepNr(), d.adler);
        QVERIFY(TabSichtbar(frm, frm.tshKundeOP) && TabSichtbar(frm, frm.tshKundeBonus));
        QVERIFY(frm.btnKundeBearbeiten->isEnabled());
        frm.pgcKunde->setCurrentWidget(frm.tshKundeBonus);
        frm.grdKISU->SelectRow(0);
        QCOMPARE(frm.AktGepNr(), TIntPair());
        QCOMPARE(frm.pgcKunde->currentWidget(), frm.tshUebersicht);
        QVERIFY(!TabSichtbar(frm, frm.tshKundeOP) && !TabSichtbar(frm, frm.tshKundeBonus));
        QVERIFY(TabSichtbar(frm, frm.tshKundeUmsatz));
        QVERIFY(!frm.btnKundeBearbeiten->isEnabled());
        // A customer whose left key half is 0 is a customer.
        frm.grdKISU->SelectRow(3);
        QCOMPARE(frm.AktGepNr(), d.zander);
        QVERIFY(TabSichtbar(frm, frm.tshKundeOP));
    }

    void totalsColumnsAndBonusModeAndAnEmptyResult() {
        SuiteFixture leer;  // no customer at all
        TDM dm({});
        dm.KIFilter->FGesSumBuild = true;
        dm.KIFilter->FOPBonusAbg = true;
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.SetModus(TSelektionFrmModus::smBonusSelektion);
        frm.show();
        QCOMPARE(frm.windowTitle(), QStringLiteral("Bonusberechnung Übersichtsliste - M1"));
        QCOMPARE(frm.pgcKunde->indexOf(frm.tshKundeBonus), 2);
        QVERIFY(frm.grdKISU->IsColumnVisible("GESUMSATZ"));
        QVERIFY(frm.grdKISU->IsColumnVisible("BONUSNEU"));
        QVERIFY(frm.grdKISU->IsColumnVisible("BONUSABG"));
        QCOMPARE(Namen(frm), QStringList({"<0 Kunden>"}));
        QCOMPARE(frm.AktGepNr(), TIntPair());
        QVERIFY(!TabSichtbar(frm, frm.tshKundeOP) && !TabSichtbar(frm, frm.tshKundeBonus));
        frm.hide();
        frm.SetModus(TSelektionFrmModus::smKundeninfoSelektion);
        frm.show();
        QCOMPARE(frm.pgcKunde->indexOf(frm.tshKundeBonus), 3);
    }

    // The five orders come from the file's indexes; Page Down walks and rebuilds the page.
    void sortingAndNavigation() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QVERIFY(frm.actSortierung[0]->isChecked());
        frm.Sortierung(1);  // selected turnover
        QVERIFY(frm.actSortierung[1]->isChecked() && !frm.actSortierung[0]->isChecked());
        QCOMPARE(Namen(frm), QStringList({"<3 Kunden>", "Zander", "Bauer", "Adler"}));
        QCOMPARE(frm.AktGepNr(), d.zander);

        frm.pgcKunde->setCurrentWidget(frm.tshKundeUmsatz);
        QTest::keyClick(&frm, Qt::Key_PageDown);
        QCOMPARE(frm.AktGepNr(), d.bauer);
        QCOMPARE(frm.mdlKIVKBons->RowCount(), 2);  // "<alle>" and the invoice
        QCOMPARE(frm.mdlKIVKBons->DisplayText(0, 0), QStringLiteral("<alle>"));
        QCOMPARE(frm.mdlKIVKBons->DisplayText(1, 0), QStringLiteral("Rechnung 555-2"));
        QTest::keyClick(&frm, Qt::Key_PageDown);
        QCOMPARE(frm.AktGepNr(), d.adler);
        QCOMPARE(frm.mdlKIVKBons->DisplayText(1, 0), QStringLiteral("Bon 4711-1"));
        QTest::keyClick(&frm, Qt::Key_PageDown);  // already at the end
        QCOMPARE(frm.AktGepNr(), d.adler);
        QTest::keyClick(&frm, Qt::Key_PageUp);
        QCOMPARE(frm.AktGepNr(), d.bauer);

        // Esc goes back to the list first, then closes the window.
        QTest::keyClick(&frm, Qt::Key_Escape);
        QVERIFY(frm.isVisible());
        QCOMPARE(frm.pgcKunde->currentWidget(), frm.tshUebersicht);
        QTest::keyClick(&frm, Qt::Key_Escape);
        QVERIFY(!frm.isVisible());
        QCOMPARE(frm.result(), int(QDialog::Rejected));
    }

    // A long list is read as the grid asks for it: moving past the rows read so far reads on,
    // and only a column without an index makes the grid read everything.
    void longListsAreReadOnDemand() {
        SuiteFixture f;
        const int n = 300;
        for (int i = 1; i <= n; ++i) {
            const TIntPair k = f.Kunde(i, "Kunde" + std::to_string(1000 + i));
            Pos p;
            p.ist = 1000 - i;  // the later the customer, the lower his turnover
            f.Beleg(k, 1, i, SuiteFixture::D(2024, 4, 1), {p});
        }
        f.OffenerPosten({5, 0}, "BONUS", "O", SuiteFixture::D(2024, 4, 2), 0, 3);
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(frm.GeleseneZeilen() < n);
        frm.Sortierung(1);  // lowest turnover first: customer 300
        QCOMPARE(frm.AktGepNr(), TIntPair(n, 0));
        QVERIFY(frm.GeleseneZeilen() < n);
        const int gelesen = frm.GeleseneZeilen();
        frm.grdKISU->SelectRow(gelesen - 1);
        frm.SelektNext();
        QCOMPARE(frm.AktGepNr(), TIntPair(n - gelesen + 1, 0));
        QVERIFY(frm.GeleseneZeilen() > gelesen);

        // Sorting by the open-item column reads all rows; the totals row stays on top.
        frm.grdKISU->horizontalHeader()->sectionClicked(frm.mdlKISU->ColumnIndex("BONUS"));
        QCOMPARE(frm.GeleseneZeilen(), n + 1);
        QCOMPARE(Zelle(frm, frm.grdKISU->SourceRowAt(0), "NAME"), QStringLiteral("<300 Kunden>"));
        QCOMPARE(Zelle(frm, frm.grdKISU->SourceRowAt(n), "BONUS"), QStringLiteral("-3,00"));  // empty cells first
    }

    // Documents and positions of a customer; "<alle>" shows all his positions.
    void salesPageDocumentsAndPositions() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        frm.pgcKunde->setCurrentWidget(frm.tshKundeUmsatz);
        QCOMPARE(frm.grdKIVKBons->CurrentRow(), 1);
        QCOMPARE(frm.mdlKIVKBons->DisplayText(1, 2).trimmed(), QStringLiteral("123,99"));
        QCOMPARE(frm.mdlKIVKUmsatzArtikel->RowCount(), 2);
        QCOMPARE(frm.mdlKIVKUmsatzArtikel->DisplayText(0, 0), QStringLiteral("1-2-3"));
        QCOMPARE(frm.mdlKIVKUmsatzArtikel->Value(1, "ISTVK").toDouble(), 23.99);
        QVERIFY(frm.imgArtikel->text().startsWith(QStringLiteral("1-2-3")));
        frm.grdKIVKBons->SelectRow(0);
        QCOMPARE(frm.mdlKIVKUmsatzArtikel->RowCount(), 2);
        // Leaving the page lets go of both grids.
        frm.pgcKunde->setCurrentWidget(frm.tshUebersicht);
        QCOMPARE(frm.mdlKIVKBons->RowCount(), 0);
        QCOMPARE(frm.mdlKIVKUmsatzArtikel->RowCount(), 0);
    }

    void openItemTree() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        frm.pgcKunde->setCurrentWidget(frm.tshKundeOP);
        QCOMPARE(frm.tvOP->topLevelItemCount(), 2);
        QTreeWidgetItem* top = frm.tvOP->topLevelItem(0);
        QCOMPARE(top->text(0), QStringLiteral("Summe Rechnung") + QString(7 + 5, ' ') + QStringLiteral("0,00"));
        QCOMPARE(TORVTreeView::ImageIndex(top), 4);
        QTreeWidgetItem* kredit = frm.tvOP->topLevelItem(1);
        QCOMPARE(kredit->text(0), QStringLiteral("Summe Kredit") + QString(9 + 5, ' ') + QStringLiteral("0,00"));
        QCOMPARE(kredit->childCount(), 1);
        QCOMPARE(kredit->child(0)->text(0), QStringLiteral("01.02.2024:      0,00"));
        QCOMPARE(TORVTreeView::ImageIndex(kredit->child(0)), 1);
        QCOMPARE(frm.tvOP->font().family(), QFont(QStringLiteral("Courier New")).family());
    }

    void bonusPageTreeAndDetailsToggle() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QVERIFY(!frm.btnExpand->isVisible());
        frm.pgcKunde->setCurrentWidget(frm.tshKundeBonus);
        QVERIFY(frm.btnExpand->isVisible());
        QVERIFY(!frm.lblWertNeu->isVisible());
        QCOMPARE(frm.lblWert->text(), QStringLiteral("123,99"));
        QCOMPARE(frm.lblBonus->text(), QStringLiteral("5,00"));
        QCOMPARE(frm.tvBonus->topLevelItemCount(), 1);
        QTreeWidgetItem* top = frm.tvBonus->topLevelItem(0);
        QCOMPARE(top->text(0), QStringLiteral("Bonus:    5,00 [9-100-1]"));
        QCOMPARE(TORVTreeView::ImageIndex(top), 4);
        QCOMPARE(top->child(0)->text(0), QStringLiteral("Bon 1-4711, 20.03.2024"));
        QCOMPARE(TORVTreeView::ImageIndex(top->child(0)), 1);
        QCOMPARE(top->child(0)->child(0)->text(0), QStringLiteral("Wert    123,99 -> Bonus      5,00"));
        QVERIFY(top->isExpanded());

        QTest::keyClick(&frm, Qt::Key_F6);
        QVERIFY(!top->isExpanded());
        QCOMPARE(frm.btnExpand->text(), QStringLiteral("Details ein - F6"));
        QCOMPARE(frm.actDetails->text(), QStringLiteral("Details ein"));
        QTest::keyClick(&frm, Qt::Key_F6);
        QVERIFY(top->isExpanded());
        QCOMPARE(frm.btnExpand->text(), QStringLiteral("Details aus - F6"));

        // Enter on the receipt of the bonus shows that document.
        frm.tvBonus->setCurrentItem(top->child(0));
        QTest::keyClick(&frm, Qt::Key_Return);
        QVERIFY(frm.BelegInfo && frm.BelegInfo->isVisible());
        QVERIFY(frm.BelegInfo->lblKopf->text().startsWith(QStringLiteral("Beleg BO 4711-1")));
    }

    // A checked column fills its data once per opening; a failed fill would count as not done.
    // The layout of the eight columns is stored on hiding and read back on showing.
    void optionalColumnsFillOnceAndLayoutStore() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        frm.pgcKunde->setCurrentWidget(frm.tshKundeUmsatz);
        frm.OptionaleSpalteClick(4, true);  // "Merkmal 3 anzeigen"
        QVERIFY(frm.actSpalte[4]->isChecked());
        QVERIFY(frm.grdKIVKUmsatzArtikel->IsColumnVisible("MERKMAL3"));
        QCOMPARE(frm.grdKIVKUmsatzArtikel->ColumnWidth("MERKMAL3"), 144);
        QCOMPARE(frm.mdlKIVKUmsatzArtikel->Value(0, "MERKMAL3").toString(), QStringLiteral("Baumwolle"));
        // Changed master data after the fill: checking again does not fill again.
        d.f.Db().Exec("UPDATE ARTIKEL SET MERKMAL3 = 'Leinen'");
        frm.OptionaleSpalteClick(4, false);
        QVERIFY(!frm.grdKIVKUmsatzArtikel->IsColumnVisible("MERKMAL3"));
        frm.OptionaleSpalteClick(4, true);
        QCOMPARE(frm.mdlKIVKUmsatzArtikel->Value(0, "MERKMAL3").toString(), QStringLiteral("Baumwolle"));
        frm.OptionaleSpalteClick(0, true);  // supplier
        QCOMPARE(frm.mdlKIVKUmsatzArtikel->Value(0, "LIEFERANT").toString().isEmpty(), false);
        frm.hide();

        // Shown again: both columns come back with their widths.
        frm.show();
        QVERIFY(frm.actSpalte[4]->isChecked() && frm.actSpalte[0]->isChecked());
        QVERIFY(!frm.actSpalte[1]->isChecked());
        QVERIFY(frm.grdKIVKUmsatzArtikel->IsColumnVisible("MERKMAL3"));
        frm.hide();

        // A stored layout of fewer than eight lines is ignored.
        kis::services::FormStore store({"MEROVA", "DEU", "KUNDUMSA", "0"});
        store.Store("0001", {{"grdKIVKUmsatzArtikel.Spalten", "1;80\n1;80\n1;80"}});
        frm.show();
        for (QAction* a : frm.actSpalte) QVERIFY(!a->isChecked());
        QVERIFY(!frm.grdKIVKUmsatzArtikel->IsColumnVisible("LIEFERANT"));
    }

    // A fill that fails leaves the columns empty and is not done: the next check fills them.
    void aFailedFillIsNotDone() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        frm.pgcKunde->setCurrentWidget(frm.tshKundeUmsatz);
        d.f.Db().Exec("ALTER TABLE ARTIKEL RENAME TO ARTIKEL_WEG");
        TArtikelTools::CacheLeeren();
        frm.OptionaleSpalteClick(4, true);
        QCOMPARE(frm.mdlKIVKUmsatzArtikel->Value(0, "MERKMAL3").toString(), QString());
        d.f.Db().Exec("ALTER TABLE ARTIKEL_WEG RENAME TO ARTIKEL");
        TArtikelTools::CacheLeeren();
        frm.OptionaleSpalteClick(4, false);
        frm.OptionaleSpalteClick(4, true);
        QCOMPARE(frm.mdlKIVKUmsatzArtikel->Value(0, "MERKMAL3").toString(), QStringLiteral("Baumwolle"));
    }

    // Unattended bonus mode: the booking for all customers runs at once and the program ends
    // with its status (nothing to book here: success).
    void unattendedBonusModeBooksAllAndEnds() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        dm.AutoBGModus = true;
        TUebersichtFrm frm;
        int status = -1;
        QString text;
        frm.AnwendungBeenden = [&](int s, const QString& t) {
            status = s;
            text = t;
        };
        frm.SetModus(TSelektionFrmModus::smBonusSelektion);
        frm.show();
        QTRY_COMPARE(status, 0);
        QVERIFY(!frm.isVisible());
        QVERIFY(text.contains(QStringLiteral("abgeschlossen")));
    }
};

QTEST_MAIN(UebersichtTest)
#include "uebersicht_test.moc"
