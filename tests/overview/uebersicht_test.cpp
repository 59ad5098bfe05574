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

using kis::test::BonusDaten;
using kis::test::Pos;
using kis::test::SuiteFixture;

namespace {

// Three customers: Adler with a receipt of two positions (123,99, quantity 3), Bauer with an
// invoice (50,00), and Zander, whose key 0/4711 has a zero left half, without sales.
struct Daten {
    SuiteFixture f;
    TIntPair adler, bauer, zander{0, 4711};

    Daten() {
        adler = f.Kunde(1, "Adler", "Anna");
        bauer = f.Kunde(2, "Bauer", "Bernd");
        f.Row("GEP", {{"GEPNR", zander}, {"MANDANT", TIntPair(1, 0)}, {"NAME", "Zander"}, {"VORNAME", "Zoë"},
                      {"SUCHNAME", "Zander"}, {"STATUS", "A"}});
        f.KundeInListe(zander, {1, 0});
        f.Lieferant(7, "MUELLER", "Müller Textil");
        f.Artikel({1, 2, 3}, 7, "L-100", "", 0, {"rot", "gross", "Baumwolle"});
        Pos a;
        a.ist = 100.00;
        a.menge = 2;
        a.artikel = {1, 2, 3};
        Pos b;
        b.ist = 23.99;
        b.artikel = {1, 2, 4};
        f.Beleg(adler, 1, 10, SuiteFixture::D(2024, 3, 5), {a, b}, "BO", 4711);
        Pos c;
        c.ist = 50.00;
        f.Beleg(bauer, 2, 11, SuiteFixture::D(2024, 3, 6), {c}, "RG", 555);
        f.OffenerPosten(adler, "KREDIT", "O", SuiteFixture::D(2024, 2, 1), 50.00, 50.00);
        f.OffenerPosten(adler, "A-RECHNUNG", "O", SuiteFixture::D(2024, 2, 2), 0, 0);
        f.OffenerPosten(bauer, "BONUS", "O", SuiteFixture::D(2024, 2, 3), 0, 12.50);
        BonusDaten bonus;
        bonus.rnr = 9;
        bonus.lnr = 100;
        bonus.snr = 1;
        bonus.kunde = adler;
        bonus.status = "A";
        bonus.wert = 5.00;
        bonus.basis = 123.99;
        bonus.datum = SuiteFixture::D(2024, 3, 20);
        bonus.text = "BO   1     4711\n";
        f.GespeicherterBonus(bonus);
    }
};

QString Zelle(TUebersichtFrm& frm, int row, const char* spalte) {
    return frm.mdlKISU->DisplayText(row, frm.mdlKISU->ColumnIndex(QString::fromUtf8(spalte))).trimmed();
}

QStringList Namen(TUebersichtFrm& frm) {
    QStringList out;
    for (int r = 0; r < frm.grdKISU->VisibleRowCount(); ++r) out << Zelle(frm, frm.grdKISU->SourceRowAt(r), "NAME");
    return out;
}

bool TabSichtbar(TUebersichtFrm& frm, QWidget* seite) {
    return frm.pgcKunde->isTabVisible(frm.pgcKunde->indexOf(seite));
}

}  // namespace

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

    // Node texts and pictures for every state a bonus can be in.
    void bonusNodeTextsAndPictures() {
        SuiteFixture f;
        const TIntPair k(5, 0);
        auto bonus = [&](int snr, const char* status, double wert) {
            BonusDaten b;
            b.rnr = 3;
            b.lnr = 8;
            b.snr = snr;
            b.kunde = k;
            b.status = status;
            b.wert = wert;
            b.datum = SuiteFixture::D(2024, 1, 10);
            return b;
        };
        f.GespeicherterBonus(bonus(1, "O", 2.5));
        f.GespeicherterBonus(bonus(2, "A", 3));
        BonusDaten abgelaufen = bonus(3, "O", 4);
        abgelaufen.gueltigBis = SuiteFixture::D(2024, 2, 1);
        f.GespeicherterBonus(abgelaufen);
        BonusDaten kasse = bonus(4, "A", 5);
        kasse.verwendet = "KASSE";
        f.GespeicherterBonus(kasse);
        BonusDaten hand = bonus(5, "A", 6);
        hand.verwendet = "ZURUECKGEZ";
        f.GespeicherterBonus(hand);
        BonusDaten schein = bonus(6, "O", 7);
        schein.programmId = "RSCHEMANU";
        schein.programm = "RS10";
        schein.art = "BM";
        schein.minUmsatz = 50;
        f.GespeicherterBonus(schein);
        BonusDaten neu = bonus(7, "O", 1.25);
        neu.text = "GZ   2      333;" + std::to_string(int(SuiteFixture::D(2024, 1, 9))) + ";25;1.25\n";
        f.TemporaererBonus(neu);

        TBonusTabellen t;
        t.SetHeute(SuiteFixture::D(2024, 6, 1));
        t.UseTMP(1, "BONUSUMSA", "Umsatz");
        t.SetKundeGepNr(k);
        QCOMPARE(t.GetTabCount(), 7);
        using namespace kis::overview;
        const int bilder[7] = {bbNichtAbgeschlossen, bbAbgeschlossen, bbAbgelaufen, bbVerwendet,
                               bbManuellVerwendet, bbNichtAbgeschlossen, bbBonusNeu};
        for (int i = 0; i < 7; ++i) QCOMPARE(BonusKnotenBild(t.GetTabelle(i)), bilder[i]);
        QCOMPARE(BonusKnotenText(t.GetTabelle(0)), std::string("Bonus:    2,50 [3-8-1]"));
        QCOMPARE(BonusKnotenText(t.GetTabelle(5)), std::string("Rabattschein:    7,00 MinVkwert:   50,00 [3-8-6]"));
        QCOMPARE(BonusKnotenText(t.GetTabelle(6)), std::string("Bonus:    1,25 [Neu]"));
        const auto konto = [](const std::string& n) { return "Konto " + n; };
        const std::string zusatz = KontoZusatz(t.GetTabelle(5), konto);
        QCOMPARE(zusatz, std::string(" (Konto RS10)"));
        QCOMPARE(KontoZusatz(t.GetTabelle(0), konto), std::string());
        QCOMPARE(BonusItemText(t.GetTabelle(5), t.GetTabelle(5).GetItem(0), zusatz),
                 std::string("manuell vergebener Rabattschein (Konto RS10), 10.01.2024"));
        const TBonusItem& gutschein = t.GetTabelle(6).GetItem(0);
        QCOMPARE(BonusItemText(t.GetTabelle(6), gutschein, ""), std::string("Gutschein , 09.01.2024"));
        QCOMPARE(BonusItemBild(gutschein), int(bbEintragNeu));
        QCOMPARE(BonusWertText(gutschein), std::string("Wert     25,00 -> Bonus      1,25"));
        QCOMPARE(std::string(BonusBildLegende(bbManuellVerwendet)),
                 std::string("Bonus ist manuell als verwendet gekennzeichnet"));
    }

    void cellAndDocumentTexts() {
        using namespace kis::overview;
        QCOMPARE(BetragOderLeer(0.004), std::string());
        QCOMPARE(BetragOderLeer(-0.005), std::string("    -0,01"));
        QCOMPARE(BetragOderLeer(1234.5), std::string(" 1.234,50"));
        QCOMPARE(MengeOderLeer(0), std::string());
        TOPTabelle kredit;
        kredit.Summe1 = 50;
        kredit.Summe2 = 50;
        QCOMPARE(OPZelle(&kredit), std::string("     0,00"));
        kredit.Summe1 = kredit.Summe2 = 0;
        QCOMPARE(OPZelle(&kredit), std::string());
        QCOMPARE(OPZelle(nullptr), std::string());
        QCOMPARE(OPSummenZelle(std::string("00000012345~00000002345")), std::string("   100,00"));
        QCOMPARE(OPSummenZelle(std::string("00000012399~00000000000")), std::string("   123,99"));
        QCOMPARE(OPSummenZelle(std::string("00000000000~00000000000")), std::string("     0,00"));
        QCOMPARE(OPSummenZelle(std::nullopt), std::string());
        QCOMPARE(SummenName(0), std::string("<0 Kunden>"));
        QCOMPARE(BelegText("BO", 0, 0, 4711, 1), std::string("<alle>"));
        QCOMPARE(BelegText("BO", 1, 10, 4711, 1), std::string("Bon 4711-1"));
        QCOMPARE(BelegText("RG", 2, 11, 555, 2), std::string("Rechnung 555-2"));
        QCOMPARE(BelegText("AUF", 3, 12, 77, 3), std::string("AUF 77-3"));
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

    void exportWritesASpreadsheetFile() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        frm.pgcKunde->setCurrentWidget(frm.tshKundeUmsatz);
        QTemporaryDir dir;
        QString vorschlag = QStringLiteral("-");
        frm.DateiNameFragen = [&](const QString& v) {
            vorschlag = v;
            return dir.filePath(QStringLiteral("positionen.csv"));
        };
        frm.btnExcelExportGridUnten->click();
        QCOMPARE(vorschlag, QStringLiteral("Bon_4711_1"));
        QFile f(dir.filePath(QStringLiteral("positionen.csv")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray erwartet =
            "\xEF\xBB\xBF"
            "Artikelnummer;Größe;IstVk;SollVk;Menge;VkKz;Datum;Filiale;\r\n"
            "1-2-3;000;100,00;100,00;2;0;05.03.2024;1;\r\n"
            "1-2-4;000;23,99;23,99;1;0;05.03.2024;1;\r\n";
        QCOMPARE(f.readAll(), erwartet);
        bool gemeldet = false;
        for (const auto& e : ORVInfo().Entries()) gemeldet |= e.message.find("Export erfolgreich.") != std::string::npos;
        QVERIFY(gemeldet);

        // The documents export proposes no name; the "<alle>" row proposes none either.
        frm.DateiNameFragen = [&](const QString& v) {
            vorschlag = v;
            return dir.filePath(QStringLiteral("belege.csv"));
        };
        frm.btnExcelExportGridOben->click();
        QCOMPARE(vorschlag, QString());
        frm.grdKIVKBons->SelectRow(0);
        frm.btnExcelExportGridUnten->click();
        QCOMPARE(vorschlag, QString());
    }

    void printCoversAllRowsWithTheTotalsRow() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("uebersicht.pdf"));
        frm.DruckVorschau = [&](const std::function<void(QPrinter*)>& zeichnen) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            zeichnen(&printer);
        };
        QTest::keyClick(&frm, Qt::Key_F10);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(4) == "%PDF");
        const TGridDruck druck(*frm.grdKISU, QStringLiteral("Übersicht"), QStringLiteral("M1"));
        QCOMPARE(druck.Kopf().first(), QStringLiteral("Kundenname"));
        QVERIFY(!druck.Kopf().contains(QStringLiteral("Kunde")));
        QCOMPARE(int(druck.Zeilen().size()), 4);
        QCOMPARE(druck.Zeilen()[0].first(), QStringLiteral("<3 Kunden>"));
    }

    // The totals row reads the open-item sums of all customers from "A~B" entries in cents;
    // the new bonus total is empty when it rounds to no cent.
    void totalsRowFromOpenItemSums() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        std::map<std::string, std::string> summen{{"BONUS", "00000012345~00000002345"},
                                                  {"KREDIT", "00000000000~00000000000"},
                                                  {"RSCHEIN", "kaputt~00000000100"}};
        kis::overview::TKisuKontext k;
        k.modus = TSelektionFrmModus::smBonusSelektion;
        k.opSumList = &summen;
        k.bonusSumWert = 0.004L;
        auto quelle = kis::overview::KisuQuelle("SELUMSATZ", k);
        QVariantList summe, erster;
        QVERIFY(quelle->Next(summe));
        QVERIFY(quelle->Next(erster));
        using namespace kis::overview;
        QCOMPARE(summe[ksNAME].toString(), QStringLiteral("<3 Kunden>"));
        QCOMPARE(summe[ksBONUS].toDouble(), 100.0);
        QCOMPARE(summe[ksKREDIT].toDouble(), 0.0);  // shown as "0,00"
        QVERIFY(summe[ksKREDIT].isValid());
        QCOMPARE(summe[ksRSCHEIN].toDouble(), -1.0);  // a bad sum reads as 0
        QVERIFY(!summe[ksAUSWAHL].isValid());         // no entry: empty
        QVERIFY(!summe[ksBONUSNEU].isValid());        // 0,004 rounds to no cent
        QCOMPARE(erster[ksKUNDE].toString(), QStringLiteral("0/4711"));  // lowest turnover first
    }

    // Documents from the sales grid and from open items open the document window; a voucher
    // item opens it on double-click only.
    void documentViews() {
        Daten d;
        d.f.OffenerPosten(d.adler, "A-GUTSCHEI", "O", SuiteFixture::D(2024, 2, 4), 0, 10);
        d.f.Db().Exec("UPDATE OP SET REFTEXT = '0001000004711' WHERE TABELLE = 'A-GUTSCHEI'");
        d.f.Row("LFNR", {{"MANDANT", TIntPair(1, 0)}, {"KUNDE", d.adler}, {"BELEGART", "GS"}, {"BELEGLNR", 1},
                         {"BELEGRNR", 4711}, {"RNR", 1}, {"LNR", 10}, {"DATUM", SuiteFixture::D(2024, 3, 5)}});
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        frm.pgcKunde->setCurrentWidget(frm.tshKundeUmsatz);
        emit frm.grdKIVKBons->RowActivated(1);
        QVERIFY(frm.BelegInfo && frm.BelegInfo->isVisible());
        QVERIFY(frm.BelegInfo->lblKopf->text().startsWith(QStringLiteral("Beleg BO 4711-1 vom 05.03.2024")));
        QCOMPARE(frm.BelegInfo->mdlPositionen->RowCount(), 2);
        frm.BelegInfo->hide();

        frm.pgcKunde->setCurrentWidget(frm.tshKundeOP);
        QTreeWidgetItem* gutscheine = nullptr;
        for (int i = 0; i < frm.tvOP->topLevelItemCount(); ++i)
            if (frm.tvOP->topLevelItem(i)->text(0).contains(QStringLiteral("Gutscheine")))
                gutscheine = frm.tvOP->topLevelItem(i);
        QVERIFY(gutscheine);
        frm.tvOP->setCurrentItem(gutscheine->child(0));
        frm.btnBelegDetail->click();
        QVERIFY(!frm.BelegInfo->isVisible());
        emit frm.tvOP->itemDoubleClicked(gutscheine->child(0), 0);
        QVERIFY(frm.BelegInfo->isVisible());
        QVERIFY(frm.BelegInfo->lblKopf->text().startsWith(QStringLiteral("Beleg GS 4711-1")));

        // A document the index does not have says so.
        TBelegInfoFrm info;
        QVERIFY(!info.Laden(QStringLiteral("RG"), 9, 9));
        QCOMPARE(info.lblKopf->text(), QStringLiteral("Beleg RG 9-9 nicht gefunden."));
    }

    void csvValuesAreQuotedAndNeverFormulas() {
        using kis::overview::CsvZeile;
        QCOMPARE(CsvZeile({" Müller ", "1.234,56", "-12,50"}), QStringLiteral("Müller;1.234,56;-12,50;"));
        QCOMPARE(CsvZeile({"a;b", "sagt \"hallo\"", "zwei\nZeilen"}),
                 QStringLiteral("\"a;b\";\"sagt \"\"hallo\"\"\";\"zwei\nZeilen\";"));
        QCOMPARE(CsvZeile({"=HYPERLINK(1)", "@SUMME", "+49 30", "-"}), QStringLiteral("'=HYPERLINK(1);'@SUMME;'+49 30;'-;"));
        QCOMPARE(CsvZeile({}), QString());
    }

    // Unattended bonus mode: the booking for all customers is not there yet, so the program
    // ends with a failure status and says why.
    void unattendedBonusModeEndsWithFailure() {
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
        QTRY_COMPARE(status, 4);
        QVERIFY(!frm.isVisible());
        QVERIFY(text.contains(QStringLiteral("nicht verfügbar")));
    }
};

QTEST_MAIN(UebersichtTest)
#include "uebersicht_test.moc"
