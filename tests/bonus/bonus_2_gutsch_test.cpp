#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "bonus/bonus_2_gutsch.h"
#include "platform/bonus/beta_programm.h"
#include "platform/services/orv_info.h"
#include "platform/store/database.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "support/bonus_orte_fixture.h"

using kis::test::BonusOrt;
using kis::test::SuiteFixture;

namespace {

void Speichern(const std::string& typ, const std::string& name, std::vector<std::string> inhalt = {}) {
    TBetaSatz s;
    s.Typ = typ;
    s.Name = name;
    s.Laenge = int(inhalt.size());
    s.WertArt = "P";
    s.Inhalt = std::move(inhalt);
    TBetaStore::Speichern(s, nullptr);
}

// Adler: Sommer 10,00 and 15,00, both open; Bauer: Sommer 8,00 closed. Customer keys 7/0, 8/0.
struct Daten {
    SuiteFixture fx;
    explicit Daten(bool mitRegel = true) {
        Speichern("BONUSUMSA", "Sommer");
        // 10 % up to 20,00, 20 % above.
        if (mitRegel) Speichern("GRUNDTAB", "Staffel", {"20,00=10,00", "9999999,99=20,00"});
        Bonus(1, {7, 0}, 10.00, "O");
        Bonus(2, {7, 0}, 15.00, "O");
        Bonus(3, {8, 0}, 8.00, "A");
    }
    void Bonus(int lnr, TIntPair kunde, double wert, const char* status) {
        BonusOrt b;
        b.daten.rnr = 3;
        b.daten.lnr = lnr;
        b.daten.kunde = kunde;
        b.daten.programm = "Sommer";
        b.daten.wert = wert;
        b.daten.status = status;
        b.daten.datum = SuiteFixture::D(2024, 6, lnr);
        kis::test::BonusInOrten(fx, b);
    }
};

QString Zelle(const TBonus2Gutsch& f, int row, const char* spalte) {
    return f.mdlBoni->DisplayText(row, f.mdlBoni->ColumnIndex(QString::fromLatin1(spalte))).trimmed();
}

void Suche(TBonus2Gutsch& f) {
    if (f.IstVollbild()) f.btnVollbildClick();
    f.cmbBonusTyp->setCurrentIndex(f.cmbBonusTyp->findText(QStringLiteral("Bonusprogramm - Umsatzprämie")));
    f.cmbBonusName->setCurrentIndex(f.cmbBonusName->findText(QStringLiteral("Sommer")));
    f.btnSuchenClick();
}

int Gutscheine(double* betrag = nullptr) {
    auto& s = kis::store::SuiteDb().Cached("SELECT COUNT(*), COALESCE(SUM(BETRAG2), 0) FROM OP WHERE TABELLE = 'A-GUTSCHEI'");
    s.Step();
    const int n = int(s.ColumnInt(0));
    if (betrag) *betrag = s.ColumnDouble(1);
    s.Reset();
    return n;
}

}  // namespace

class Bonus2GutschTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // Grouped: one row per customer with the sums; "übernommen" takes the sum, "berechnet"
    // applies the rule to the sum (20 % of 25,00), not to each bonus (1,00 + 1,50).
    void groupedRowsCarryTheCustomersSumAndVoucherAmount() {
        Daten d;
        TBonus2Gutsch f;
        f.show();
        QVERIFY(f.chbKundeZusammenfassen->isChecked());
        QVERIFY(f.chbBonusOffen->isChecked() && f.chbBonusOffen->isEnabled());
        QVERIFY(f.rbtBetragAusBonusExakt->isChecked());
        QVERIFY(!f.cmbBerechnungsvorschrift->isEnabled());
        Suche(f);
        QCOMPARE(f.mdlBoni->RowCount(), 2);
        QCOMPARE(f.ZeilenSchluessel(0), QStringLiteral("0007000000000SUMM"));
        QCOMPARE(Zelle(f, 0, "DATUM"), QString());
        QCOMPARE(Zelle(f, 0, "BONUS"), QStringLiteral("25,00"));
        QCOMPARE(Zelle(f, 0, "GUTSCHEIN"), QStringLiteral("25,00"));
        QCOMPARE(Zelle(f, 1, "DATUM"), QStringLiteral("03.06.2024"));
        QCOMPARE(Zelle(f, 1, "GUTSCHEIN"), QStringLiteral("8,00"));
        QVERIFY(f.mdlBoni->MarkedRows().empty());
        // The search ends in the full view; the next search returns to the filter.
        QVERIFY(f.IstVollbild());
        QVERIFY(!f.pnlKopf->isEnabled());

        f.btnVollbildClick();
        QVERIFY(!f.IstVollbild());
        f.rbtBetragAusBonusBerechnet->click();
        QVERIFY(f.rbtBetragAusBonusBerechnet->isChecked());
        QVERIFY(!f.rbtBetragAusBonusExakt->isChecked());
        QCOMPARE(f.cmbBerechnungsvorschrift->currentText(), QStringLiteral("Staffel"));
        QVERIFY(f.cmbBerechnungsvorschrift->isEnabled());
        Suche(f);
        QCOMPARE(Zelle(f, 0, "GUTSCHEIN"), QStringLiteral("5,00"));
        QCOMPARE(Zelle(f, 1, "GUTSCHEIN"), QStringLiteral("0,80"));

        f.chbKundeZusammenfassen->setChecked(false);
        Suche(f);
        QCOMPARE(f.mdlBoni->RowCount(), 3);
        QCOMPARE(f.ZeilenSchluessel(1), QStringLiteral("00070000000000001"));
        QCOMPARE(Zelle(f, 0, "GUTSCHEIN"), QStringLiteral("1,00"));
        QCOMPARE(Zelle(f, 1, "GUTSCHEIN"), QStringLiteral("1,50"));
        QCOMPARE(Zelle(f, 1, "DATUM"), QStringLiteral("02.06.2024"));

        f.btnVollbildClick();
        f.rbtBetragAusBonusExakt->click();
        QVERIFY(!f.cmbBerechnungsvorschrift->isEnabled());
        QCOMPARE(f.cmbBerechnungsvorschrift->currentIndex(), -1);
    }

    // F5 on the marked customer row writes one voucher of 25,00 and uses both bonuses; the
    // next search no longer lists them. A row converted since the search is refused.
    void bookingConvertsTheMarkedRows() {
        Daten d;
        TBonus2Gutsch f;
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        Suche(f);
        f.mdlBoni->SetMarked(0, true);
        QTest::keyClick(&f, Qt::Key_F5);
        double summe = 0;
        QCOMPARE(Gutscheine(&summe), 1);
        QCOMPARE(summe, 25.0);
        QCOMPARE(kis::test::Verwendung(3, 1, 0).substr(0, 10), std::string("GUTSCHEIN|"));
        QCOMPARE(kis::test::Verwendung(3, 2, 0), kis::test::Verwendung(3, 1, 0));
        QCOMPARE(kis::test::Verwendung(3, 3, 0), std::string("|"));
        QCOMPARE(f.mdlBoni->RowCount(), 1);
        QCOMPARE(f.ZeilenSchluessel(0), QStringLiteral("0008000000000SUMM"));

        // Another workstation converts Bauer's bonus after this window's search.
        Suche(f);
        Buche_Boni2Gutschein({8, 0}, {{{3, 3, 0}, 8.00}}, 8.00);
        f.btnMarkierenAlleClick();
        f.btnBuchenClick();
        QCOMPARE(Gutscheine(), 2);
        QCOMPARE(f.Meldungen().size(), size_t(1));
        QVERIFY(f.Meldungen()[0].find("3-3-0") != std::string::npos);
    }

    // Only closed bonuses when the parameter says so; "berechnet" needs a rule.
    void parameterAndEmptyRuleList() {
        Daten d(false);
        d.fx.Parameter("BONUNUAB", "J");
        TBonus2Gutsch f;
        f.show();
        QVERIFY(!f.chbBonusOffen->isChecked());
        QVERIFY(!f.chbBonusOffen->isEnabled());
        QVERIFY(f.chbBonusAbgeschlossen->isChecked());
        QVERIFY(!f.chbBonusAbgeschlossen->isEnabled());
        Suche(f);
        QCOMPARE(f.mdlBoni->RowCount(), 1);
        QCOMPARE(f.ZeilenSchluessel(0), QStringLiteral("0008000000000SUMM"));

        f.btnVollbildClick();
        QVERIFY(f.rbtBetragAusBonusBerechnet->isEnabled());
        f.rbtBetragAusBonusBerechnet->click();
        QVERIFY(f.rbtBetragAusBonusExakt->isChecked());
        QVERIFY(!f.rbtBetragAusBonusBerechnet->isChecked());
        QVERIFY(!f.cmbBerechnungsvorschrift->isEnabled());
    }
};

QTEST_MAIN(Bonus2GutschTest)
#include "bonus_2_gutsch_test.moc"
