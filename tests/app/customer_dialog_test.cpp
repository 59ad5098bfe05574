#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QtTest>

#include "app/dm.h"
#include "app/kunden_info.h"
#include "app_fixture.h"
#include "platform/bonus/bonus_mani.h"
#include "platform/ui/customer/kund_eing_dialog.h"
#include "platform/ui/customer/kunden_akte_form.h"
#include "platform/ui/customer/kunden_suche.h"
#include "platform/ui/data_grid.h"

using kis::testing::AppDb;
using kis::testing::WhenShown;

namespace {

void Type(QWidget* root, const char* name, const QString& text) {
    auto* e = root->findChild<QLineEdit*>(QLatin1String(name));
    QVERIFY2(e, name);
    e->setFocus();
    e->clear();
    e->insert(text);  // QTest types ASCII only
}

void Press(QWidget* w, Qt::Key key) { QTest::keyClick(w, key); }

}  // namespace

class CustomerDialogTest : public QObject {
    Q_OBJECT

private slots:
    void createFindAndChangeThroughTheMenu() {
        AppDb db;
        ORVProgramm().SetAktMandant({1, 0});
        TDM dm({});
        TKundenInfo w(&dm);
        w.show();

        // "Kundenneuanlage": a first save with a bad postcode stays open and writes nothing.
        bool refused = false;
        WhenShown<TKundEingDialog>([&](TKundEingDialog* d) {
            Type(d, "edtName", "Schäfer");
            Type(d, "edtVorname", "Jörg");
            Type(d, "edtStrasse", "Lindenweg 3");
            Type(d, "edtPlz", "123");
            Type(d, "edtOrt", "Kassel");
            Press(d, Qt::Key_F5);
            refused = d->isVisible() && db.Count("GEP") == 0;
            Type(d, "edtPlz", "34117");
            Type(d, "edtEmail", "joerg@example.de");
            Press(d, Qt::Key_F5);
        });
        w.bmnHauptClick(1, "btnKundEingIns");
        QVERIFY(refused);
        QCOMPARE(db.Count("GEP"), int64_t(1));
        QCOMPARE(db.Count("KULI"), int64_t(1));
        const TIntPair nr = dm.dlgKundEing->GepNr();
        QCOMPARE(dm.GetKundeName(nr), QStringLiteral("Schäfer, Jörg"));
        QVERIFY(w.isVisible());

        // "Änderung von Kundendaten": find by a wildcard name, change, then leave the search.
        WhenShown<TKundEingDialog>([&](TKundEingDialog* d) {
            Type(d, "edtSuchText", "sch*f?r");
            Press(d->findChild<QLineEdit*>("edtSuchText"), Qt::Key_Return);
            QCOMPARE(d->Suche()->AnzahlTreffer(), 1);
            WhenShown<TKundEingDialog>([&](TKundEingDialog* e) {
                QCOMPARE(e->findChild<QLineEdit*>("edtName")->text(), QStringLiteral("Schäfer"));
                Type(e, "edtName2", "Gärtnerei");
                Type(e, "edtTelefon", "0561 12345");
                e->findChild<QPushButton*>("btnSpeichern")->click();
                WhenShown<TKundEingDialog>([](TKundEingDialog* f) { Press(f, Qt::Key_Escape); });
            });
            Press(d->findChild<TORVDataGrid*>("grdTreffer"), Qt::Key_Return);
        });
        w.bmnHauptClick(2, "btnKundEingEdit");
        QCOMPARE(dm.GetKundeName(nr), QStringLiteral("Schäfer Gärtnerei, Jörg"));
        const auto k = kis::partners::TCustomerMaster().Lesen(nr);
        QCOMPARE(k->Telefon, std::string("0561 12345"));
        QCOMPARE(k->Email, std::string("joerg@example.de"));
        QCOMPARE(db.Count("GEP"), int64_t(1));
    }

    void searchByNumberAndNextCustomer() {
        AppDb db;
        ORVProgramm().SetAktMandant({1, 0});
        const TIntPair a = db.Kunde("Bauer", "", "Ute");
        const TIntPair b = db.Kunde("Becker", "", "Tom");
        db.Kunde("Zander", "", "Lea");
        TKundEingDialog d;
        d.Init();
        d.Clear();
        d.SetModus(TKundEingDialog::kModusSuchen);
        WhenShown<TKundEingDialog>([&](TKundEingDialog* dlg) {
            Type(dlg, "edtSuchText", "b");  // a prefix without wildcards
            Press(dlg->findChild<QLineEdit*>("edtSuchText"), Qt::Key_Return);
            dlg->findChild<QPushButton*>("btnUebernehmen")->click();
        });
        QVERIFY(d.Execute());
        QCOMPARE(d.GepNr(), a);
        QCOMPARE(d.Suche()->AnzahlTreffer(), 2);
        // Mode 6 offers the customer after the last one.
        d.SetModus(TKundEingDialog::kModusWeiterSuchen);
        WhenShown<TKundEingDialog>([](TKundEingDialog* dlg) {
            dlg->findChild<QPushButton*>("btnUebernehmen")->click();
        });
        QVERIFY(d.Execute());
        QCOMPARE(d.GepNr(), b);

        d.Clear();
        d.SetModus(TKundEingDialog::kModusSuchen);
        WhenShown<TKundEingDialog>([&](TKundEingDialog* dlg) {
            Type(dlg, "edtSuchNr", QString::number(b.Lnr + 1));
            Press(dlg->findChild<QLineEdit*>("edtSuchNr"), Qt::Key_Return);
            dlg->findChild<QPushButton*>("btnUebernehmen")->click();
        });
        QVERIFY(d.Execute());
        QCOMPARE(d.GepNr(), TIntPair(b.Lnr + 1, 0));

        // A search text with the database's own wildcard characters finds nothing by accident.
        d.Clear();
        WhenShown<TKundEingDialog>([&](TKundEingDialog* dlg) {
            Type(dlg, "edtSuchText", "%");
            Press(dlg->findChild<QLineEdit*>("edtSuchText"), Qt::Key_Return);
            QCOMPARE(dlg->Suche()->AnzahlTreffer(), 0);
            dlg->reject();
        });
        QVERIFY(!d.Execute());
    }

    void fieldChecks() {
        TKundenStamm k;
        k.Name = "Meier";
        QVERIFY(kis::partners::TCustomerMaster::Pruefen(k).empty());
        auto first = [](const TKundenStamm& x) {
            const auto f = kis::partners::TCustomerMaster::Pruefen(x);
            return f.empty() ? std::string() : f.front().Feld;
        };
        TKundenStamm bad = k;
        bad.Name = "  ";
        QCOMPARE(first(bad), std::string("Name"));
        bad = k;
        bad.Plz = "1234a";
        QCOMPARE(first(bad), std::string("PLZ"));
        bad.Land = "NL";
        bad.Plz = "1012 AB";
        QCOMPARE(first(bad), std::string());
        bad = k;
        bad.Email = "meier@";
        QCOMPARE(first(bad), std::string("E-Mail"));
        bad = k;
        bad.Geburtstag = kis::date::DateOf(kis::date::Now()) + 1;
        QCOMPARE(first(bad), std::string("Geburtstag"));
        bad = k;
        bad.Nummern.push_back({"Karte", ""});
        QCOMPARE(first(bad), std::string("Nummer"));

        // Saving a record that fails the checks throws and writes nothing.
        AppDb db;
        bad = k;
        bad.Email = "kein-at";
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, kis::partners::TCustomerMaster().Speichern(bad));
        QCOMPARE(db.Count("GEP"), int64_t(0));
        QVERIFY(bad.GepNr.IsNull());
    }

    void customerFileShowsTheCustomer() {
        AppDb db;
        ORVProgramm().SetAktMandant({1, 0});
        TDM dm({});
        const TIntPair k = db.Kunde("Hoffmann", "", "Ina");
        TQEL_ManuellerBonus g;
        g.Kunde = k;
        g.Betrag = 5;
        QVERIFY(dm.BONUBucheManuell(g));
        bool shown = false;
        WhenShown<TQEL_KubeAktenForm>([&](TQEL_KubeAktenForm* f) {
            shown = f->findChild<QLabel*>("lblStamm")->text().contains("Hoffmann, Ina") &&
                    f->findChild<TORVDataGrid*>("grdBoni")->DataModel()->RowCount() == 1 &&
                    f->findChild<TORVDataGrid*>("grdBoni")->DataModel()->Value(0, "ZUSTAND") == "offen";
            f->accept();
        });
        dm.ExecuteMerova(k);
        QVERIFY(shown);
        QVERIFY(dm.FKundenAkte && !dm.FKundenAkte->KundEingDlgAllowed);
    }
};

QTEST_MAIN(CustomerDialogTest)
#include "customer_dialog_test.moc"
