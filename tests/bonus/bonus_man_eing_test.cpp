#include <QtTest>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "app/app_fixture.h"
#include "app/dm.h"
#include "bonus/bonus_man_eing.h"
#include "bonus/radio_gruppe.h"
#include "platform/services/orv_utils.h"
#include "platform/ui/german_format.h"
#include "platform/ui/mask_edit.h"

using kis::testing::AppDb;
using P = Tfrmbonusmaneing::TPruefung;

namespace {

TQEL_ManuellerBonus Bonus(long double betrag, TDateTime gueltig = 0, long double mindest = 0) {
    TQEL_ManuellerBonus b;
    b.Art = 0;
    b.Betrag = betrag;
    b.GueltigBis = gueltig;
    b.MindestVerkaufswert = mindest;
    return b;
}

TQEL_ManuellerBonus Coupon(long double prozent) {
    TQEL_ManuellerBonus b;
    b.Art = 1;
    b.Prozent = prozent;
    return b;
}

QString Datum(TDateTime d) {
    return kis::ui::DateToDigits(kis::ui::ToQDate(d));
}

}  // namespace

class BonusManEingTest : public QObject {
    Q_OBJECT

private slots:
    // The checks at their bounds: cents rounded half to even, percent 0.005..99.995, the
    // validity date against today, unknown coupon types.
    void checksAtTheirBounds() {
        const TDateTime heute = kis::date::EncodeDate(2025, 6, 10);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Bonus(0), false, heute, false), P::Betrag);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Bonus(0.005L), false, heute, false), P::Betrag);  // 0,5 ct -> 0
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Bonus(0.01L), false, heute, false), P::Ok);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Bonus(5, 0, -1), false, heute, false), P::Mindestverkaufswert);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Bonus(5, heute - 1), false, heute, false), P::GueltigBis);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Bonus(5, heute), false, heute + 0.75, false), P::Ok);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Bonus(5, 0), false, heute, false), P::Ok);
        // Text in the date field that is no date is refused, never taken as "unlimited".
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Bonus(5, 0), true, heute, false), P::GueltigBis);

        QCOMPARE(Tfrmbonusmaneing::Pruefen(Coupon(0), false, heute, true), P::Prozent);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Coupon(0.004L), false, heute, true), P::Prozent);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Coupon(0.01L), false, heute, true), P::Ok);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Coupon(99.99L), false, heute, true), P::Ok);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Coupon(99.996L), false, heute, true), P::Prozent);
        QCOMPARE(Tfrmbonusmaneing::Pruefen(Coupon(10), false, heute, false), P::RabattscheinTyp);
    }

    // The dialog fills the grant record from its fields and refuses with the focus on the
    // field to correct; the layout follows the kind and the customer row.
    void dialogFillsTheGrantAndFocusesTheRefusedField() {
        AppDb db;
        ORVProgramm().SetAktMandant({1, 0});
        db.Konto({1, 0}, "4711", "Treuebonus", 140);
        db.Zahlungsmittel(3, "RS10", "Rabattschein 10 %", 2, 1);
        db.Zahlungsmittel(5, "GS", "Gutschein", 1, 0);
        const TIntPair kunde = db.Kunde("Meier", "", "Eva");
        TDM dm({});
        Tfrmbonusmaneing dlg(nullptr, &dm);
        QCOMPARE(Tfrmbonusmaneing::Instanz(), &dlg);
        dlg.FKundenAuswahl = true;
        dlg.FKunde = kunde;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QVERIFY(dlg.windowTitle().startsWith(QStringLiteral("Bonus manuell vergeben - ")));
        QCOMPARE(dlg.edtKunde->text(), QStringLiteral("Meier, Eva"));
        QVERIFY(dlg.pnlKunde->isVisible() && dlg.pnlBetrag->isVisible() && dlg.pnlKonto->isVisible());
        QVERIFY(!dlg.pnlRSProzent->isVisible() && !dlg.pnlRabattscheinTyp->isVisible());
        QCOMPARE(dlg.lblWaehrungBetrag->text(), QStringLiteral("EUR"));
        QCOMPARE(dlg.cmbRabattscheinTyp->count(), 1);  // only payment means of class 2

        // Empty amount: refused, focus on the amount.
        dlg.edtBetrag->SetText(QString());
        dlg.btnBuchenClick();
        QCOMPARE(dlg.LetztePruefung(), P::Betrag);
        QVERIFY(dlg.isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dlg.edtBetrag));
        // Yesterday: refused on the date.
        dlg.edtBetrag->SetText(QStringLiteral("12,50"));
        dlg.edtBisGueltigDatum->SetText(Datum(orv_Date() - 1));
        dlg.btnBuchenClick();
        QCOMPARE(dlg.LetztePruefung(), P::GueltigBis);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dlg.edtBisGueltigDatum));
        // Today, minimum sales value empty: accepted.
        dlg.edtBisGueltigDatum->SetText(Datum(orv_Date()));
        dlg.btnBuchenClick();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.isVisible());
        const TQEL_ManuellerBonus& b = dlg.FManuellerBonus;
        QCOMPARE(b.Art, 0);
        QCOMPARE(b.Kunde, kunde);
        QCOMPARE(double(b.Betrag), 12.5);
        QCOMPARE(double(b.MindestVerkaufswert), 0.0);
        QCOMPARE(b.GueltigBis, orv_Date());
        QCOMPARE(QString::fromStdString(b.Konto), QStringLiteral("4711"));

        // Coupon, without the customer row: percent 0 refused, 10 % accepted with the type.
        dlg.FKundenAuswahl = false;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(dlg.edtBetrag->Text(), QStringLiteral("12,50"));  // kept by the form store
        dlg.rgrpBonusArt->SetItemIndex(1);
        dlg.ArtSet(1);
        QVERIFY(!dlg.pnlKunde->isVisible() && !dlg.pnlBetrag->isVisible());
        QVERIFY(dlg.pnlRSProzent->isVisible() && dlg.pnlRabattscheinTyp->isVisible());
        dlg.btnBuchenClick();
        QCOMPARE(dlg.LetztePruefung(), P::Prozent);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dlg.edtRSProzent));
        dlg.edtRSProzent->SetText(QStringLiteral("10"));
        // A type that was removed meanwhile is refused on the combo.
        db.Db().Exec("DELETE FROM ZAHLUNGSMITTEL WHERE KUERZEL = 'RS10'");
        dlg.btnBuchenClick();
        QCOMPARE(dlg.LetztePruefung(), P::RabattscheinTyp);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dlg.cmbRabattscheinTyp));
        db.Zahlungsmittel(3, "RS10", "Rabattschein 10 %", 2, 1);
        dlg.btnBuchenClick();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.FManuellerBonus.Art, 1);
        QCOMPARE(QString::fromStdString(dlg.FManuellerBonus.RabattscheinTyp), QStringLiteral("RS10"));
        QCOMPARE(double(dlg.FManuellerBonus.Prozent), 10.0);
    }

    // F2 searches a customer and shows the chosen one.
    void customerSearchSetsTheCustomer() {
        AppDb db;
        ORVProgramm().SetAktMandant({1, 0});
        const TIntPair kunde = db.Kunde("Schulz", "", "Jan");
        TDM dm({});
        Tfrmbonusmaneing dlg(nullptr, &dm);
        dlg.OnKundeSuchen = [kunde](TIntPair& k) {
            k = kunde;
            return true;
        };
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTest::keyClick(&dlg, Qt::Key_F2);
        QCOMPARE(dlg.FKunde, kunde);
        QCOMPARE(dlg.edtKunde->text(), QStringLiteral("Schulz, Jan"));
    }
};

QTEST_MAIN(BonusManEingTest)
#include "bonus_man_eing_test.moc"
