#include <QtTest>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "app/app_fixture.h"
#include "app/dm.h"
#include "bonus/beta_seite.h"
#include "bonus/bonus_programme_frm.h"
#include "bonus/pass_seite.h"
#include "bonus/programm_selektion.h"
#include "bonus/radio_gruppe.h"
#include "bonus/umsa_seite.h"
#include "bonus/umzr_listen.h"
#include "bonus/umzr_seite.h"
#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_rechner.h"
#include "platform/bonus/umzr_params.h"
#include "platform/ui/mask_edit.h"
#include "selection/vk_sel_bon_box.h"
#include "selection/vk_sel_pos_box.h"

using kis::testing::AppDb;

namespace {

using Zeilen = std::vector<std::string>;

TBetaSatz RegelSatz(const std::string& name, Zeilen inhalt, const std::string& wertArt = "P") {
    TBetaSatz s;
    s.Typ = "GRUNDTAB";
    s.Name = name;
    s.Laenge = int(inhalt.size());
    s.WertArt = wertArt;
    s.Inhalt = std::move(inhalt);
    return s;
}

// Answers yes/no questions with a fixed answer and records warnings.
class Presenter : public kis::services::MessagePresenter {
public:
    bool antwort = true;
    std::vector<std::string> warnungen;
    void Inform(const std::string&) override {}
    void Warn(const std::string& t) override { warnungen.push_back(t); }
    bool AskYesNo(const std::string&, bool) override { return antwort; }
};

struct Umgebung {
    AppDb db;
    Presenter presenter;
    std::unique_ptr<TDM> dm;
    TBonusRechner rechner;
    Umgebung() {
        db.Konto({1, 0}, "4711", "Treuebonus", 140);
        db.Konto({1, 0}, "4712", "Passkonto", 141);
        db.Zahlungsmittel(3, "RS10", "Rabattschein 10 %", 2, 1);
        db.Zahlungsmittel(4, "RS5E", "Rabattschein 5 EUR", 2, 2);
        db.Zahlungsmittel(5, "GS", "Gutschein", 1, 0);
        ORVProgramm().SetAktMandant({1, 0});
        ORVInfo().SetPresenter(&presenter);
        dm = std::make_unique<TDM>(kis::app::Arguments{});
        TBetaStore::Speichern(RegelSatz("Drei", {"9999999,99=3,00"}), nullptr);
        TBetaStore::Speichern(RegelSatz("Fix", {"50,00=5,00", "9999999,99=10,00"}, "A"), nullptr);
    }
    ~Umgebung() { ORVInfo().SetPresenter(nullptr); }
    std::unique_ptr<TBonusProgrammeFrm> Fenster() {
        auto f = std::make_unique<TBonusProgrammeFrm>(rechner, dm.get());
        f->show();
        return f;
    }
};

void Waehle(QComboBox* c, const QString& text) {
    const int i = c->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    c->setCurrentIndex(i);
}

}  // namespace

class BonusProgrammeTest : public QObject {
    Q_OBJECT

private slots:
    void ruleRoundTripAndRowLayout() {
        Umgebung u;
        auto f = u.Fenster();
        TBetaSeite* b = f->BETA;
        QVERIFY(b->Einfuegen());
        b->cmbName->setEditText("Staffel");
        b->BETAedtLaenge->SetText("3");
        QCOMPARE(int(b->BETATabelle.size()), 3);
        QCOMPARE(b->BETATabelle[2].edtWertBis->Text(), QStringLiteral("9999999,99"));
        QVERIFY(!b->BETATabelle[2].edtWertBis->isEnabled());
        b->BETATabelle[0].edtWertBis->SetText("100,00");
        b->BETATabelle[1].edtWertBis->SetText("500,00");
        b->BETA_ElementeFuellen();
        QVERIFY(b->BETATabelle[1].lblWertVon->text().contains("100,01"));
        b->BETATabelle[0].edtBonus->SetText("2,00");
        b->BETATabelle[1].edtBonus->SetText("3,5");
        b->BETATabelle[2].edtBonus->SetText("5,00");
        b->grpRunden->button(1)->click();
        b->BETAedtRundungsDelta->SetText("0,05");
        QVERIFY(b->Buchen());
        for (QWidget* w : std::initializer_list<QWidget*>{b->BETAedtLaenge, b->BETAedtRundungsDelta, b->BETArgpRunden,
                                                         b->BETArgpAbs, b->BETATabelle[0].edtBonus})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));  // browse

        const auto s = TBetaStore::Lesen("GRUNDTAB", "Staffel");
        QVERIFY(s);
        QCOMPARE(s->Laenge, 3);
        QCOMPARE(s->WertArt, std::string("P"));
        QCOMPARE(s->RundungKz, 1);
        QCOMPARE(s->RundungIntervall, 0.05);
        QCOMPARE(s->Inhalt, (Zeilen{"100,00=2,00", "500,00=3,50", "9999999,99=5,00"}));
        QCOMPARE(double(TBonusRechner::BETABerechneWert("Staffel", 123.45L)), 4.30);  // 4,32075 -> 4,30

        // Reopened: every control as before.
        f.reset();
        auto g = u.Fenster();
        Waehle(g->BETA->cmbName, "Staffel");
        QCOMPARE(g->BETA->BETAedtLaenge->Text(), QStringLiteral("3"));
        QCOMPARE(g->BETA->BETATabelle[1].edtBonus->Text(), QStringLiteral("3,50"));
        QCOMPARE(g->BETA->RundungKz(), 1);
        QCOMPARE(g->BETA->BETAedtRundungsDelta->Text(), QStringLiteral("0,05"));

        // Shortening keeps the first rows; the new last one becomes the open band.
        QVERIFY(g->BETA->Aendern());
        g->BETA->BETAedtLaenge->SetText("2");
        QCOMPARE(g->BETA->BETATabelle[1].edtWertBis->Text(), QStringLiteral("9999999,99"));
        // Switching to absolute values clears the interval and disables rounding.
        g->BETA->BETArgpAbs->click();
        QVERIFY(!g->BETA->BETArgpRunden->isEnabled());
        QVERIFY(g->BETA->BETAedtRundungsDelta->Text().isEmpty());
        g->BETA->BETARgpProz->click();
        QCOMPARE(g->BETA->RundungKz(), 0);
    }

    void ruleInUseIsNotDeleted() {
        Umgebung u;
        TBetaSatz pass;
        pass.Typ = "BONUSPASS";
        pass.Name = "Stempel";
        pass.Laenge = 1;
        pass.Inhalt = {"Drei"};
        TBetaStore::Speichern(pass, nullptr);
        auto f = u.Fenster();
        Waehle(f->BETA->cmbName, "Drei");
        QVERIFY(!f->BETA->Loeschen());
        QVERIFY(TBetaStore::Lesen("GRUNDTAB", "Drei"));
        QVERIFY(!u.presenter.warnungen.empty());
        QVERIFY(QString::fromStdString(u.presenter.warnungen.back()).contains("Stempel"));
        Waehle(f->BETA->cmbName, "Fix");
        QVERIFY(f->BETA->Loeschen());
        QVERIFY(!TBetaStore::Lesen("GRUNDTAB", "Fix"));
    }

    void passRoundTripKeepsSelectionAndRefusesBadInput() {
        Umgebung u;
        auto f = u.Fenster();
        TPassSeite* p = f->PASS;
        QVERIFY(p->Einfuegen());
        p->cmbName->setEditText("Stempelkarte");
        p->PASSedtLaenge->SetText("0");
        QVERIFY(!p->Buchen());  // length 0 refused
        p->PASSedtLaenge->SetText("3");
        QVERIFY(!p->Buchen());  // entries without a rule refused
        Waehle(p->PASSTabelle[0].cmbBerechn, "Drei");
        Waehle(p->PASSTabelle[1].cmbBerechn, "Drei");
        Waehle(p->PASSTabelle[2].cmbBerechn, "Fix");
        QCOMPARE(p->PASSTabelle[2].lblBonus->text().trimmed(),
                 QString(p->PASSTabelle[2].lblWert->text().trimmed().replace(".", "").replace(",", ".").toDouble() > 50
                             ? "10,00" : "5,00"));
        p->PASSrgpPosBon->SetItemIndex(1);
        p->PASSrgpStorno->SetItemIndex(1);
        Waehle(p->PASScmbKonto, "Passkonto");
        p->Selektion->BoxesGet({"VkSelBonBox.lblTxtDatum=1", "VkSelBonBox.edtDatumVon=01012026", "Unbekannt.x=1"});
        QVERIFY(p->Buchen());

        const auto s = TBetaStore::Lesen("BONUSPASS", "Stempelkarte");
        QVERIFY(s);
        QCOMPARE(s->Inhalt, (Zeilen{"Drei", "Drei", "Fix"}));
        QCOMPARE(s->Basis, std::string("1"));
        QCOMPARE(s->Storno, std::string("1"));
        QCOMPARE(s->Konto, std::string("4712"));
        QCOMPARE(TBonusRechner::Fuelle_Selektion("BONUSPASS", "Stempelkarte"),
                 (Zeilen{"VkSelBonBox.lblTxtDatum=1", "VkSelBonBox.edtDatumVon=01012026", "VkSelBonBox.edtDatumBis=",
                         "VkSelPosBox.chbNichtBonusVerrechnet=1",
                         "VkSelPosBox.chbBonusVerrechnet=0", "Unbekannt.x=1"}));

        f.reset();
        auto g = u.Fenster();
        Waehle(g->PASS->cmbName, "Stempelkarte");
        QCOMPARE(g->PASS->PASSedtLaenge->Text(), QStringLiteral("3"));
        QCOMPARE(g->PASS->PASSTabelle[2].cmbBerechn->currentText(), QStringLiteral("Fix"));
        QCOMPARE(g->PASS->PASSrgpPosBon->ItemIndex(), 1);
        QCOMPARE(g->PASS->PASScmbKonto->currentText(), QStringLiteral("Passkonto"));
        QCOMPARE(g->PASS->Selektion->VkSelBonBox->Wert("edtDatumVon"), QStringLiteral("01012026"));
        QCOMPARE(g->PASS->Selektion->VkSelBonBox->Wert("lblTxtDatum"), QStringLiteral("1"));

        // A pass whose content disagrees with its length still keeps its selection on save.
        u.db.Db().Exec("UPDATE BETA SET LAENGE = 5 WHERE NAME = 'Stempelkarte' AND NR = 0");
        g.reset();
        auto h = u.Fenster();
        Waehle(h->PASS->cmbName, "Stempelkarte");
        QVERIFY(h->PASS->Aendern());
        for (auto& z : h->PASS->PASSTabelle) Waehle(z.cmbBerechn, "Drei");
        QVERIFY(h->PASS->Buchen());
        QCOMPARE(TBonusRechner::Fuelle_Selektion("BONUSPASS", "Stempelkarte").front(), std::string("VkSelBonBox.lblTxtDatum=1"));
    }

    void turnoverAndCouponRoundTrip() {
        Umgebung u;
        auto f = u.Fenster();
        TUmsaSeite* umsa = f->UMSA;
        QVERIFY(umsa->Einfuegen());
        umsa->cmbName->setEditText("Umsatz");
        QVERIFY(!umsa->Buchen());  // no rule chosen
        Waehle(umsa->cmbBerechnungsvorschrift, "Drei");
        umsa->rgpBerechnung->SetItemIndex(2);
        umsa->rgpStorno->SetItemIndex(1);
        QVERIFY(umsa->Buchen());
        auto s = TBetaStore::Lesen("BONUSUMSA", "Umsatz");
        QCOMPARE(s->Laenge, -1);
        QCOMPARE(s->Basis, std::string("2"));
        QCOMPARE(s->Storno, std::string("1"));
        QCOMPARE(s->Konto, std::string());  // no account chosen
        QCOMPARE(s->Inhalt, Zeilen{"Drei"});

        TUmsaSeite* rabs = f->RABS;
        QCOMPARE(rabs->cmbZiel->count(), 2);  // coupon types only
        QVERIFY(rabs->Einfuegen());
        rabs->cmbName->setEditText("Coupon");
        Waehle(rabs->cmbBerechnungsvorschrift, "Fix");
        QVERIFY(!rabs->Buchen());  // no coupon type
        Waehle(rabs->cmbZiel, "Rabattschein 5 EUR");
        QVERIFY(rabs->Buchen());
        s = TBetaStore::Lesen("BONUSRABS", "Coupon");
        QCOMPARE(s->Basis, std::string("2"));
        QCOMPARE(s->Konto, std::string("RS5E"));

        // A coupon whose type vanished shows no type, not the one viewed before.
        TBetaSatz alt = *s;
        alt.Name = "Alt";
        alt.Konto = "WEG";
        alt.Inhalt = {"Gibtsnicht"};
        TBetaStore::Speichern(alt, nullptr);
        f.reset();
        auto g = u.Fenster();
        Waehle(g->RABS->cmbName, "Coupon");
        QCOMPARE(g->RABS->cmbZiel->currentText(), QStringLiteral("Rabattschein 5 EUR"));
        Waehle(g->RABS->cmbName, "Alt");
        QCOMPARE(g->RABS->cmbZiel->currentIndex(), -1);
        QCOMPARE(g->RABS->cmbBerechnungsvorschrift->currentIndex(), -1);
        // Stored without a cancellation handling: nothing selected, and saving asks for one.
        u.db.Db().Exec("UPDATE BETA SET STORNO = '' WHERE NAME = 'Coupon'");
        Waehle(g->RABS->cmbName, "Alt");
        Waehle(g->RABS->cmbName, "Coupon");
        QCOMPARE(g->RABS->rgpStorno->ItemIndex(), -1);
        QVERIFY(g->RABS->Aendern());
        QVERIFY(!g->RABS->Buchen());
        g->RABS->rgpStorno->SetItemIndex(0);
        QVERIFY(g->RABS->Buchen());
        QCOMPARE(TBetaStore::Lesen("BONUSRABS", "Coupon")->Storno, std::string("0"));
    }

    void periodPremiumRoundTripAndGridFailure() {
        Umgebung u;
        auto f = u.Fenster();
        TUmzrSeite* z = f->UMZR;
        QVERIFY(z->Einfuegen());
        z->cmbName->setEditText("Quartal");
        Waehle(z->UMZRcmbBerechnungsvorschrift, "Drei");
        z->UMZRedtZeitraum->SetText("0");
        QVERIFY(!z->Buchen());  // period length 0 refused
        z->UMZRedtZeitraum->SetText("3");
        z->UMZRcmbZeitraum->setCurrentIndex(2);
        z->UMZRedtUmsatzgrenze->SetText("200,00");
        z->UMZRchbGutschein->setChecked(true);
        z->UMZRrgpBerechnung->SetItemIndex(1);
        z->UMZRrgpStorno->SetItemIndex(1);
        z->UMZRvrStaffel->ExtraBonusSetzen({{100000, 1000}});
        Waehle(z->UMZRcmbKonto, "Treuebonus");
        QVERIFY(z->Buchen());
        auto s = TBetaStore::Lesen("BONUSUMZR", "Quartal");
        QCOMPARE(s->Basis, std::string("1"));
        QCOMPARE(s->Storno, std::string("1"));
        QCOMPARE(s->Konto, std::string("4711"));
        TQEL_UMZR_Params p;
        p.FillFromStrL(s->Inhalt);
        QCOMPARE(p.Zeitraum, 3);
        QCOMPARE(p.Einheit, kUMZRMonate);
        QCOMPARE(p.UmsatzgrenzeCent, int64_t(20000));
        QCOMPARE(p.Regel, std::string("Drei"));
        QCOMPARE(p.Berechnung, 2);
        QCOMPARE(p.Storno, 2);
        QVERIFY(p.GutscheinBeiAusgabe);
        QCOMPARE(p.ExtraBonus.size(), size_t(1));

        // An unreadable article row stops the save and keeps the stored list.
        QVERIFY(z->Aendern());
        z->UMZRvrArtikelSonderbonus->item(0, 1)->setText("999-9-9");  // no such article
        z->UMZRvrArtikelSonderbonus->item(0, 5)->setText("5,00");
        QVERIFY(!z->Buchen());
        QCOMPARE(TBetaStore::Lesen("BONUSUMZR", "Quartal")->Inhalt, s->Inhalt);
        z->Abbrechen();

        f.reset();
        auto g = u.Fenster();
        Waehle(g->UMZR->cmbName, "Quartal");
        QCOMPARE(g->UMZR->UMZRedtZeitraum->Text(), QStringLiteral("3"));
        QCOMPARE(g->UMZR->UMZRcmbZeitraum->currentIndex(), 2);
        QVERIFY(g->UMZR->UMZRchbGutschein->isChecked());
        QCOMPARE(g->UMZR->UMZRvrStaffel->Zeilen(), 1);
        QCOMPARE(g->UMZR->UMZRrgpStorno->Code(), 2);
    }

    void failingSaveKeepsStoredProgrammeAndTheEditState() {
        Umgebung u;
        TBetaSatz a;
        a.Typ = "BONUSUMSA";
        a.Name = "A";
        a.Laenge = -1;
        a.Basis = "0";
        a.Inhalt = {"Drei"};
        const Zeilen selA{"GPSelNrBox.edtNrVon=1"};
        TBetaStore::Speichern(a, &selA);
        TBetaSatz b = a;
        b.Name = "B";
        b.Basis = "1";
        b.Inhalt = {"Fix"};
        TBetaStore::Speichern(b, nullptr);

        auto f = u.Fenster();
        TUmsaSeite* s = f->UMSA;
        Waehle(s->cmbName, "A");
        QVERIFY(s->Aendern());
        Waehle(s->cmbBerechnungsvorschrift, "Fix");
        TBetaStore::NachSatzGeschrieben = [](int nr) {
            if (nr == 1) throw std::runtime_error("Schreibfehler");
        };
        QVERIFY(!s->Buchen());
        TBetaStore::NachSatzGeschrieben = nullptr;
        QCOMPARE(TBetaStore::Lesen("BONUSUMSA", "A")->Inhalt, Zeilen{"Drei"});
        QCOMPARE(TBonusRechner::Fuelle_Selektion("BONUSUMSA", "A"), selA);
        QCOMPARE(s->Get_Bearbeitungszustand(), int(TProgrammSeite::zsAendern));
        QVERIFY(!u.db.Db().InTransaction());

        // Cancelling lifts the suppression: picking another programme shows its own values.
        s->Abbrechen();
        Waehle(s->cmbName, "B");
        QCOMPARE(s->cmbBerechnungsvorschrift->currentText(), QStringLiteral("Fix"));
        QCOMPARE(s->rgpBerechnung->ItemIndex(), 1);
        Waehle(s->cmbName, "A");
        QCOMPARE(s->cmbBerechnungsvorschrift->currentText(), QStringLiteral("Drei"));
    }

    void selectionTabsRoundTripAndKeepTheBonusLock() {
        Umgebung u;
        auto f = u.Fenster();
        TProgrammSelektion* sel = f->UMZR->Selektion;
        auto gesperrt = [sel] {
            return sel->VkSelPosBox->IstGesperrt("chbNichtBonusVerrechnet") &&
                   sel->VkSelPosBox->IstGesperrt("chbBonusVerrechnet") &&
                   sel->VkSelPosBox->Wert("chbNichtBonusVerrechnet") == "1" &&
                   sel->VkSelPosBox->Wert("chbBonusVerrechnet") == "0";
        };
        QVERIFY(gesperrt());
        // Lines that try to open the lock are overruled; restoring works in browse.
        const Zeilen zeilen{"VkSelBonBox.lblTxtDatum=1", "VkSelBonBox.edtDatumVon=01012026", "VkSelBonBox.edtDatumBis=",
                            "VkSelPosBox.chbBonusVerrechnet=1", "SumSelEVBox.x=1"};
        sel->BoxesGet(zeilen);
        QVERIFY(gesperrt());
        const Zeilen geschrieben = sel->BoxesPut();
        QCOMPARE(geschrieben, (Zeilen{"VkSelBonBox.lblTxtDatum=1", "VkSelBonBox.edtDatumVon=01012026",
                                      "VkSelBonBox.edtDatumBis=", "VkSelPosBox.chbNichtBonusVerrechnet=1",
                                      "VkSelPosBox.chbBonusVerrechnet=0"}));
        sel->BoxesGet(geschrieben);
        QCOMPARE(sel->BoxesPut(), geschrieben);
        sel->EnabledSetzen(true);
        QVERIFY(gesperrt());
        sel->Clear();
        QVERIFY(gesperrt());
        QCOMPARE(sel->VkSelBonBox->Wert("edtDatumVon"), QString());
        QVERIFY(f->UMZR->Einfuegen());
        QVERIFY(gesperrt());
    }

    void ownFlagGuardsChangeAndDelete() {
        Umgebung u;
        TBetaStore::Speichern(RegelSatz("Fremd", {"9999999,99=1,00"}), nullptr);
        u.db.Db().Exec("UPDATE BETA SET EIGEN = 'N' WHERE NAME = 'Fremd'");
        auto f = u.Fenster();
        Waehle(f->BETA->cmbName, "Fremd");
        QVERIFY(!f->BETA->Aendern());
        QVERIFY(!f->BETA->Loeschen());
        QVERIFY(TBetaStore::Lesen("GRUNDTAB", "Fremd"));
        QCOMPARE(f->BETA->Get_Bearbeitungszustand(), int(TProgrammSeite::zsBlaettern));
        Waehle(f->BETA->cmbName, "Drei");
        QVERIFY(f->BETA->Aendern());
    }

    void escapeCancelsAnEditOnEveryPageBeforeClosing() {
        Umgebung u;
        auto f = u.Fenster();
        for (TProgrammSeite* s : std::initializer_list<TProgrammSeite*>{f->BETA, f->PASS, f->UMSA, f->RABS, f->UMZR}) {
            f->pgcAlles->setCurrentIndex(s == f->BETA ? 0 : f->pgcAlles->indexOf(s));
            QCOMPARE(f->AktiveSeite(), s);
            QVERIFY(s->Einfuegen());
            QTest::keyClick(f.get(), Qt::Key_Escape);
            QVERIFY2(f->isVisible(), qPrintable(s->Prefix()));
            QCOMPARE(s->Get_Bearbeitungszustand(), int(TProgrammSeite::zsBlaettern));
        }
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(!f->isVisible());
    }
};

QTEST_MAIN(BonusProgrammeTest)
#include "bonus_programme_test.moc"
