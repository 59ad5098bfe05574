#include <QtTest>

#include "app/aktiv_passiv.h"
#include "app/command_line.h"

using namespace kis::app;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void automaticModeNeedsASwitchCharacter() {
        QVERIFY(CheckAutoBGModus({"-ABG"}));
        QVERIFY(CheckAutoBGModus({"/abg"}));
        QVERIFY(CheckAutoBGModus({"  -abg  "}));
        QVERIFY(!CheckAutoBGModus({"ABG"}));
        QVERIFY(!CheckAutoBGModus({"-ABGX"}));
        QVERIFY(!CheckAutoBGModus({"--db=/tmp/abg"}));
    }

    void mandantValueFromTheSeventhCharacter() {
        const auto m = MandantSwitches({"-mand=Filiale Nord", "MAND=x", "/MAND=", "-MANDANT=1"});
        QCOMPARE(int(m.size()), 2);
        QCOMPARE(QString::fromStdString(m[0]), QStringLiteral("Filiale Nord"));
        QCOMPARE(QString::fromStdString(m[1]), QString());
    }

    void programmeAndKindKeepCaseAndLastWins() {
        const Arguments a{"-ABG", "/prog=Bonusprogramm - Bonuspass", "-KUND=Stamm", "-KUNDE=Neu=2",
                          "-PROG", "-kund=Letzter"};
        QCOMPARE(QString::fromStdString(GetAutoBGMaske(a, 0)),
                 QStringLiteral("Bonusprogramm - Bonuspass"));
        QCOMPARE(QString::fromStdString(GetAutoBGMaske(a, 1)), QStringLiteral("Letzter"));
        QCOMPARE(QString::fromStdString(GetAutoBGMaske({"-KUNDE=Neu=2"}, 1)), QStringLiteral("Neu=2"));
        QCOMPARE(QString::fromStdString(GetAutoBGMaske({"PROG=ohne"}, 0)), QString());
        QCOMPARE(QString::fromStdString(DatabaseArgument({"-ABG", "--db=/data/kis.db"})),
                 QStringLiteral("/data/kis.db"));
    }

    void activePassiveStateMachine() {
        TAktivPassivTable t{{"cmbStatus", "chbAktiv", "chbPassiv"}, {"cmbWerbung", "chbWJa", "chbWNein"}};
        SonderLockeAktivPassiv("CHBAKTIV", "1", t);
        QCOMPARE(t[0].state, 1);
        SonderLockeAktivPassiv("chbPassiv", "1", t);  // both set: no restriction
        QCOMPARE(t[0].state, 0);
        SonderLockeAktivPassiv("chbPassiv", "1", t);  // touched, state 0, set -> passive
        QCOMPARE(t[0].state, 2);
        SonderLockeAktivPassiv("chbAktiv", "0", t);   // unset leaves it
        QCOMPARE(t[0].state, 2);

        SonderLockeAktivPassiv("chbWNein", "0", t);   // first touch, not set -> 0
        QCOMPARE(t[1].state, 0);
        QVERIFY(t[1].touched);
        SonderLockeAktivPassiv("chbWJa", "1", t);
        QCOMPARE(t[1].state, 1);
        SonderLockeAktivPassiv("unbekannt", "1", t);  // nothing happens
        QCOMPARE(t[1].state, 1);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
