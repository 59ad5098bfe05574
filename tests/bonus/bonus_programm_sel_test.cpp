#include <QtTest>

#include <QCheckBox>
#include <QComboBox>

#include "app/app_fixture.h"
#include "app/dm.h"
#include "app/kunden_info.h"
#include "bonus/bonus_fenster.h"
#include "bonus/bonus_optionen_fm.h"
#include "bonus/bonus_programm_sel_frm.h"
#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/services/orv_parameter.h"
#include "platform/services/settings.h"

using kis::testing::AppDb;

namespace {

class Presenter : public kis::services::MessagePresenter {
public:
    bool antwort = false;
    int fragen = 0;
    int warnungen = 0;
    void Inform(const std::string&) override {}
    void Warn(const std::string&) override { ++warnungen; }
    bool AskYesNo(const std::string&, bool) override {
        ++fragen;
        return antwort;
    }
};

void Programm(const std::string& typ, const std::string& name, const std::vector<std::string>& sel) {
    TBetaSatz regel;
    regel.Typ = "GRUNDTAB";
    regel.Name = "Drei";
    regel.Laenge = 1;
    regel.Inhalt = {"9999999,99=3,00"};
    TBetaStore::Speichern(regel, nullptr);
    TBetaSatz s;
    s.Typ = typ;
    s.Name = name;
    s.Laenge = 1;
    s.Inhalt = {"Drei"};
    TBetaStore::Speichern(s, &sel);
}

}  // namespace

class BonusProgrammSelTest : public QObject {
    Q_OBJECT

private slots:
    void pickerAsksOnlyWhenTheChoiceChanged() {
        AppDb db;
        Presenter p;
        ORVInfo().SetPresenter(&p);
        Programm("BONUSPASS", "Stempel", {});
        Programm("BONUSPASS", "Karte", {});
        TBonusRechner r;
        {
            TBonusProgrammSelFrm f(r);
            QCOMPARE(f.cmbBonusTyp->count(), 4);
            f.show();
            f.btnWeiterClick();  // nothing chosen
            QVERIFY(f.isVisible());
            f.cmbBonusTyp->setCurrentIndex(f.cmbBonusTyp->findText("Bonusprogramm - Prämienpass"));
            QCOMPARE(f.cmbBonusName->count(), 2);
            f.cmbBonusName->setCurrentIndex(f.cmbBonusName->findText("Stempel"));
            f.btnWeiterClick();  // no saved state: no question
            QCOMPARE(f.result(), int(QDialog::Accepted));
            QCOMPARE(p.fragen, 0);
        }
        TBonusProgrammSelFrm g(r);
        QCOMPARE(g.FAltName, QStringLiteral("Stempel"));
        g.show();
        g.btnWeiterClick();  // same choice restored
        QCOMPARE(g.result(), int(QDialog::Accepted));
        QCOMPARE(p.fragen, 0);
        g.setResult(0);
        g.show();
        g.cmbBonusName->setCurrentIndex(g.cmbBonusName->findText("Karte"));
        g.btnWeiterClick();  // another name: asked, "no" keeps the window open
        QCOMPARE(p.fragen, 1);
        QVERIFY(g.isVisible());
        // A programme whose main record vanished is refused.
        TBetaStore::Loeschen("BONUSPASS", "Karte");
        p.antwort = true;
        g.btnWeiterClick();
        QVERIFY(g.isVisible());
        QCOMPARE(p.warnungen, 1);
        ORVInfo().SetPresenter(nullptr);
    }

    void bonusGenerationGetsTheProgrammesStoredSelection() {
        AppDb db;
        Programm("BONUSUMSA", "Umsatz", {"GPSelNrBox.edtNrVon=5", "VkSelPosBox.chbNichtBonusVerrechnet=1"});
        TDM dm({});
        TKundenInfo menu(&dm);
        TBonusFenster fenster(menu, dm);
        QStringList erhalten;
        menu.BonusSelektion = [&](const QStringList& l) { erhalten = l; };
        menu.ProgrammWahl = [](QString& typ, QString& name) {
            typ = "Bonusprogramm - Umsatzprämie";
            name = "Umsatz";
            return true;
        };
        ORVProgramm().SetRTyp(1);
        menu.bmnHauptClick(0, "BTNBONUSERZ");
        QCOMPARE(erhalten, (QStringList{"GPSelNrBox.edtNrVon=5", "VkSelPosBox.chbNichtBonusVerrechnet=1"}));
        QCOMPARE(dm.BonusKennung, QStringLiteral("BONUSUMSA"));
        QCOMPARE(dm.KIModus, TSelektionFrmModus::smBonusSelektion);
    }

    void usageSettingsShowAndBook() {
        AppDb db;
        TBonusOptionenFm f;
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        for (QCheckBox* c : {f.chbParamBonusDirekt, f.chbParamBonusAbgeschl, f.chbParamBonusAutoAb,
                             f.chbParamBonusAlsSet, f.chbParamBonusSelektiv, f.chbParamBonusTeilausgleich})
            QVERIFY(!c->isChecked());
        f.chbParamBonusAbgeschl->setChecked(true);
        f.chbParamBonusSelektiv->setChecked(true);
        QTest::keyClick(&f, Qt::Key_F5);
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(ORVParameter().GetCharValueByName("BONUNUAB", '?'), 'J');
        QCOMPARE(ORVParameter().GetCharValueByName("BONUDIRE", '?'), 'N');
        QCOMPARE(TSimpleMask("BONUSCFG").ReadDef("BONUSSELECT", 0), 1);
        QCOMPARE(TSimpleMask("BONUSCFG").ReadDef("BONUSALSSET", 7), 0);
        // Escape writes nothing.
        TBonusOptionenFm g;
        g.show();
        g.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&g));
        QVERIFY(g.chbParamBonusAbgeschl->isChecked());
        g.chbParamBonusAbgeschl->setChecked(false);
        QTest::keyClick(&g, Qt::Key_Escape);
        QCOMPARE(ORVParameter().GetCharValueByName("BONUNUAB", '?'), 'J');
    }
};

QTEST_MAIN(BonusProgrammSelTest)
#include "bonus_programm_sel_test.moc"
