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
#include "uebersicht_daten.h"

class UebersichtAusgabeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

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
};

QTEST_MAIN(UebersichtAusgabeTest)
#include "uebersicht_ausgabe_test.moc"
