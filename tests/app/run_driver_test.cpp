#include <QtTest>

#include "app/dm.h"
#include "app_fixture.h"
#include "engine/merova_filter.h"
#include "engine/merova_query.h"
#include "platform/store/work_files.h"
#include "platform/ui/progress_dialog.h"

using kis::testing::AppDb;

class RunDriverTest : public QObject {
    Q_OBJECT

    QTemporaryDir work_;

private slots:
    void initTestCase() { kis::store::SetWorkDir(work_.path().toStdString()); }

    void abortBeforeAnyRunOnlyClearsTheFlag() {
        AppDb db;
        TDM dm({});
        QVERIFY(!dm.KIQuery);
        QVERIFY(dm.KIFilter);
        dm.PrgDlgActive = true;
        dm.prgDlgAbort();
        QVERIFY(!dm.PrgDlgActive);
        QVERIFY(!dm.KIQuery);
    }

    void evaluationRunShowsAndClosesTheDialog() {
        AppDb db;
        ORVProgramm().SetAktMandant({1, 0});
        db.Kunde("Meier", "", "Eva");
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        QVERIFY(dm.KIQuery);
        QVERIFY(!dm.prgDlg->IsShowing());
        QVERIFY(dm.prgDlg->AbortVisible());
        QCOMPARE(dm.couAnzVkPos->Caption(), QStringLiteral("Gelesene Verkäufe"));
        // The engine is reused by the next run, and an abort now also stops it.
        TMerovaQuery* engine = dm.KIQuery.get();
        QVERIFY(dm.ExecuteKIQuery());
        QCOMPARE(dm.KIQuery.get(), engine);
        dm.KIQuery->SetActive(true);
        dm.prgDlgAbort();
        QVERIFY(!dm.KIQuery->Active());
    }

    void aFailedRunAnswersFalseAndSaysWhy() {
        AppDb db;
        ORVProgramm().SetAktMandant({1, 0});
        db.Kunde("Meier", "", "Eva");
        kis::store::SuiteDb().Exec("ALTER TABLE KULI RENAME TO KULI_DATEN");
        kis::store::SuiteDb().Exec(
            "CREATE VIEW KULI AS SELECT * FROM KULI_DATEN WHERE abs(-9223372036854775807 - 1)");
        TDM dm({});
        QVERIFY(!dm.ExecuteKIQuery());
        QVERIFY(!dm.prgDlg->IsShowing());
        QVERIFY(QString::fromStdString(dm.KIQuery->Fehler()).contains("DoGet_KULI_First"));
        bool gemeldet = false;
        for (const auto& e : ORVInfo().Entries())
            if (e.kind == kis::services::InfoEntry::Kind::Box &&
                QString::fromStdString(e.message).contains("fehlgeschlagen"))
                gemeldet = true;
        QVERIFY(gemeldet);
    }

    void aBonusRunWhoseProgrammeIsMissingFails() {
        AppDb db;
        ORVProgramm().SetAktMandant({1, 0});
        db.Kunde("Meier", "", "Eva");
        TDM dm({});
        dm.KIModus = TSelektionFrmModus::smBonusSelektion;
        dm.BonusKennung = "BONUSUMSA";
        dm.BonusName = "Gibt es nicht";
        QVERIFY(!dm.ExecuteKIQuery());
        QVERIFY(QString::fromStdString(dm.KIQuery->Fehler()).contains("Gibt es nicht"));
        QVERIFY(!dm.prgDlg->IsShowing());
        // A serial-letter selection in the same mode evaluates only: no generation to fail.
        QVERIFY(dm.ExecuteSBQuery(true));
    }

    void automaticModeHasNoAbortButton() {
        AppDb db;
        TDM dm({"-ABG"});
        QVERIFY(dm.ExecuteSBQuery(false));
        QVERIFY(!dm.prgDlg->AbortVisible());
        QVERIFY(dm.ExecuteKIQueryFillKIVKLieferant());
        QVERIFY(!dm.prgDlg->AbortVisible());
        QVERIFY(!dm.prgDlg->IsShowing());
    }

    void serialLetterRunCountsSelectedCustomers() {
        AppDb db;
        TDM dm({});
        QVERIFY(dm.ExecuteSBQuery(true));
        QCOMPARE(dm.couAnzVkPos->Caption(), QStringLiteral("Selektierte Kunden"));
        QVERIFY(dm.KIQuery->OnGepSelektiert && dm.KIQuery->OnGepGelesen);
        QVERIFY(!dm.KIQuery->OnLSTGelesen && !dm.KIQuery->OnLFNRGelesen && !dm.KIQuery->OnKIVKGelesen);
        dm.KIQuery->OnGepGelesen({1, 0}, "Meier, Eva");
        dm.KIQuery->OnGepSelektiert({1, 0}, "Meier, Eva");
        dm.KIQuery->OnGepGelesen({2, 0}, "Bauer, Ute");
        QCOMPARE(dm.couKundeName->Text(), QStringLiteral("Bauer, Ute"));
        QCOMPARE(dm.couAnzKunde->Value(), 2);
        QCOMPARE(dm.couAnzVkPos->Value(), 1);

        // An evaluation run resets the counters and counts positions under its own caption.
        QVERIFY(dm.ExecuteKIQuery());
        QCOMPARE(dm.couAnzVkPos->Caption(), QStringLiteral("Gelesene Verkäufe"));
        QVERIFY(!dm.KIQuery->OnGepSelektiert && dm.KIQuery->OnLSTGelesen);
        dm.KIQuery->OnLSTGelesen();
        QCOMPARE(dm.couAnzVkPos->Value(), 1);
        QCOMPARE(dm.couAnzKunde->Value(), 0);
    }

    void fillRunsCaptionAndCounters() {
        AppDb db;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        QVERIFY(dm.ExecuteKIQueryFillKIVKMerkmale());
        QCOMPARE(dm.prgDlg->Caption(), QStringLiteral("Nachladen Merkmale ..."));
        QCOMPARE(dm.couKundeName->Caption(), QString());
        QCOMPARE(dm.couAnzKunde->Caption(), QString());
        QVERIFY(dm.KIQuery->OnKIVKGelesen && !dm.KIQuery->OnLSTGelesen);
        // The next evaluation has its own caption again.
        QVERIFY(dm.ExecuteKIQuery());
        QCOMPARE(dm.prgDlg->Caption(), QStringLiteral("Auswertung läuft ..."));
        QCOMPARE(dm.couAnzKunde->Caption(), QStringLiteral("Gelesene Kunden"));
    }
};

QTEST_MAIN(RunDriverTest)
#include "run_driver_test.moc"
