#include <QtTest>

#include "app/dm.h"
#include "app/kunden_info.h"
#include "app/unattended.h"
#include "platform/bonus/beta_programm.h"
#include "app_fixture.h"
#include "platform/tables/bonus_typen.h"
#include "platform/ui/button_menu.h"
#include "platform/ui/std_button.h"

using kis::testing::AppDb;

class KundenInfoTest : public QObject {
    Q_OBJECT

    static QStringList Enabled(TKundenInfo& w) {
        QStringList out;
        TBtnCollection* b = w.bmnHaupt->Buttons();
        for (int i = 0; i < b->Count(); ++i)
            if (b->At(i).enabled && b->At(i).kind == TBtnCollection::Kind::Button) out << b->At(i).name;
        return out;
    }

private slots:
    void menuEntriesAsDesigned() {
        AppDb db;
        TDM dm({});
        TKundenInfo w(&dm);
        TBtnCollection* b = w.bmnHaupt->Buttons();
        QCOMPARE(b->Count(), 16);
        QCOMPARE(b->At(0).name, QStringLiteral("Headline 0"));
        QCOMPARE(b->At(5).caption, QStringLiteral("Kundeninformation"));
        QCOMPARE(b->At(6).caption, QStringLiteral("Einzelkunden - Kurzinfo"));
        QCOMPARE(b->At(8).name, QStringLiteral("btnBonusVerw"));
        QVERIFY(b->At(8).kind == TBtnCollection::Kind::Headline);
        QCOMPARE(b->At(15).name, QStringLiteral("btnBonsUmw"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Kundeninformationssystem - "));
    }

    void enablingRuleByWorkstationType() {
        AppDb db;
        TDM dm({});
        TKundenInfo w(&dm);
        const QStringList always{"btnKundEingIns", "btnKundEingEdit", "btnSerBrief", "btnInfoEinzel",
                                 "btnInfoListe"};
        const QStringList bonus{"btnBonusMan", "btnBonusEing", "btnBonusOpt", "btnBonusErz",
                                "btnBonusAbschl", "btnBonusAlsVerw", "btnBonusStorno"};
        for (int typ : {1, 7}) {
            w.EnabledSetzen(typ);
            QCOMPARE(Enabled(w), QStringList() << always.mid(0, 3) << "btnBonusMan" << always.mid(3)
                                               << bonus.mid(1));
        }
        for (int typ : {3, 4}) {
            w.EnabledSetzen(typ);
            QCOMPARE(Enabled(w), QStringList() << always << "btnBonusAlsVerw");
        }
        for (int typ : {2, 0, 99}) {
            w.EnabledSetzen(typ);
            QCOMPARE(Enabled(w), always);
        }
        // The conversion entry never comes on, and a click on it does nothing.
        w.EnabledSetzen(1);
        QVERIFY(!w.bmnHaupt->IsEnabled("btnBonsUmw"));
        QVERIFY(!w.bmnHaupt->ClickEntry(15));
        QVERIFY(w.LetzteAktion().isEmpty());
    }

    void formCreateReadsTheWorkstationTypeAndCaption() {
        AppDb db;
        ORVProgramm().SetRTyp(3);
        ORVProgramm().SetAktMandant({2, 0});
        TDM dm({});
        TKundenInfo w(&dm);
        QCOMPARE(w.windowTitle(), QStringLiteral("Kundeninformationssystem - Modehaus Nord"));
        QVERIFY(!w.bmnHaupt->IsEnabled("btnBonusMan"));
        QVERIFY(w.bmnHaupt->IsEnabled("btnBonusAlsVerw"));
        // FormShow makes the first client company current.
        w.show();
        QCOMPARE(ORVProgramm().GetAktMandant(), TIntPair(1, 0));
    }

    void dispatchTableInMenuOrder() {
        AppDb db;
        TDM dm({});
        TKundenInfo w(&dm);
        QStringList keys;
        for (const auto& a : w.Aktionen()) keys << a.key;
        QCOMPARE(keys, QStringList({"BTNKUNDEINGINS", "BTNKUNDEINGEDIT", "BTNSERBRIEF", "BTNBONUSMAN",
                                    "BTNINFOEINZEL", "BTNINFOLISTE", "BTNBONUSEING", "BTNBONUSOPT",
                                    "BTNBONUSERZ", "BTNBONUSABSCHL", "BTNBONUSALSVERW",
                                    "BTNBONUSSTORNO", "BTNBONUSUMW"}));
        QCOMPARE(w.Aktionen().back().registeredAs, QStringLiteral("TKundenInfo.BonusEditUmw"));
        // No menu entry carries the last key.
        QCOMPARE(w.bmnHaupt->IndexOf("BTNBONUSUMW"), -1);
    }

    void dispatchHidesAndShowsAlsoOnFailure() {
        AppDb db;
        TDM dm({});
        TKundenInfo w(&dm);
        w.show();
        bool visibleDuring = true;
        QVERIFY(w.SetAktion("btnBonusUmw", [&] { visibleDuring = w.isVisible(); }));
        w.bmnHauptClick(0, "btnBonusUmw");  // reachable only by name
        QCOMPARE(w.LetzteAktion(), QStringLiteral("BTNBONUSUMW"));
        QVERIFY(!visibleDuring);
        QVERIFY(w.isVisible());

        QVERIFY(w.SetAktion("BTNSERBRIEF", [] { throw std::runtime_error("kaputt"); }));
        w.bmnHauptClick(3, "btnSerBrief");
        QVERIFY(w.isVisible());
        QVERIFY(db.Registered("TKundenInfo.KundEingSerb"));

        w.bmnHauptClick(0, "btnGibtEsNicht");
        QCOMPARE(w.LetzteAktion(), QStringLiteral("BTNSERBRIEF"));
        QVERIFY(!w.SetAktion("BTNGIBTESNICHT", {}));
    }

    void bonusGenerationFillsTheRunFields() {
        AppDb db;
        TDM dm({});
        TKundenInfo w(&dm);
        w.show();
        // Picker cancelled: nothing changes and the window returns.
        bool selektion = false;
        w.ProgrammWahl = [](QString&, QString&) { return false; };
        w.BonusSelektion = [&](const QStringList&) { selektion = true; };
        w.bmnHauptClick(11, "btnBonusErz");
        QVERIFY(!selektion);
        QVERIFY(dm.KIModus == TSelektionFrmModus::smKundeninfoSelektion);
        QVERIFY(w.isVisible());
        // One empty text: no selection either.
        w.ProgrammWahl = [](QString& t, QString& n) { t = "x"; n.clear(); return true; };
        w.bmnHauptClick(11, "btnBonusErz");
        QVERIFY(!selektion);

        const QString name = QString::fromStdString(CBonuTypen2Name(2));
        w.ProgrammWahl = [&](QString& t, QString& n) { t = name; n = "Stammkunden"; return true; };
        w.ProgrammSelektion = [](const QString&, const QString&) { return QStringList{"a.b=1"}; };
        QStringList got;
        w.BonusSelektion = [&](const QStringList& l) { got = l; selektion = true; };
        w.bmnHauptClick(11, "btnBonusErz");
        QVERIFY(selektion);
        QCOMPARE(got, QStringList{"a.b=1"});
        QCOMPARE(dm.BonusKennung, QString::fromStdString(CBonuTypen2Kuerzel(2)));
        QCOMPARE(dm.BonusName, QStringLiteral("Stammkunden"));
        QVERIFY(dm.KIModus == TSelektionFrmModus::smBonusSelektion);
        // A type that names none of the kinds is kept as it is.
        QCOMPARE(TKundenInfo::BonusKennungFuer("Sonderaktion"), QStringLiteral("Sonderaktion"));
    }

    void automaticModeEndsWithAStatusWhereverItStops() {
        AppDb db;
        // Another workstation type may not generate: the start ends at once.
        kis::app::AbgZuruecksetzen();
        ORVProgramm().SetRTyp(4);
        TDM dm4({"-ABG", "-PROG=Bonuspass", "-KUND=Sommer"});
        TKundenInfo w4(&dm4);
        QVERIFY(w4.LetzteAktion().isEmpty());
        QVERIFY(kis::app::AbgBeendet());
        QVERIFY(kis::app::AbgLetzterStatus() == kis::app::AbgStatus::Aufruf);
        // Type 1 starts the generation; an unknown programme ends it.
        kis::app::AbgZuruecksetzen();
        ORVProgramm().SetRTyp(1);
        TDM dm1({"/abg", "-PROG=Bonuspass", "-KUND=Sommer"});
        TKundenInfo w1(&dm1);
        QVERIFY(w1.LetzteAktion().isEmpty());  // the start is posted to the message loop
        QTRY_COMPARE(w1.LetzteAktion(), QStringLiteral("BTNBONUSERZ"));
        QVERIFY(kis::app::AbgLetzterStatus() == kis::app::AbgStatus::Aufruf);
        // A programme that can be used goes on to the selection; the bonus generation of its
        // run is not there yet, so the road ends there, with its own status.
        kis::app::AbgZuruecksetzen();
        TBetaSatz regel;
        regel.Typ = "GRUNDTAB";
        regel.Name = "Drei Prozent";
        regel.Laenge = 1;
        regel.Inhalt = {"9999999,99=3,00"};
        TBetaStore::Speichern(regel, nullptr);
        TBetaSatz p;
        p.Typ = "BONUSUMSA";
        p.Name = "Sommer";
        p.Inhalt = {"Drei Prozent"};
        const std::vector<std::string> selektion;
        TBetaStore::Speichern(p, &selektion);
        TDM dm2({"-ABG", "-PROG=Bonusprogramm - Umsatzprämie", "-KUND=Sommer"});
        TKundenInfo w2(&dm2);
        QTRY_VERIFY(kis::app::AbgBeendet());
        QVERIFY(kis::app::AbgLetzterStatus() == kis::app::AbgStatus::NichtVerfuegbar);
        kis::app::AbgZuruecksetzen();
    }

    void escapeAndEndeEndTheProgram() {
        AppDb db;
        TDM dm({});
        TKundenInfo w(&dm);
        int ended = 0;
        w.OnEnde = [&] { ++ended; };
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(ended, 1);
        w.btnEnde->click();
        QCOMPARE(ended, 2);
    }
};

QTEST_MAIN(KundenInfoTest)
#include "kunden_info_test.moc"
