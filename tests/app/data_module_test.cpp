#include <QComboBox>
#include <QtTest>

#include "app/dm.h"
#include "app/version_dialog.h"
#include "app_fixture.h"
#include "platform/bonus/bonus_mani.h"
#include "platform/partners/gp_merkmal_buchmani.h"
#include "platform/services/catalog_error.h"
#include "platform/store/shared_instance.h"
#include "platform/partners/gp_data.h"
#include "platform/ui/progress_dialog.h"

using kis::testing::AppDb;

class DataModuleTest : public QObject {
    Q_OBJECT

private slots:
    void unknownMandantStopsTheCreation() {
        AppDb db;
        const int before = kis::store::SharedInstance<TGpData>::Count();
        try {
            TDM dm({"-ABG", "-MAND=Filiale Süd"});
            QFAIL("creation must stop");
        } catch (const kis::services::CatalogError& e) {
            QCOMPARE(e.Catalogue(), std::string("STANDARD"));
            QCOMPARE(e.Number(), 991);
            QVERIFY(std::string(e.what()).find("Unbekannter Mandant") != std::string::npos);
            QVERIFY(std::string(e.what()).find("Filiale Süd") != std::string::npos);
        }
        QVERIFY(db.Registered("TDM.CheckMandant"));
        QVERIFY(DM() == nullptr);
        // What the creation took is given back.
        QCOMPARE(kis::store::SharedInstance<TGpData>::Count(), before);
    }

    void switchesAreRead() {
        AppDb db;
        TDM dm({"/mand=nord", "-abg", "-PROG=Bonusprogramm - Prämienpass", "-KUND=Sommer 2024"});
        QCOMPARE(DM(), &dm);
        QCOMPARE(ORVProgramm().GetAktMandant(), TIntPair(2, 0));
        QVERIFY(dm.MandantVorgegeben);
        QVERIFY(dm.AutoBGModus);
        QCOMPARE(dm.AutoBGMaskeProg, QStringLiteral("Bonusprogramm - Prämienpass"));
        QCOMPARE(dm.AutoBGMaskeKund, QStringLiteral("Sommer 2024"));
        TDM plain({"-PROG=x"});
        QVERIFY(!plain.AutoBGModus);
        QVERIFY(plain.AutoBGMaskeProg.isEmpty());  // read in automatic mode only
    }

    void customerNameComposition() {
        AppDb db;
        TDM dm({});
        const TIntPair a = db.Kunde("Müller", "GmbH", "Hans");
        const TIntPair b = db.Kunde("Schmidt", "", "  ");
        const TIntPair c = db.Kunde("Weber", "", "Anna");
        QCOMPARE(dm.GetKundeName(a), QStringLiteral("Müller GmbH, Hans"));
        QCOMPARE(dm.GetKundeName(b), QStringLiteral("Schmidt"));
        QCOMPARE(dm.GetKundeName(c), QStringLiteral("Weber, Anna"));
        QCOMPARE(dm.GetKundeName({999, 0}), QString());
        // A change is seen at once, although the partner data keeps its last record.
        TKundenStamm k = *kis::partners::TCustomerMaster().Lesen(c);
        k.Vorname = "Anne";
        kis::partners::TCustomerMaster().Speichern(k);
        QCOMPARE(dm.GetKundeName(c), QStringLiteral("Weber, Anne"));
    }

    void accountLists() {
        AppDb db;
        db.Konto({1, 0}, "4711", "Treuebonus", 140);
        db.Konto({1, 0}, "4712", "", 142);
        db.Konto({2, 0}, "9000", "Anderer Mandant", 141);
        ORVProgramm().SetAktMandant({1, 0});
        TDM dm({});
        QComboBox list;
        list.addItem("alt", "0");
        dm.Fuelle_Konten(&list);
        QCOMPARE(list.count(), 6);
        QCOMPARE(list.itemText(0), QStringLiteral("Treuebonus"));
        QCOMPARE(list.itemText(1), QStringLiteral("Bonuskonto 2"));  // no account of kind 141 here
        QCOMPARE(list.itemText(2), QStringLiteral("Bonuskonto 3"));  // designation empty
        QCOMPARE(dm.GetKontenKuerzel(&list, 0), QStringLiteral("4711"));
        QCOMPARE(dm.GetKontenKuerzel(&list, 2), QStringLiteral("4712"));
        QCOMPARE(dm.GetKontenKuerzel(&list, 6), QString());
        QCOMPARE(dm.GetKontenKuerzel(&list, -1), QString());
        QCOMPARE(dm.GetKontenIndex(&list, "4712"), 2);
        QCOMPARE(dm.GetKontenIndex(&list, "9000"), -1);
        QCOMPARE(dm.GetKontoBezeichnung("4711"), QStringLiteral("Treuebonus"));
        QCOMPARE(dm.GetKontoBezeichnung("0815"), QStringLiteral("0815"));
        dm.Leere_Konten(&list);
        QCOMPARE(list.count(), 0);
        QCOMPARE(dm.KontoServer_GoC(), dm.KontoServer_GoC());
    }

    void abcAttributeIsCreatedAndBooked() {
        AppDb db;
        TDM dm({});
        const TIntPair k = db.Kunde("Meier", "", "Eva");
        QVERIFY(!dm.SetABC(k, "A", TABCTyp::abcAktuell));  // always answers false
        QVERIFY(!dm.SetABC(k, "C", TABCTyp::abcVergleich));
        QVERIFY(!dm.SetABC(k, "B", TABCTyp::abcAktuell));
        auto* mani = dm.GBMerkmlMani_GoC();
        QCOMPARE(mani->Wert(k, "ABC-Kennzeichen (Aktuell)"), std::string("B"));
        QCOMPARE(mani->Wert(k, "ABC-Kennzeichen (Vergleich)"), std::string("C"));
        QCOMPARE(db.Count("MERKMALDEF"), int64_t(2));
        // An unknown customer books nothing and is registered.
        dm.SetABC({777, 0}, "A", TABCTyp::abcAktuell);
        QVERIFY(db.Registered("TDM.SetABC"));
        QCOMPARE(db.Count("GPMERKMAL"), int64_t(2));
    }

    void manualBonusIsWrittenInOneBooking() {
        AppDb db;
        ORVProgramm().SetAktMandant({1, 0});
        TDM dm({});
        const TIntPair k = db.Kunde("Meier", "", "Eva");
        const int64_t bookings = db.Count("BUCHUNG");
        TQEL_ManuellerBonus g;
        g.Kunde = k;
        g.Betrag = 12.5L;
        g.Konto = "4711";
        QVERIFY(dm.BONUBucheManuell(g));
        TQEL_ManuellerBonus coupon;
        coupon.Art = 1;
        coupon.Kunde = k;
        coupon.Prozent = 10;
        coupon.RabattscheinTyp = "RS10";
        QVERIFY(dm.BONUBucheManuell(coupon));
        QCOMPARE(db.Count("BONUS"), int64_t(2));
        QCOMPARE(db.Count("OP"), int64_t(2));
        QCOMPARE(db.Count("DIENST"), int64_t(2));
        auto& s = db.Db().Cached("SELECT B.PROGRAMMID, B.PROGRAMM, B.ART, B.WERT, O.TABELLE, O.BETRAG2 "
                                 "FROM BONUS B JOIN OP O ON O.RNR = B.RNR AND O.LNR = B.LNR "
                                 "AND O.SNR = B.SNR ORDER BY B.LNR");
        QVERIFY(s.Step());
        QCOMPARE(s.ColumnText(0), std::string("BONUSMANU"));
        QCOMPARE(s.ColumnText(1), std::string("4711"));
        QCOMPARE(s.ColumnText(2), std::string("BM"));
        QCOMPARE(s.ColumnDouble(3), 12.5);
        QCOMPARE(s.ColumnText(4), std::string("BONUS"));
        QCOMPARE(s.ColumnDouble(5), 12.5);
        QVERIFY(s.Step());
        QCOMPARE(s.ColumnText(0), std::string("RSCHEMANU"));
        QCOMPARE(s.ColumnText(1), std::string("RS10"));
        QCOMPARE(s.ColumnText(4), std::string("RSCHEIN"));
        s.Reset();

        // Refused grants write nothing at all.
        TQEL_ManuellerBonus bad = g;
        bad.Betrag = 0.004L;
        QVERIFY(!dm.BONUBucheManuell(bad));
        bad = g;
        bad.Kunde = {4242, 0};
        QVERIFY(!dm.BONUBucheManuell(bad));
        bad = coupon;
        bad.Prozent = 99.996L;
        QVERIFY(!dm.BONUBucheManuell(bad));
        QVERIFY(db.Registered("TDM.BONUBucheManuell"));
        QCOMPARE(db.Count("BONUS"), int64_t(2));
        QCOMPARE(db.Count("OP"), int64_t(2));
        QCOMPARE(db.Count("BUCHUNG"), bookings + 2);  // one per grant booked
    }

    void progressDialogAsDesigned() {
        AppDb db;
        TDM dm({});
        QCOMPARE(dm.prgDlg->Caption(), QStringLiteral("Auswertung läuft ..."));
        QCOMPARE(dm.couKundeName->Caption(), QStringLiteral("Kunde"));
        QCOMPARE(dm.couAnzKunde->Caption(), QStringLiteral("Gelesene Kunden"));
        QCOMPARE(dm.couAnzVkPos->Caption(), QStringLiteral("Gelesene Verkäufe"));
        QVERIFY(dm.couKundeName->GetKind() == TORVProgressCounter::Kind::Text);
        dm.PrgDlgActive = true;
        dm.prgDlg->Show();
        dm.prgDlg->Abort();
        QVERIFY(!dm.PrgDlgActive);
        dm.prgDlg->Close();
    }

    void versionLines() {
        AppDb db;
        const QStringList z = TVersionsanzeige::Zeilen("Kundeninformationssystem");
        QCOMPARE(z.first(), QStringLiteral("Kundeninformationssystem"));
        QVERIFY(z.at(1).startsWith("Version: "));
        QVERIFY(z.filter("Schema-Version: ").size() == 1);
        QVERIFY(z.filter("Datenbank: ").size() == 1);
    }
};

QTEST_MAIN(DataModuleTest)
#include "data_module_test.moc"
