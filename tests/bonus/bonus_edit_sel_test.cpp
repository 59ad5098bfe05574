#include <QtTest>

#include <QApplication>
#include <QComboBox>
#include <QLabel>

#include "app/dm.h"
#include "bonus/bonus_edit_sel.h"
#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_abschluss.h"
#include "platform/services/orv_info.h"
#include "platform/store/database.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/std_button.h"
#include "support/bonus_orte_fixture.h"

using kis::test::BonusOrt;
using kis::test::SuiteFixture;

namespace {

class Presenter : public kis::services::MessagePresenter {
public:
    std::vector<std::string> warnungen;
    void Inform(const std::string&) override {}
    void Warn(const std::string& text) override { warnungen.push_back(text); }
    bool AskYesNo(const std::string&, bool) override { return true; }
};

void Programm(const std::string& typ, const std::string& name) {
    TBetaSatz s;
    s.Typ = typ;
    s.Name = name;
    s.Laenge = 1;
    TBetaStore::Speichern(s, nullptr);
}

// Adler: Sommer 10,00 open (2024-06-10), Sommer 7,00 closed, Karte (pass) 5,00 open;
// Bauer: Sommer 12,00 open (2024-06-12).
struct Daten {
    SuiteFixture fx;
    TIntPair adler, bauer;
    Daten() {
        adler = fx.Kunde(7, "Adler", "Anna");
        bauer = fx.Kunde(8, "Bauer", "Bernd");
        Programm("BONUSUMSA", "Sommer");
        Programm("BONUSPASS", "Karte");
        Bonus(1, adler, "BONUSUMSA", "Sommer", 10, 10, "O");
        Bonus(2, bauer, "BONUSUMSA", "Sommer", 12, 12, "O");
        Bonus(3, adler, "BONUSUMSA", "Sommer", 7, 11, "A");
        Bonus(4, adler, "BONUSPASS", "Karte", 5, 10, "O");
    }
    void Bonus(int lnr, TIntPair kunde, const char* id, const char* name, double wert, int tag,
               const char* status) {
        BonusOrt b;
        b.daten.rnr = 3;
        b.daten.lnr = lnr;
        b.daten.kunde = kunde;
        b.daten.programmId = id;
        b.daten.programm = name;
        b.daten.wert = wert;
        b.daten.datum = SuiteFixture::D(2024, 6, tag);
        b.daten.status = status;
        b.laenge = lnr;
        kis::test::BonusInOrten(fx, b);
    }
};

void Waehle(TBonusEditSel& f, const QString& typ, const QString& name) {
    f.cmbBonusTyp->setCurrentIndex(f.cmbBonusTyp->findText(typ));
    f.cmbBonusName->setCurrentIndex(f.cmbBonusName->findText(name));
}

QString Zelle(const TBonusEditSel& f, int row, const char* spalte) {
    const int c = f.mdlBoni->ColumnIndex(QString::fromLatin1(spalte));
    return f.mdlBoni->DisplayText(row, c).trimmed();
}

const QString kUmsatz = QStringLiteral("Bonusprogramm - Umsatzprämie");

}  // namespace

class BonusEditSelTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // Enter searches and marks all; Einfg / F8 / F7 mark; F5 closes the marked bonuses in all
    // three places and searches again, so they leave the list.
    void searchMarkAndCloseWithTheKeys() {
        Daten d;
        TDM dm({});
        TBonusEditSel f;
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(f.windowTitle(), QStringLiteral("Boni abschließen"));
        // Discount coupons are not closed here.
        QCOMPARE(f.cmbBonusTyp->findText(QStringLiteral("Bonusprogramm - Rabattschein")), -1);
        Waehle(f, kUmsatz, QStringLiteral("Sommer"));
        f.edtBonusWertMin->setFocus();
        QTest::keyClick(f.edtBonusWertMin, Qt::Key_Return);
        QCOMPARE(f.mdlBoni->RowCount(), 2);
        QCOMPARE(f.mdlBoni->MarkedRows(), (std::vector<int>{0, 1}));
        QCOMPARE(Zelle(f, 0, "KUNDE"), QStringLiteral("Adler, Anna"));
        QCOMPARE(Zelle(f, 0, "DATUM"), QStringLiteral("10.06.2024"));
        QCOMPARE(Zelle(f, 0, "BETRAG"), QStringLiteral("10,00"));
        QCOMPARE(Zelle(f, 1, "LAENGE"), QStringLiteral("2"));
        QCOMPARE(f.ZeilenSchluessel(1), QStringLiteral("3-2-0"));

        f.grdBoni->setFocus();
        QTest::keyClick(f.grdBoni, Qt::Key_F8);
        QVERIFY(f.mdlBoni->MarkedRows().empty());
        QTest::keyClick(&f, Qt::Key_F7);
        QCOMPARE(f.mdlBoni->MarkedRows().size(), size_t(2));
        QTest::keyClick(&f, Qt::Key_F8);
        f.grdBoni->SelectRow(0);
        QTest::keyClick(&f, Qt::Key_Insert);
        QCOMPARE(f.mdlBoni->MarkedRows(), std::vector<int>{0});
        QCOMPARE(f.grdBoni->CurrentRow(), 1);
        // On the last row Einfg toggles and stays.
        QTest::keyClick(&f, Qt::Key_Insert);
        QTest::keyClick(&f, Qt::Key_Insert);
        QCOMPARE(f.grdBoni->CurrentRow(), 1);
        QCOMPARE(f.mdlBoni->MarkedRows(), std::vector<int>{0});

        QTest::keyClick(&f, Qt::Key_F5);
        QCOMPARE(kis::test::Stati(3, 1, 0), std::string("A A A"));
        QCOMPARE(kis::test::Stati(3, 2, 0), std::string("O O O"));
        QCOMPARE(kis::test::Stati(3, 4, 0), std::string("O O O"));
        QCOMPARE(f.mdlBoni->RowCount(), 1);
        QCOMPARE(Zelle(f, 0, "KUNDE"), QStringLiteral("Bauer, Bernd"));
        QVERIFY(f.btnBuchen->isEnabled());
        QVERIFY(f.Meldungen().empty());
    }

    // The chosen type's own programme id counts: a bonus pass is found under its type, not
    // under the turnover premium of the same name; the customer and the value bounds narrow.
    void filterByTypeCustomerAndValue() {
        Daten d;
        Programm("BONUSUMSA", "Karte");
        TBonusEditSel f;
        f.show();
        Waehle(f, QStringLiteral("Bonusprogramm - Prämienpass"), QStringLiteral("Karte"));
        f.btnSuchenClick();
        QCOMPARE(f.mdlBoni->RowCount(), 1);
        QCOMPARE(f.ZeilenSchluessel(0), QStringLiteral("3-4-0"));
        Waehle(f, kUmsatz, QStringLiteral("Karte"));
        f.btnSuchenClick();
        QCOMPARE(f.mdlBoni->RowCount(), 0);

        Waehle(f, kUmsatz, QStringLiteral("Sommer"));
        f.KundeWaehlen = [&](TIntPair& k, QString& name) {
            k = d.bauer;
            name = QStringLiteral("Bauer");
            return true;
        };
        f.spbKundeClick();
        QCOMPARE(f.lblKunde->text(), QStringLiteral("Bauer"));
        f.btnSuchenClick();
        QCOMPARE(f.mdlBoni->RowCount(), 1);
        QCOMPARE(f.ZeilenSchluessel(0), QStringLiteral("3-2-0"));
        f.spbKundeClick();  // a second click clears the customer
        QVERIFY(f.FKunde.IsNull());
        QVERIFY(f.lblKunde->text().isEmpty());

        f.edtBonusWertMax->SetText(QStringLiteral("10,00"));
        f.btnSuchenClick();
        QCOMPARE(f.mdlBoni->RowCount(), 1);
        QCOMPARE(f.ZeilenSchluessel(0), QStringLiteral("3-1-0"));
        f.edtBonusWertMax->Clear();
        f.edtDatumVon->SetText(QStringLiteral("12062024"));
        f.btnSuchenClick();
        QCOMPARE(f.mdlBoni->RowCount(), 1);
        QCOMPARE(f.ZeilenSchluessel(0), QStringLiteral("3-2-0"));

        // No name chosen: only bonuses with an empty programme name.
        f.edtDatumVon->Clear();
        f.cmbBonusName->setCurrentIndex(-1);
        f.btnSuchenClick();
        QCOMPARE(f.mdlBoni->RowCount(), 0);
    }

    // A row closed by another workstation since the search is refused and reported; the
    // others are closed. A failing search is reported and leaves the window usable.
    void staleRowIsReportedAndFailedSearchRestoresTheWindow() {
        Daten d;
        Presenter p;
        ORVInfo().SetPresenter(&p);
        TBonusEditSel f;
        f.show();
        Waehle(f, kUmsatz, QStringLiteral("Sommer"));
        f.btnSuchenClick();
        QCOMPARE(f.mdlBoni->RowCount(), 2);
        BonusAbschliessen({3, 2, 0}, d.bauer);  // the other workstation
        f.btnBuchenClick();
        QCOMPARE(kis::test::Stati(3, 1, 0), std::string("A A A"));
        QCOMPARE(f.Meldungen().size(), size_t(1));
        QVERIFY(f.Meldungen()[0].find("3-2-0") != std::string::npos);
        QCOMPARE(p.warnungen.size(), size_t(1));
        QCOMPARE(f.mdlBoni->RowCount(), 0);

        d.fx.Db().Exec("DROP TABLE OP");
        f.btnSuchenClick();
        QCOMPARE(p.warnungen.size(), size_t(2));
        QVERIFY(f.isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!ORVInfo().LastError().empty());
        ORVInfo().SetPresenter(nullptr);
    }

    // Type and name come back at the next opening.
    void typeAndNameAreKept() {
        Daten d;
        {
            TBonusEditSel f;
            f.show();
            Waehle(f, kUmsatz, QStringLiteral("Sommer"));
            f.reject();
        }
        TBonusEditSel g;
        QCOMPARE(g.cmbBonusTyp->currentText(), kUmsatz);
        QCOMPARE(g.cmbBonusName->currentText(), QStringLiteral("Sommer"));
    }
};

QTEST_MAIN(BonusEditSelTest)
#include "bonus_edit_sel_test.moc"
