// "Boni als verwendet kennzeichnen" / "Boni stornieren": the search's filters, grouping per
// customer, and the booking step over the marked rows.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/dm.h"
#include "app/kunden_info.h"
#include "bonus/bonus_als_verw.h"
#include "platform/services/catalog.h"
#include "platform/services/orv_info.h"
#include "platform/ui/data_model.h"
#include "platform/ui/mask_edit.h"
#include "support/bonus_orte.h"
#include "support/test_presenter.h"

using kis::test::BonusDaten;
using kis::test::Pos;
using kis::test::SuiteFixture;

namespace {

// Albrecht: 7-1-0 (10,00, open) and 7-2-0 (15,00, closed), each from a position of receipt
// 1/10. Becker: the manual grant 7-3-0 (4,00, valid until 30.06.2026) and 7-4-0, used already.
struct Umgebung {
    SuiteFixture fx;
    kis::test::TestPresenter presenter;
    std::unique_ptr<TDM> dm;
    TIntPair albrecht, becker;

    Umgebung() {
        albrecht = fx.Kunde(1, "Albrecht");
        becker = fx.Kunde(2, "Becker");
        Pos p;
        p.ist = 100;
        fx.Beleg(albrecht, 1, 10, SuiteFixture::D(2026, 3, 2), {p, p});
        kis::test::BonusInAllenOrten(fx, Bonus(1, albrecht, 10.00, "O", 5), {{1, 10, 1}});
        kis::test::BonusInAllenOrten(fx, Bonus(2, albrecht, 15.00, "A", 6), {{1, 10, 2}});
        BonusDaten manuell = Bonus(3, becker, 4.00, "O", 7);
        manuell.programmId = "BONUSMANU";
        manuell.programm = "BONUSMANU";
        manuell.art = "BM";
        manuell.gueltigBis = SuiteFixture::D(2026, 6, 30);
        kis::test::BonusInAllenOrten(fx, manuell);
        BonusDaten verwendet = Bonus(4, becker, 3.00, "O", 8);
        verwendet.verwendet = "KASSE";
        fx.GespeicherterBonus(verwendet);
        ORVInfo().SetPresenter(&presenter);
        dm = std::make_unique<TDM>(kis::app::Arguments{});
    }
    ~Umgebung() { ORVInfo().SetPresenter(nullptr); }
    static BonusDaten Bonus(int lnr, const TIntPair& kunde, double wert, const char* status, int tag) {
        BonusDaten d;
        d.rnr = 7;
        d.lnr = lnr;
        d.kunde = kunde;
        d.wert = wert;
        d.status = status;
        d.datum = SuiteFixture::D(2026, 3, tag);
        return d;
    }
    std::string Verwendet(int lnr) {
        auto& s = fx.Db().Cached("SELECT VERWENDET FROM DIENST WHERE RNR = 7 AND LNR = ?");
        s.Bind(1, lnr);
        const std::string v = s.Step() ? s.ColumnText(0) : "-";
        s.Reset();
        return v;
    }
};

QStringList Zeilen(Tbonusalsverw& f) {
    QStringList out;
    for (int r = 0; r < f.mdlBoni->RowCount(); ++r) {
        QStringList z;
        for (const char* c : {"KUNDE", "DATUM", "BONUS", "GUTSCHEIN", "RABATT"})
            z << f.mdlBoni->DisplayText(r, f.mdlBoni->ColumnIndex(QString::fromLatin1(c))).trimmed();
        out << z.join('|');
    }
    return out;
}

}  // namespace

class BonusAlsVerwTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // A summed row books every bonus of its customer, and only those.
    void groupedRowBooksTheWholeGroup() {
        Umgebung u;
        Tbonusalsverw f;
        f.FEditAction = TBonusEditAction::baAlsVerw;
        f.show();
        QCOMPARE(f.windowTitle(), QStringLiteral("Boni als verwendet kennzeichnen"));
        QVERIFY(f.chbBonusOffen->isChecked() && f.chbBonusAbgeschlossen->isChecked());
        f.chbKundeZusammenfassen->setChecked(true);
        f.btnSuchenClick();
        QCOMPARE(Zeilen(f), QStringList({"Albrecht||25,00|0,00|0,00", "Becker|07.03.2026|4,00|0,00|0,00"}));
        QVERIFY(f.mdlBoni->MarkedRows().empty());  // nothing is marked by the search

        f.mdlBoni->SetMarked(0, true);
        f.btnBuchenClick();
        QCOMPARE(u.presenter.boxen, std::vector<std::string>{"ask: " + kis::services::CatalogText("MEROVA", 1005)});
        QCOMPARE(u.Verwendet(1), std::string("ZURUECKGEZ"));
        QCOMPARE(u.Verwendet(2), std::string("ZURUECKGEZ"));
        QCOMPARE(u.Verwendet(3), std::string());
        // Searched again: the used bonuses are gone from the list.
        QCOMPARE(Zeilen(f), QStringList({"Becker|07.03.2026|4,00|0,00|0,00"}));
    }

    // One row per bonus; a row whose bonus another workstation cancelled meanwhile changes
    // nothing and is reported.
    void cancelSingleRowsAndAStaleRow() {
        Umgebung u;
        Tbonusalsverw f;
        f.FEditAction = TBonusEditAction::baStorno;
        f.show();
        QCOMPARE(f.windowTitle(), QStringLiteral("Boni stornieren"));
        f.chbKundeZusammenfassen->setChecked(false);
        f.btnSuchenClick();
        QCOMPARE(Zeilen(f), QStringList({"Albrecht|05.03.2026|10,00|0,00|0,00", "Albrecht|06.03.2026|15,00|0,00|0,00",
                                         "Becker|07.03.2026|4,00|0,00|0,00"}));
        const auto vorher = kis::test::AbbildLesen(u.fx);
        f.mdlBoni->SetMarked(1, true);
        f.btnBuchenClick();
        const auto diff = kis::test::Unterschiede(vorher, kis::test::AbbildLesen(u.fx));
        QCOMPARE(diff, (std::set<std::string>{"-BONUS 7-2-0 1 A BONUSUMSA 1500.0 ", "-OP BONUS 1 A 1500.0 7-2-0",
                                              "-DIENST 7-2-0 A [] []", "-LST 1/10/2 BN:7-2-0 :0-0-0",
                                              "+LST 1/10/2 :0-0-0 :0-0-0"}));
        QCOMPARE(f.mdlBoni->RowCount(), 2);

        QVERIFY(Buche_BoniStornieren({TIdent{7, 1, 0}})[0].Ok());  // elsewhere
        const auto danach = kis::test::AbbildLesen(u.fx);
        u.presenter.boxen.clear();
        f.mdlBoni->SetMarked(0, true);
        f.btnBuchenClick();
        QVERIFY(kis::test::AbbildLesen(u.fx) == danach);
        QCOMPARE(u.presenter.boxen.size(), size_t(2));
        QVERIFY(u.presenter.boxen[1].find("7-1-0 ist nicht mehr vorhanden") != std::string::npos);
    }

    void filters() {
        Umgebung u;
        Tbonusalsverw f;
        f.show();
        f.cmbBonusTyp->setCurrentIndex(0);  // the empty entry: every programme
        f.chbNurManuell->setChecked(true);
        f.btnSuchenClick();
        QCOMPARE(Zeilen(f), QStringList({"Becker|07.03.2026|4,00|0,00|0,00"}));
        f.chbNurManuell->setChecked(false);
        f.edtGueltigVon->SetText(QStringLiteral("01072026"));  // after the grant's validity end
        f.btnSuchenClick();
        QCOMPARE(f.mdlBoni->RowCount(), 0);
        f.edtGueltigVon->SetText(QStringLiteral("30062026"));
        f.btnSuchenClick();
        QCOMPARE(Zeilen(f), QStringList({"Becker|07.03.2026|4,00|0,00|0,00"}));
        f.edtGueltigVon->Clear();
        f.chbBonusOffen->setChecked(false);
        f.btnSuchenClick();
        QCOMPARE(Zeilen(f), QStringList({"Albrecht|06.03.2026|15,00|0,00|0,00"}));
        f.chbBonusAbgeschlossen->setChecked(false);
        f.btnSuchenClick();
        QCOMPARE(f.mdlBoni->RowCount(), 0);
    }

    // The main menu's two entries open the window with their action.
    void menuEntriesOpenTheWindowWithTheirAction() {
        Umgebung u;
        TKundenInfo menu(u.dm.get());
        Tbonusalsverw f;
        f.MenueVerbinden(menu);
        for (const auto& [eintrag, titel] : {std::pair{"BTNBONUSSTORNO", "Boni stornieren"},
                                              std::pair{"BTNBONUSALSVERW", "Boni als verwendet kennzeichnen"}}) {
            QString gezeigt;
            QTimer::singleShot(0, &f, [&] {
                gezeigt = f.windowTitle();
                f.reject();
            });
            menu.bmnHauptClick(0, QString::fromLatin1(eintrag));
            QCOMPARE(gezeigt, QString::fromUtf8(titel));
        }
    }

    // "Vollbild ein / aus" puts the filter header out of use and back.
    void fullView() {
        Umgebung u;
        Tbonusalsverw f;
        f.show();
        f.btnVollbild->click();
        QVERIFY(!f.pnlKopf->isVisible() && !f.pnlKopf->isEnabled());
        f.btnVollbild->click();
        QVERIFY(f.pnlKopf->isVisible() && f.pnlKopf->isEnabled());
    }
};

QTEST_MAIN(BonusAlsVerwTest)
#include "bonus_als_verw_test.moc"
