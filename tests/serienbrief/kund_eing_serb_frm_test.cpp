#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

#include "app/app_fixture.h"
#include "app/dm.h"
#include "app/kunden_info.h"
#include "bonus/bonus_man_eing.h"
#include "bonus/radio_gruppe.h"
#include "engine/merova_filter.h"
#include "platform/partners/gp_data.h"
#include "platform/services/message_presenter.h"
#include "platform/services/orv_info.h"
#include "platform/ui/data_model.h"
#include "platform/ui/gpsel/gp_sel_adr_box.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/std_button.h"
#include "serienbrief/kund_eing_serb_frm.h"
#include "support/manuelle_boni.h"
#include "support/suite_fixture.h"

using kis::test::SuiteFixture;
using kis::testing::WhenShown;

namespace {

// Answers every question with the given answer and records what was shown.
class Antworten : public kis::services::MessagePresenter {
public:
    explicit Antworten(bool ja) : ja_(ja) { ORVInfo().SetPresenter(this); }
    ~Antworten() override { ORVInfo().SetPresenter(nullptr); }
    void Inform(const std::string& t) override { texte << QString::fromStdString(t); }
    void Warn(const std::string& t) override { texte << QString::fromStdString(t); }
    bool AskYesNo(const std::string& t, bool) override {
        texte << QString::fromStdString(t);
        return ja_;
    }
    QStringList texte;

private:
    bool ja_;
};

// Customers with postcode, country and status.
struct Kunden {
    SuiteFixture f;
    TIntPair Kunde(int nr, const char* name, const char* plz, const char* land = "D", const char* status = "A") {
        const TIntPair key(nr, 0);
        f.Row("GEP", {{"GEPNR", key}, {"MANDANT", TIntPair(1, 0)}, {"NAME", name}, {"VORNAME", "Vera"},
                      {"SUCHNAME", name}, {"PLZ", plz}, {"LAND", land}, {"STATUS", status}});
        f.KundeInListe(key, {1, 0});
        return key;
    }
};

QStringList Namen(TKundEingSerbFrm& frm) {
    frm.mdlSelektion->FetchAll();
    QStringList out;
    for (int r = 0; r < frm.mdlSelektion->RowCount(); ++r) out << frm.mdlSelektion->Value(r, "NAME").toString();
    out.sort();
    return out;
}

void Plz(TKundEingSerbFrm& frm, const char* von, const char* bis) {
    frm.GPSelAdrBox->WertSetzen(QStringLiteral("edtPlzVon"), QString::fromLatin1(von));
    frm.GPSelAdrBox->WertSetzen(QStringLiteral("edtPlzBis"), QString::fromLatin1(bis));
}

}  // namespace

class KundEingSerbFrmTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // A postcode range without a country takes the installation's country; the follow-up
    // buttons open after a selection that lists someone; the walk never returns the totals
    // record.
    void selectionByPostcode() {
        Kunden k;
        const TIntPair adler = k.Kunde(1, "Adler", "10115");
        k.Kunde(2, "Bauer", "20095");
        k.Kunde(3, "Wiener", "10117", "A");
        TDM dm({});
        Antworten antworten(true);
        TKundEingSerbFrm frm(&dm);
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QVERIFY(frm.windowTitle().startsWith(QStringLiteral("Selektion für Kundenserienbriefe - ")));
        QVERIFY(!frm.btnSerBrief->isEnabled() && !frm.btnMessageCenter->isEnabled() && !frm.btnAnhaengen->isEnabled());
        Plz(frm, "10000", "19999");
        QTest::keyClick(&frm, Qt::Key_F5);
        QCOMPARE(frm.GPSelAdrBox->Wert(QStringLiteral("cmbLand")), QStringLiteral("D"));
        QCOMPARE(Namen(frm), QStringList({"Adler"}));
        QCOMPARE(frm.lblSaetze->text(), QStringLiteral("1 Satz"));
        QCOMPARE(frm.pgcSelektion->currentWidget(), frm.tshSelektion);
        QVERIFY(frm.btnSerBrief->isEnabled() && frm.btnMessageCenter->isEnabled() && frm.btnAnhaengen->isEnabled());
        TIntPair kunde;
        QVERIFY(frm.KundeErster(kunde));
        QCOMPARE(kunde, adler);
        QVERIFY(!frm.KundeNaechster(kunde));

        // A selection that finds nobody says so and leaves the follow-ups closed.
        Plz(frm, "90000", "99999");
        QTest::keyClick(&frm, Qt::Key_F5);
        QCOMPARE(frm.lblSaetze->text(), QString());
        QVERIFY(!frm.btnSerBrief->isEnabled() && !frm.btnAnhaengen->isEnabled());
        QVERIFY(antworten.texte.last().contains(QStringLiteral("Die Selektion war nicht erfolgreich")));
    }

    // "Anhängen" keeps the customers listed, adds the new ones once each, and keeps the list
    // when it adds nobody.
    void appendKeepsAndAddsEachOnce() {
        Kunden k;
        k.Kunde(1, "Adler", "10115");
        k.Kunde(2, "Bauer", "20095");
        k.Kunde(3, "Cramer", "20097");
        TDM dm({});
        Antworten antworten(true);
        TKundEingSerbFrm frm(&dm);
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        Plz(frm, "10000", "19999");
        frm.btnSelektionClick();
        QCOMPARE(Namen(frm), QStringList({"Adler"}));
        Plz(frm, "10000", "20095");
        QTest::keyClick(&frm, Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(Namen(frm), QStringList({"Adler", "Bauer"}));
        QCOMPARE(frm.lblSaetze->text(), QStringLiteral("2 Sätze"));
        Plz(frm, "10000", "19999");
        frm.btnAnhaengenClick();
        QCOMPARE(Namen(frm), QStringList({"Adler", "Bauer"}));
        QVERIFY(antworten.texte.last().contains(QStringLiteral("Das Anhängen an die Selektion war nicht erfolgreich")));
        // The serial letter's walk sees each customer once.
        TIntPair kunde;
        int n = 0;
        for (bool ok = frm.KundeErster(kunde); ok; ok = frm.KundeNaechster(kunde)) ++n;
        QCOMPARE(n, 2);
        // Showing the window again starts with an empty list.
        frm.hide();
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QCOMPARE(frm.mdlSelektion->RowCount(), 0);
        QVERIFY(!frm.KundeErster(kunde));
    }

    // The sales page: "Ja" with empty dates means 1980..2100, "Egal" transfers no period and
    // keeps the dates disabled; from after to is refused with AUSBEA 1009.
    void salesPeriod() {
        Kunden k;
        const TIntPair adler = k.Kunde(1, "Adler", "10115");
        k.Kunde(2, "Bauer", "20095");
        k.f.Beleg(adler, 1, 10, SuiteFixture::D(2024, 3, 5), {kis::test::Pos{"A9", 20.0}});
        TDM dm({});
        Antworten antworten(true);
        TKundEingSerbFrm frm(&dm);
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QVERIFY(!frm.edtDatumVon->isEnabled() && !frm.grpbVonBis->isEnabled());
        TMerovaFilter filter;
        QVERIFY(frm.FilterSetzen(filter));
        QCOMPARE(filter.FVkFilter, vkEgal);

        frm.rgrpVerkaeufeJaNein->SetItemIndex(1);
        frm.rgrpVerkaeufeJaNeinClick();
        QVERIFY(frm.edtDatumVon->isEnabled() && frm.edtDatumBis->isEnabled());
        filter.Clear();
        QVERIFY(frm.FilterSetzen(filter));
        QCOMPARE(filter.FVkFilter, vkJa);
        QCOMPARE(filter.FVkVon, kis::date::EncodeDate(1980, 1, 1));
        QCOMPARE(filter.FVkBis, kis::date::EncodeDate(2100, 12, 31));
        frm.btnSelektionClick();
        QCOMPARE(Namen(frm), QStringList({"Adler"}));
        frm.rgrpVerkaeufeJaNein->SetItemIndex(2);
        frm.btnSelektionClick();
        QCOMPARE(Namen(frm), QStringList({"Bauer"}));

        frm.pgcSelektion->setCurrentWidget(frm.tshVerkaeufe);
        frm.edtDatumVon->SetText(QStringLiteral("10052025"));
        frm.edtDatumBis->SetText(QStringLiteral("01052025"));
        frm.edtDatumVon->setFocus();
        QVERIFY(!frm.DatumVerlassen(frm.edtDatumVon));
        QCOMPARE(antworten.texte.last(), QStringLiteral("Das Von-Datum liegt nach dem Bis-Datum."));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(frm.edtDatumBis));
        frm.edtDatumBis->SetText(QStringLiteral("31052025"));
        QVERIFY(frm.DatumVerlassen(frm.edtDatumBis));
        filter.Clear();
        QVERIFY(frm.FilterSetzen(filter));
        QCOMPARE(filter.FVkVon, kis::date::EncodeDate(2025, 5, 10));
        QCOMPARE(filter.FVkBis, kis::date::EncodeDate(2025, 5, 31));
        // The main clear empties the sales page too.
        QTest::keyClick(&frm, Qt::Key_F9);
        QCOMPARE(frm.rgrpVerkaeufeJaNein->ItemIndex(), 0);
        QVERIFY(frm.edtDatumVon->IsEmpty() && !frm.edtDatumVon->isEnabled());
    }

    // Only active customers are set passive, each in a booking of type 55; the count says so
    // and the window closes. "Nein" changes nothing.
    void passiveCountsOnlyActiveCustomers() {
        Kunden k;
        const TIntPair adler = k.Kunde(1, "Adler", "10115");
        const TIntPair bauer = k.Kunde(2, "Bauer", "10116", "D", "P");
        const TIntPair cramer = k.Kunde(3, "Cramer", "10117");
        TDM dm({});
        TKundEingSerbFrm frm(&dm);
        {
            Antworten nein(false);
            frm.show();
            QVERIFY(QTest::qWaitForWindowActive(&frm));
            frm.btnSelektionClick();
            QCOMPARE(frm.mdlSelektion->RowCount(), 3);
            frm.SelektionPassivieren();
            QVERIFY(frm.isVisible());
            QCOMPARE(kis::test::Buchungen(k.f.Db(), 55), 0);
        }
        Antworten ja(true);
        QTest::keyClick(&frm, Qt::Key_F8, Qt::ShiftModifier);
        QVERIFY(!frm.isVisible());
        QCOMPARE(ja.texte.last(), QStringLiteral("Es wurden 2 Kunden auf passiv gesetzt."));
        QCOMPARE(kis::test::Buchungen(k.f.Db(), 55), 2);
        TGpSatz satz;
        TGpData gp;
        for (const TIntPair& kunde : {adler, bauer, cramer}) QVERIFY(gp.GetMitStatus(kunde, "P", satz));

        // An empty list only says so.
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        frm.SelektionPassivieren();
        QVERIFY(frm.isVisible());
        QCOMPARE(ja.texte.last(), QStringLiteral("Die Selektion enthält keine Daten."));
    }

    // The bonus instance: its own caption, no message center, and "Bonus vergeben" books a
    // copy of the grant for every listed customer.
    void bonusInstanceGrantsToAllListed() {
        Kunden k;
        const TIntPair adler = k.Kunde(1, "Adler", "10115");
        const TIntPair bauer = k.Kunde(2, "Bauer", "10116");
        TDM dm({});
        Antworten antworten(true);
        TKundEingSerbFrm frm(&dm);
        frm.setControlsForBonus();
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QCOMPARE(frm.windowTitle(), QStringLiteral("Selektion für manuelle Bonusvergabe - M1"));
        QCOMPARE(frm.btnSerBrief->text(), QStringLiteral("Bonus vergeben ... - F10"));
        frm.btnSelektionClick();
        QVERIFY(frm.btnSerBrief->isEnabled());
        QVERIFY(!frm.btnMessageCenter->isEnabled());
        WhenShown<Tfrmbonusmaneing>([](Tfrmbonusmaneing* d) {
            QVERIFY(!d->pnlKunde->isVisible());
            d->edtBetrag->SetText(QStringLiteral("3,00"));
            d->btnBuchenClick();
        });
        QTest::keyClick(&frm, Qt::Key_F10);
        const auto boni = kis::test::ManuelleBoni(k.f.Db());
        QCOMPARE(boni.size(), size_t(2));
        QCOMPARE(boni[0].kunde, adler);
        QCOMPARE(boni[1].kunde, bauer);
        QCOMPARE(boni[1].wert, 3.0);
        QCOMPARE(QString::fromStdString(boni[1].opTabelle), QStringLiteral("BONUS"));
        QVERIFY(!dm.prgDlg->IsShowing());
        QVERIFY(frm.isEnabled());
    }

    // The main menu opens the two instances modally, each created once.
    void mainMenuOpensBothInstances() {
        Kunden k;
        TDM dm({});
        TKundenInfo w(&dm);
        QStringList titel;
        for (const char* knopf : {"btnSerBrief", "btnBonusMan"}) {
            WhenShown<TKundEingSerbFrm>([&titel](TKundEingSerbFrm* f) {
                titel << f->windowTitle();
                f->reject();
            });
            w.bmnHauptClick(0, QString::fromLatin1(knopf));
        }
        QCOMPARE(titel, QStringList({"Selektion für Kundenserienbriefe - M1",
                                     "Selektion für manuelle Bonusvergabe - M1"}));
        QCOMPARE(w.KundEingSerbFrm(true), w.KundEingSerbFrm(true));
        QVERIFY(w.KundEingSerbFrm(true) != w.KundEingSerbFrm(false));
    }

    // Named masks keep the four boxes and the sales page; load is Ctrl+F9, delete Alt+F9.
    void masksKeepBoxesAndSalesPage() {
        Kunden k;
        TDM dm({});
        TKundEingSerbFrm frm(&dm);
        QString name = QStringLiteral("Berlin");
        frm.OnMaskenDialog = [&name](TMaskenDialog::Art, const QStringList&) { return name; };
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        Plz(frm, "10000", "14999");
        frm.rgrpVerkaeufeJaNein->SetItemIndex(1);
        frm.edtDatumVon->SetText(QStringLiteral("01012024"));
        frm.chbKeineOP->setChecked(true);
        QTest::keyClick(&frm, Qt::Key_F9, Qt::ShiftModifier);
        frm.btnClearClick();
        QCOMPARE(frm.GPSelAdrBox->Wert(QStringLiteral("edtPlzVon")), QString());
        QTest::keyClick(&frm, Qt::Key_F9, Qt::ControlModifier);
        QCOMPARE(frm.GPSelAdrBox->Wert(QStringLiteral("edtPlzVon")), QStringLiteral("10000"));
        QCOMPARE(frm.rgrpVerkaeufeJaNein->ItemIndex(), 1);
        QCOMPARE(frm.edtDatumVon->Text(), QStringLiteral("01012024"));
        QVERIFY(frm.chbKeineOP->isChecked() && frm.edtDatumVon->isEnabled());
        QTest::keyClick(&frm, Qt::Key_F9, Qt::AltModifier);
        frm.btnClearClick();
        frm.MaskeLadenName(name);
        QCOMPARE(frm.GPSelAdrBox->Wert(QStringLiteral("edtPlzVon")), QString());
        QCOMPARE(frm.rgrpVerkaeufeJaNein->ItemIndex(), 0);
    }
};

QTEST_MAIN(KundEingSerbFrmTest)
#include "kund_eing_serb_frm_test.moc"
