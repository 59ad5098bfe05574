// The bonus page's "Bonus als verwendet kennzeichnen" and "Bonus stornieren": which node may be
// chosen, the question, and what the booking changes.
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "app/dm.h"
#include "bonus/bonus_als_verw.h"
#include "overview/uebersicht_frm.h"
#include "overview/uebersicht_texte.h"
#include "platform/services/catalog.h"
#include "platform/services/orv_info.h"
#include "platform/ui/tree_view.h"
#include "support/bonus_orte.h"
#include "support/test_presenter.h"
#include "uebersicht_daten.h"

namespace {

std::string Text(int nr) { return kis::services::CatalogText("MEROVA", nr); }

QTreeWidgetItem* Knoten(TUebersichtFrm& frm, const QString& teil) {
    for (int i = 0; i < frm.tvBonus->topLevelItemCount(); ++i)
        if (frm.tvBonus->topLevelItem(i)->text(0).contains(teil)) return frm.tvBonus->topLevelItem(i);
    return nullptr;
}

// Adler gets two more bonuses in all their places: 7-1-0 (3,00) and 7-2-0 (2,00), each from one
// position of his receipt 1/10.
struct Umgebung {
    Daten d;
    kis::test::TestPresenter presenter;
    std::unique_ptr<TDM> dm;
    Tbonusalsverw form;
    TUebersichtFrm frm;

    Umgebung() {
        BonusDaten b;
        b.rnr = 7;
        b.kunde = d.adler;
        b.datum = SuiteFixture::D(2024, 3, 21);
        b.lnr = 1;
        b.wert = 3.00;
        kis::test::BonusInAllenOrten(d.f, b, {{1, 10, 1}});
        b.lnr = 2;
        b.wert = 2.00;
        kis::test::BonusInAllenOrten(d.f, b, {{1, 10, 2}});
        ORVInfo().SetPresenter(&presenter);
        dm = std::make_unique<TDM>(kis::app::Arguments{});
        dm->ExecuteKIQuery();
        frm.show();
        frm.grdKISU->SelectRow(1);  // Adler
        frm.pgcKunde->setCurrentWidget(frm.tshKundeBonus);
    }
    ~Umgebung() { ORVInfo().SetPresenter(nullptr); }
};

}  // namespace

class UebersichtVerwendungTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // Only a stored, unused bonus node can be chosen; every other choice says why and books
    // nothing.
    void choosingABonusNode() {
        Umgebung u;
        QCOMPARE(u.frm.AktGepNr(), u.d.adler);
        const auto vorher = kis::test::AbbildLesen(u.d.f);
        struct Fall {
            QString knoten;  // empty: no node chosen
            int meldung;
        };
        const Fall faelle[] = {{{}, 1030},
                               {QStringLiteral("Bon 1-4711"), 1030},  // an item, not a bonus
                               {QStringLiteral("Bonus:    4,00 [Neu]"), 1031},
                               {QStringLiteral("Bonus:    4,00 [7-1]"), 1032},
                               {QStringLiteral("Bonus:    4,00 [7--1-0]"), 1032},
                               {QStringLiteral("Rabattschein:    4,00 ]7-1-0["), 1032},
                               {QStringLiteral("Bonus:    4,00 [7-99-0]"), 1033},
                               {QStringLiteral("Bonus:    4,00 [7-1-70000]"), 1033}};
        for (const Fall& f : faelle) {
            u.presenter.boxen.clear();
            u.frm.tvBonus->setCurrentItem(nullptr);
            if (f.knoten == QStringLiteral("Bon 1-4711")) {
                QTreeWidgetItem* bonus = Knoten(u.frm, QStringLiteral("[9-100-1]"));
                QVERIFY(bonus && bonus->childCount() > 0);
                u.frm.tvBonus->setCurrentItem(bonus->child(0));
            } else if (!f.knoten.isEmpty()) {
                u.frm.tvBonus->setCurrentItem(u.frm.tvBonus->AddNode(nullptr, f.knoten));
            }
            QVERIFY(!u.frm.btnBONUVerwendetClick());
            QCOMPARE(u.presenter.boxen, std::vector<std::string>{"inform: " + Text(f.meldung)});
        }
        QVERIFY(kis::test::AbbildLesen(u.d.f) == vorher);
    }

    // Mark 7-1-0 used and cancel 7-2-0 from the page's buttons; a "no" changes nothing; the
    // used bonus cannot be chosen again.
    void markUsedAndCancelFromThePage() {
        Umgebung u;
        QVERIFY(u.frm.btnBONUVerwendet->isEnabled() && u.frm.btnBONUStorno->isEnabled());
        const auto vorher = kis::test::AbbildLesen(u.d.f);

        u.presenter.antwort = false;
        u.frm.tvBonus->setCurrentItem(Knoten(u.frm, QStringLiteral("[7-1-0]")));
        u.frm.btnBONUVerwendet->click();
        QCOMPARE(u.presenter.boxen, std::vector<std::string>{"ask: " + Text(1020)});
        QVERIFY(kis::test::AbbildLesen(u.d.f) == vorher);

        u.presenter.antwort = true;
        u.presenter.boxen.clear();
        u.frm.tvBonus->setCurrentItem(Knoten(u.frm, QStringLiteral("[7-1-0]")));
        QVERIFY(u.frm.btnBONUVerwendetClick());
        QTreeWidgetItem* verwendet = Knoten(u.frm, QStringLiteral("[7-1-0]"));
        QVERIFY(verwendet);
        QCOMPARE(TORVTreeView::ImageIndex(verwendet), int(kis::overview::bbManuellVerwendet));

        u.frm.tvBonus->setCurrentItem(Knoten(u.frm, QStringLiteral("[7-2-0]")));
        u.frm.btnBONUStorno->click();
        QVERIFY(!Knoten(u.frm, QStringLiteral("[7-2-0]")));
        QCOMPARE(u.presenter.boxen, (std::vector<std::string>{"ask: " + Text(1020), "ask: " + Text(1021)}));

        const auto diff = kis::test::Unterschiede(vorher, kis::test::AbbildLesen(u.d.f));
        QCOMPARE(diff.size(), size_t(3 + 3 + 2));  // used: open item, service row -/+; cancelled: 3 places; mark -/+
        QVERIFY(diff.count("-LST 1/10/2 BN:7-2-0 :0-0-0") && diff.count("+LST 1/10/2 :0-0-0 :0-0-0"));
        QVERIFY(!diff.count("-LST 1/10/1 BN:7-1-0 :0-0-0"));

        u.presenter.boxen.clear();
        u.frm.tvBonus->setCurrentItem(Knoten(u.frm, QStringLiteral("[7-1-0]")));
        QVERIFY(!u.frm.btnBONUStornoClick());
        QCOMPARE(u.presenter.boxen, std::vector<std::string>{"inform: " + Text(1034)});
    }

    // Chosen on a stale page: another workstation cancelled the bonus after the page was built.
    void staleNodeChangesNothing() {
        Umgebung u;
        u.frm.tvBonus->setCurrentItem(Knoten(u.frm, QStringLiteral("[7-2-0]")));
        QVERIFY(Buche_BoniStornieren({TIdent{7, 2, 0}})[0].Ok());
        const auto vorher = kis::test::AbbildLesen(u.d.f);
        QVERIFY(!u.frm.btnBONUVerwendetClick());
        QCOMPARE(u.presenter.boxen, std::vector<std::string>{"inform: " + Text(1033)});
        QVERIFY(kis::test::AbbildLesen(u.d.f) == vorher);
    }
};

QTEST_MAIN(UebersichtVerwendungTest)
#include "uebersicht_verwendung_test.moc"
