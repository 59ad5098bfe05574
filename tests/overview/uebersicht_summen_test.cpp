// The runs over all customers of the overview in a bonus run: the two totals runs, booking all
// customers, and deleting one customer's bonuses. Bonuses are computed by hand in the comments.
#include <QAction>
#include <QTabWidget>
#include <QtTest>
#include <cmath>

#include "app/dm.h"
#include "overview/op_summen.h"
#include "overview/uebersicht_frm.h"
#include "support/bonus_programme.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/services/message_presenter.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/work_files.h"
#include "platform/ui/progress_dialog.h"
#include "support/suite_fixture.h"
#include "uebersicht_daten.h"

namespace {

class Presenter : public kis::services::MessagePresenter {
public:
    bool antwort = true;
    QStringList fragen;
    void Inform(const std::string&) override {}
    void Warn(const std::string&) override {}
    bool AskYesNo(const std::string& text, bool) override {
        fragen << QString::fromStdString(text);
        return antwort;
    }
};

int64_t Cent(double v) { return std::llround(v * 100); }

// A turnover premium of 10 % per position, cancellations skipped, over four customers:
//   Adler  12,34 -> 1,23 and 7,66 -> 0,77 (0,766): 2,00
//   Bauer  45,51 -> 4,55 (4,551)
//   Claus   0,04 -> 0,004, below half a cent: nothing
//   Dora   no sales
// New bonuses together: 6,55.
struct BonusLauf {
    SuiteFixture f;
    TIntPair adler, bauer, claus, dora;
    Presenter presenter;

    BonusLauf() {
        ORVProgramm().SetRId(7);
        ORVInfo().SetPresenter(&presenter);
        kis::test::RegelZehnProzent();
        kis::test::BonusProgramm("BONUSUMSA", "Umsatz", "0", "0", {"Zehn"});

        adler = f.Kunde(1, "Adler");
        bauer = f.Kunde(2, "Bauer");
        claus = f.Kunde(3, "Claus");
        dora = f.Kunde(4, "Dora");
        f.Beleg(adler, 1, 10, SuiteFixture::D(2026, 3, 2), {P(12.34), P(7.66)});
        f.Beleg(bauer, 1, 11, SuiteFixture::D(2026, 3, 3), {P(45.51)});
        f.Beleg(claus, 1, 12, SuiteFixture::D(2026, 3, 4), {P(0.04)});
        // Open items: KREDIT 50,00 / 20,00 and 30,00 / 0; an AUSWAHL table holding only zeros.
        f.OffenerPosten(adler, "KREDIT", "O", SuiteFixture::D(2026, 2, 1), 50.00, 20.00);
        f.OffenerPosten(bauer, "KREDIT", "O", SuiteFixture::D(2026, 2, 2), 30.00, 0);
        f.OffenerPosten(dora, "AUSWAHL", "O", SuiteFixture::D(2026, 2, 3), 0, 0);
    }
    ~BonusLauf() { ORVInfo().SetPresenter(nullptr); }

    static Pos P(double ist) {
        Pos p;
        p.ist = ist;
        return p;
    }
    void Starten(TDM& dm) {
        dm.KIModus = TSelektionFrmModus::smBonusSelektion;
        dm.BonusKennung = "BONUSUMSA";
        dm.BonusName = "Umsatz";
    }
    int64_t Zahl(const std::string& sql) {
        auto& s = f.Db().Cached(sql);
        s.Step();
        const int64_t n = s.ColumnInt(0);
        s.Reset();
        return n;
    }
    // Stored bonus of a customer in cents (0 without one).
    int64_t Gespeichert(const TIntPair& k) {
        auto& s = f.Db().Cached("SELECT COALESCE(SUM(ROUND(WERT * 100)), 0) FROM BONUS WHERE KUNDE_L = ?");
        s.Bind(1, k.Lnr);
        s.Step();
        const int64_t n = s.ColumnInt(0);
        s.Reset();
        return n;
    }
    int64_t Markiert(int lnr) {
        return Zahl("SELECT COUNT(*) FROM LST WHERE LNR = " + std::to_string(lnr) + " AND BONUS1ART = 'BN'");
    }
    int TemporaereTabellen(const TIntPair& k) {
        TBonusTabellen t;
        t.UseTMP(1, "BONUSUMSA", "Umsatz");
        t.SetKundeGepNr(k);
        int neu = 0;
        for (int i = 0; i < t.GetTabCount(); ++i) neu += t.GetTabelle(i).IstNeu() ? 1 : 0;
        return neu;
    }
};

int ZeileVon(TUebersichtFrm& frm, const QString& name) {
    for (int r = 0; r < frm.mdlKISU->RowCount(); ++r)
        if (Zelle(frm, r, "NAME") == name) return r;
    return -1;
}

}  // namespace

class UebersichtSummenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // F8 sums the customers' new bonuses into the totals row; Ctrl+F5 stores for each customer
    // exactly what his row showed; afterwards nothing new is left to sum.
    void bonusTotalEqualsTheCustomersAndTheBookedBonuses() {
        BonusLauf d;
        TDM dm({});
        d.Starten(dm);
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.SetModus(TSelektionFrmModus::smBonusSelektion);
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QCOMPARE(Zelle(frm, 0, "BONUSNEU"), QString());
        QVERIFY(frm.actSumBONUNeu->isEnabled());

        QTest::keyClick(&frm, Qt::Key_F8);
        QCOMPARE(Cent(double(frm.BonusSumme())), 655);
        QCOMPARE(Zelle(frm, 0, "BONUSNEU"), QStringLiteral("6,55"));
        QVERIFY(frm.isEnabled());
        QVERIFY(!dm.prgDlg->IsShowing());
        QCOMPARE(frm.AktGepNr(), d.adler);  // row 1 selected again
        std::map<QString, QString> gezeigt;
        int64_t zeilenSumme = 0;
        for (const char* name : {"Adler", "Bauer", "Claus", "Dora"}) {
            const int r = ZeileVon(frm, name);
            QVERIFY(r > 0);
            gezeigt[name] = Zelle(frm, r, "BONUSNEU");
            zeilenSumme += Cent(frm.mdlKISU->Value(r, "BONUSNEU").toDouble());
        }
        QCOMPARE(gezeigt["Adler"], QStringLiteral("2,00"));
        QCOMPARE(gezeigt["Bauer"], QStringLiteral("4,55"));
        QCOMPARE(gezeigt["Claus"], QString());
        QCOMPARE(zeilenSumme, 655);

        // Booking all customers stores what the rows showed, and resets the total.
        QVERIFY(frm.BONUBuchenAlleClick());
        QCOMPARE(d.Gespeichert(d.adler), 200);
        QCOMPARE(d.Gespeichert(d.bauer), 455);
        QCOMPARE(d.Gespeichert(d.claus), 0);
        QCOMPARE(d.Gespeichert(d.dora), 0);
        QCOMPARE(d.Zahl("SELECT COUNT(*) FROM BUCHUNG WHERE TYP = 44"), 2);
        QCOMPARE(Zelle(frm, 0, "BONUSNEU"), QString());
        QVERIFY(frm.isEnabled());
        QTest::keyClick(&frm, Qt::Key_F8);
        QCOMPARE(Cent(double(frm.BonusSumme())), 0);
        QCOMPARE(Zelle(frm, ZeileVon(frm, "Adler"), "BONUSKASSE"), QStringLiteral("2,00"));
    }

    // Shift+F8 adds the customers' open-item tables per table in cents: KREDIT 80,00 / 20,00
    // shows 60,00; a table holding only zeros gives eleven zeros on both sides and shows 0,00;
    // a table nobody has stays empty.
    void openItemTotalsPerTable() {
        BonusLauf d;
        TDM dm({});
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QVERIFY(!frm.actSumBONUNeu->isEnabled());  // the bonus total belongs to a bonus run
        QVERIFY(!frm.SumBONUNeuClick());
        QCOMPARE(Zelle(frm, 0, "KREDIT"), QString());

        QTest::keyClick(&frm, Qt::Key_F8, Qt::ShiftModifier);
        const auto& summen = frm.OPSummen();
        QCOMPARE(QString::fromStdString(summen.at("KREDIT")), QStringLiteral("00000008000~00000002000"));
        QCOMPARE(QString::fromStdString(summen.at("AUSWAHL")), QStringLiteral("00000000000~00000000000"));
        QCOMPARE(summen.count("RESERV"), size_t(0));
        QCOMPARE(Zelle(frm, 0, "KREDIT"), QStringLiteral("60,00"));
        QCOMPARE(Zelle(frm, 0, "AUSWAHL"), QStringLiteral("0,00"));
        QCOMPARE(Zelle(frm, 0, "RESERV"), QString());
        QVERIFY(frm.isEnabled());
        QVERIFY(!dm.prgDlg->IsShowing());
    }

    // The entry arithmetic: each amount rounded to cents once, negative sums keep their sign,
    // and a bad entry reads as zero instead of failing the run.
    void openItemEntriesAddInCents() {
        std::map<std::string, std::string> l;
        kis::overview::OPSummeAddieren(l, "BONUS", 0.1, 0.2);
        for (int i = 0; i < 9; ++i) kis::overview::OPSummeAddieren(l, "BONUS", 0.1, 0.2);
        QCOMPARE(QString::fromStdString(l["BONUS"]), QStringLiteral("00000000100~00000000200"));
        kis::overview::OPSummeAddieren(l, "KREDIT", -12.5, 0);
        QCOMPARE(QString::fromStdString(l["KREDIT"]), QStringLiteral("-00000001250~00000000000"));
        kis::overview::OPSummeAddieren(l, "KREDIT", 2.5, 0);
        QCOMPARE(QString::fromStdString(l["KREDIT"]), QStringLiteral("-00000001000~00000000000"));
        l["RESERV"] = "kaputt";
        kis::overview::OPSummeAddieren(l, "RESERV", 1, 0);
        QCOMPARE(QString::fromStdString(l["RESERV"]), QStringLiteral("00000000100~00000000000"));
    }

    // A run stopped from the progress dialog shows no partial total and gives the window back.
    void aStoppedSumRunShowsNoTotal() {
        BonusLauf d;
        TDM dm({});
        d.Starten(dm);
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.SetModus(TSelektionFrmModus::smBonusSelektion);
        frm.show();
        // The pump runs once per interval: set anew before each run so the first pump aborts.
        int gesperrt = 0;
        auto abbrechen = [&] {
            ORVInfo().SetProcessMessagesHook([&] {
                gesperrt += !frm.isEnabled() && dm.prgDlg->IsShowing();
                dm.prgDlgAbort();
            });
        };
        abbrechen();
        const bool ok = frm.SumBONUNeuClick();
        abbrechen();
        const bool okOP = frm.SumOPTabClick();
        abbrechen();
        const bool okBuchung = frm.BONUBuchenAlleClick();
        ORVInfo().SetProcessMessagesHook({});
        QVERIFY(!ok && !okOP && !okBuchung);
        QCOMPARE(gesperrt, 3);  // each ran with the window disabled and the dialog shown
        QCOMPARE(Cent(double(frm.BonusSumme())), 0);
        QVERIFY(frm.OPSummen().empty());
        QCOMPARE(d.Zahl("SELECT COUNT(*) FROM BONUS"), 0);
        QVERIFY(frm.isEnabled());
        QVERIFY(!dm.prgDlg->IsShowing());
    }

    // "Bonus löschen" asks, then removes the customer's bonus, open item, service record and
    // position marks in one booking, and his computed bonuses; his sales can earn a bonus
    // again. "Nein" changes nothing; other customers keep theirs.
    void deletingReleasesTheSalesForANewRun() {
        BonusLauf d;
        TDM dm({});
        d.Starten(dm);
        QVERIFY(dm.ExecuteKIQuery());
        TUebersichtFrm frm;
        frm.SetModus(TSelektionFrmModus::smBonusSelektion);
        frm.show();
        QVERIFY(frm.BONUBuchenAlleClick());
        QCOMPARE(d.Markiert(10), 2);
        QCOMPARE(frm.AktGepNr(), d.adler);
        frm.pgcKunde->setCurrentWidget(frm.tshKundeBonus);

        d.presenter.antwort = false;
        QVERIFY(!frm.BONUDeleteClick());
        QCOMPARE(d.presenter.fragen.size(), 1);
        QCOMPARE(d.presenter.fragen[0],
                 QStringLiteral("Sind Sie sicher, dass Sie alle Boni des Kunden Adler löschen möchten?\n"
                                "Es werden alle Boni gelöscht, gleichgültig, ob sie offen, abgeschlossen "
                                "oder schon verwendet waren.\n"
                                "Die Umsätze des Kunden werden wieder für eine Bonusberechnung zur "
                                "Verfügung stehen."));
        QCOMPARE(d.Gespeichert(d.adler), 200);

        const int64_t buchungen = d.Zahl("SELECT COUNT(*) FROM BUCHUNG");
        d.presenter.antwort = true;
        QVERIFY(frm.BONUDeleteClick());
        QCOMPARE(d.Zahl("SELECT COUNT(*) FROM BONUS WHERE KUNDE_L = 1"), 0);
        QCOMPARE(d.Zahl("SELECT COUNT(*) FROM OP WHERE TABELLE = 'BONUS' AND KUNDE_L = 1"), 0);
        QCOMPARE(d.Zahl("SELECT COUNT(*) FROM DIENST"), 1);  // Bauer's
        QCOMPARE(d.Markiert(10), 0);
        QCOMPARE(d.Markiert(11), 1);
        QCOMPARE(d.Gespeichert(d.bauer), 455);
        QCOMPARE(d.Zahl("SELECT COUNT(*) FROM BUCHUNG") - buchungen, 1);
        QTRY_COMPARE(frm.pgcKunde->currentWidget(), frm.tshUebersicht);  // "zurück" was posted

        // A second generation bonifies Adler's sales again, and only his.
        frm.hide();
        QVERIFY(dm.ExecuteKIQuery());
        QCOMPARE(d.TemporaereTabellen(d.adler), 1);
        QCOMPARE(d.TemporaereTabellen(d.bauer), 0);
        frm.show();
        QVERIFY(frm.SumBONUNeuClick());
        QCOMPARE(Cent(double(frm.BonusSumme())), 200);

        // With only a computed bonus left, deleting removes that one.
        QCOMPARE(frm.AktGepNr(), d.adler);
        frm.pgcKunde->setCurrentWidget(frm.tshKundeBonus);
        QVERIFY(frm.BONUDeleteClick());
        QCOMPARE(d.TemporaereTabellen(d.adler), 0);
        // Nothing left: no question, nothing done.
        QVERIFY(!frm.BONUDeleteClick());
        QCOMPARE(d.presenter.fragen.size(), 3);
    }
};

QTEST_MAIN(UebersichtSummenTest)
#include "uebersicht_summen_test.moc"
