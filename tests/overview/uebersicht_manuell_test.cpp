#include <QAction>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "app/app_fixture.h"
#include "app/dm.h"
#include "bonus/bonus_man_eing.h"
#include "overview/uebersicht_frm.h"
#include "platform/services/orv_info.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/progress_dialog.h"
#include "support/manuelle_boni.h"
#include "uebersicht_daten.h"

using kis::test::ManuelleBoni;
using kis::testing::WhenShown;

namespace {

// Answers the grant dialog with a bonus of the amount (or cancels it).
void BonusEingeben(const QString& betrag, bool abbrechen = false) {
    WhenShown<Tfrmbonusmaneing>([betrag, abbrechen](Tfrmbonusmaneing* d) {
        if (abbrechen) {
            d->reject();
            return;
        }
        d->edtBetrag->SetText(betrag);
        d->btnBuchenClick();
    });
}

}  // namespace

class UebersichtManuellTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ORVInfo().ClearEntries();
        ORVInfo().SetProcessMessagesHook(nullptr);
    }

    // F2 grants a bonus to the selected customer in all its places; the customer stays
    // selected. A cancelled dialog books nothing; the totals row books nothing.
    void selectedCustomerIsBookedInAllPlaces() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        frm.grdKISU->SelectRow(2);
        QCOMPARE(frm.AktGepNr(), d.bauer);

        BonusEingeben(QStringLiteral("7,50"));
        QTest::keyClick(&frm, Qt::Key_F2);
        const auto boni = ManuelleBoni(d.f.Db());
        QCOMPARE(boni.size(), size_t(1));
        QCOMPARE(boni[0].kunde, d.bauer);
        QCOMPARE(QString::fromStdString(boni[0].programmId), QStringLiteral("BONUSMANU"));
        QCOMPARE(boni[0].wert, 7.5);
        QCOMPARE(QString::fromStdString(boni[0].opTabelle), QStringLiteral("BONUS"));
        QCOMPARE(boni[0].opBetrag2, 7.5);
        QCOMPARE(QString::fromStdString(boni[0].dienstStatus), QStringLiteral("O"));
        QCOMPARE(frm.AktGepNr(), d.bauer);
        // Bauer's bonus column now shows the open bonus of 12,50 plus 7,50.
        QCOMPARE(Zelle(frm, 2, "BONUS"), QStringLiteral("-20,00"));

        BonusEingeben(QString(), true);
        QVERIFY(!frm.BONUBucheManuellClick());
        frm.grdKISU->SelectRow(0);
        QVERIFY(!frm.BONUBucheManuellClick());
        QCOMPARE(ManuelleBoni(d.f.Db()).size(), size_t(1));
    }

    // Ctrl+F2 books a copy for every listed customer, each in its own booking; the totals
    // record is nobody.
    void allCustomersAreBooked() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        BonusEingeben(QStringLiteral("5,00"));
        QTest::keyClick(&frm, Qt::Key_F2, Qt::ControlModifier);
        const auto boni = ManuelleBoni(d.f.Db());
        QCOMPARE(boni.size(), size_t(3));
        QCOMPARE(boni[0].kunde, d.zander);
        QCOMPARE(boni[1].kunde, d.adler);
        QCOMPARE(boni[2].kunde, d.bauer);
        for (const auto& b : boni) {
            QCOMPARE(b.wert, 5.0);
            QCOMPARE(b.opBetrag2, 5.0);
            QCOMPARE(QString::fromStdString(b.dienstStatus), QStringLiteral("O"));
        }
        QCOMPARE(kis::test::Buchungen(d.f.Db(), kBuchungManuellerBonus), 3);
        QVERIFY(!dm.prgDlg->IsShowing());
        QVERIFY(frm.isEnabled());
    }

    // The progress dialog's abort stops the run: nothing after it is booked, and the run
    // does not report success.
    void abortStopsTheRun() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        ORVInfo().SetProcessMessagesHook([&dm] { dm.prgDlg->Abort(); });
        BonusEingeben(QStringLiteral("5,00"));
        QVERIFY(!frm.BONUBucheManuellAlleClick());
        QVERIFY(ManuelleBoni(d.f.Db()).empty());
        QVERIFY(!dm.prgDlg->IsShowing());
        QCOMPARE(dm.prgDlg->Caption(), QStringLiteral("Buchung läuft ..."));
    }

    // The bonus page's button grants to the customer shown.
    void bonusPageButton() {
        Daten d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        frm.pgcKunde->setCurrentWidget(frm.tshKundeBonus);
        QVERIFY(frm.btnBONUManuell->isEnabled());
        BonusEingeben(QStringLiteral("1,00"));
        frm.btnBONUManuell->click();
        const auto boni = ManuelleBoni(d.f.Db());
        QCOMPARE(boni.size(), size_t(1));
        QCOMPARE(boni[0].kunde, d.adler);
        QCOMPARE(frm.pgcKunde->currentWidget(), frm.tshKundeBonus);
    }
};

QTEST_MAIN(UebersichtManuellTest)
#include "uebersicht_manuell_test.moc"
