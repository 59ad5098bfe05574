#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "app/dm.h"
#include "engine/merova_filter.h"
#include "overview/uebersicht_frm.h"
#include "platform/services/orv_info.h"
#include "platform/ui/dochost/doc_erzeugung.h"
#include "platform/ui/dochost/doc_host_dialog.h"
#include "platform/ui/dochost/gp_doc_host.h"
#include "platform/ui/mail/smtp_einstellungen.h"
#include "support/fake_smtp_server.h"
#include "support/pdf_text.h"
#include "uebersicht_daten.h"

using kis::test::FakeSmtpServer;

namespace {

// The overview data, Bauer with a balance in every open-item table, and Eule with an e-mail
// address (and no sales).
struct MessageDaten : Daten {
    TIntPair eule{3, 0};
    MessageDaten() {
        const TDateTime d = SuiteFixture::D(2024, 2, 10);
        f.OffenerPosten(bauer, "A-GUTSCHEI", "O", d, 0, 20.00);
        f.OffenerPosten(bauer, "A-GUTSCHRI", "O", d, 7.50, 0);
        f.OffenerPosten(bauer, "A-RECHNUNG", "O", d, 100.00, 40.00);
        f.OffenerPosten(bauer, "KREDIT", "O", d, 10.00, 35.25);
        f.OffenerPosten(bauer, "AUSWAHL", "O", d, 80.00, 0);
        f.OffenerPosten(bauer, "RESERV", "O", d, 0, 15.00);
        f.OffenerPosten(bauer, "RSCHEIN", "O", d, 0, 3.00);
        f.Row("GEP", {{"GEPNR", eule}, {"MANDANT", TIntPair(1, 0)}, {"ANREDE", "Herr"}, {"NAME", "Eule"},
                      {"VORNAME", "Cäsar"}, {"SUCHNAME", "Eule"}, {"STRASSE", "Hauptstraße 1"}, {"PLZ", "50667"},
                      {"ORT", "Köln"}, {"EMAIL", "caesar.eule@beispiel.de"}, {"STATUS", "A"}});
        f.KundeInListe(eule, {1, 0});
    }
};

// Runs the evaluation with total sums, as the overview shows them.
bool Auswerten(TDM& dm) {
    dm.KIFilter->FGesSumBuild = true;
    return dm.ExecuteKIQuery();
}

void SmtpEinstellen(quint16 port) {
    TSmtpEinstellungen e;
    e.Server = QStringLiteral("127.0.0.1");
    e.Port = port;
    e.Verschluesselung = TSmtpVerschluesselung::Keine;
    e.Benutzer = QStringLiteral("kis");
    e.Absender = QStringLiteral("info@modehaus.de");
    e.AbsenderName = QStringLiteral("Modehaus");
    e.TimeoutMs = 3000;
    QVERIFY(e.Speichern());
}

QStringList Dateien(const QTemporaryDir& dir) { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

}  // namespace

class UebersichtMessageCenterTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ORVInfo().ClearEntries(); }

    // The twelve placeholders and the exchange of each, by hand-computed values.
    void placeholdersAndTheirExchange() {
        MessageDaten d;
        TDM dm({});
        QVERIFY(Auswerten(dm));
        TUebersichtFrm frm;

        const std::vector<TDocPlatzhalter> p = frm.GPDocHost_Platzhalter();
        QStringList namen, captions;
        for (const TDocPlatzhalter& x : p) {
            namen << x.Name;
            captions << x.Caption;
            QCOMPARE(x.Key, u'#' + x.Name + u'#');
        }
        QCOMPARE(namen, QStringList({"SELUMSATZ", "SELMENGE", "GESUMSATZ", "GESMENGE", "BONUSABG", "BONUS",
                                     "A-GUTSCHEI", "A-GUTSCHRI", "A-RECHNUNG", "KREDIT", "AUSWAHL", "RESERV"}));
        QCOMPARE(captions, QStringList({"Umsatz", "Menge", "Gesamtumsatz", "Gesamtmenge", "Bonus (abg.)", "Bonus",
                                        "Gutscheine", "Gutschriften", "Rechnung", "Kredit", "Auswahl", "Reservierung"}));

        auto x = [&](const TIntPair& k, const char* text) { return frm.GPDocHost_Exchange(k, QString::fromUtf8(text)); };
        // The sums are exchanged anywhere in the text.
        QCOMPARE(x(d.adler, "#SELUMSATZ# in #SELMENGE# Teilen, gesamt #GESUMSATZ# / #GESMENGE#"),
                 QStringLiteral("123,99 in 3 Teilen, gesamt 123,99 / 3"));
        // Bonus totals of Adler's closed bonus of 5,00; his credit 50 - 50.
        QCOMPARE(x(d.adler, "#BONUSABG#"), QStringLiteral("5,00"));
        QCOMPARE(x(d.adler, "#BONUSKAS#"), QStringLiteral("5,00"));
        QCOMPARE(x(d.adler, "#KREDIT#"), QStringLiteral("0,00"));
        // Every open-item table of Bauer: |first - second amount|.
        const std::pair<const char*, const char*> bauer[] = {
            {"#BONUS#", "12,50"},  {"#A-GUTSCHEI#", "20,00"}, {"#A-GUTSCHRI#", "7,50"}, {"#A-RECHNUNG#", "60,00"},
            {"#KREDIT#", "25,25"}, {"#AUSWAHL#", "80,00"},    {"#RESERV#", "15,00"},    {"#RABATTSCHEIN#", "3,00"}};
        for (const auto& [platzhalter, wert] : bauer) QCOMPARE(x(d.bauer, platzhalter), QString::fromUtf8(wert));
        QCOMPARE(x(d.bauer, "#SELUMSATZ#"), QStringLiteral("50,00"));
        // Back to Adler: the sets follow the customer.
        QCOMPARE(x(d.adler, "#BONUS#"), QStringLiteral("0,00"));
        QCOMPARE(x(d.adler, "#SELUMSATZ#"), QStringLiteral("123,99"));
        // Zander has no sales and no tables at all.
        for (const char* platzhalter : {"#BONUS#", "#A-GUTSCHEI#", "#A-GUTSCHRI#", "#A-RECHNUNG#", "#KREDIT#", "#AUSWAHL#",
                                        "#RESERV#", "#RABATTSCHEIN#", "#BONUSABG#", "#BONUSKAS#", "#SELUMSATZ#"})
            QCOMPARE(x(d.zander, platzhalter), QStringLiteral("0,00"));
        QCOMPARE(x(d.zander, "#SELMENGE#"), QStringLiteral("0"));
        // The bonus and open-item values replace a whole text only; the host hands them over one
        // by one, so in a message they work anywhere.
        QCOMPARE(x(d.bauer, "Bonus #BONUS#"), QStringLiteral("Bonus #BONUS#"));
        const auto v = frm.DocHost().Vorschau(d.bauer, QStringLiteral("Hallo #VORNAME# #NAME#"),
                                              QStringLiteral("Bonus #BONUS#, Gutschein #A-GUTSCHEI#, #UNBEKANNT#"));
        QCOMPARE(v.Betreff, QStringLiteral("Hallo Bernd Bauer"));
        QCOMPARE(v.Text, QStringLiteral("Bonus 12,50, Gutschein 20,00, #UNBEKANNT#"));
        QVERIFY(!v.EmailGueltig);
    }

    // The walk starts at the first customer (the totals record 0/0 is none) and goes in key order.
    void walkSkipsTheTotalsRecord() {
        MessageDaten d;
        TDM dm({});
        QVERIFY(Auswerten(dm));
        TUebersichtFrm frm;
        const std::vector<TIntPair> kunden = frm.DocHost().KundenLesen();
        QCOMPARE(kunden, (std::vector<TIntPair>{d.zander, d.adler, d.bauer, d.eule}));
    }

    // E-mail for Eule (written and delivered), letters for the other three in one PDF.
    void producesMailsAndLetters() {
        MessageDaten d;
        TDM dm({});
        QVERIFY(Auswerten(dm));
        FakeSmtpServer server;
        SmtpEinstellen(server.Port());
        TUebersichtFrm frm;
        QTemporaryDir dir;
        Tgpdochost& host = frm.DocHost();
        host.SetUnbeaufsichtigt(true);
        host.SetZielOrdner(dir.path());
        host.SetSmtpKennwort(QStringLiteral("geheim"));
        QVERIFY(host.Erzeugen(QStringLiteral("Ihr Umsatz, #VORNAME# #NAME#"),
                              QStringLiteral("Umsatz: #SELUMSATZ#\nBonus: #BONUS#\nGutschein: #A-GUTSCHEI#")));
        const auto& e = host.Ergebnis();
        QVERIFY2(e.Ok(), qPrintable(e.Zusammenfassung()));
        QCOMPARE(e.Kunden, 4);
        QCOMPARE(e.EMails, 1);
        QCOMPARE(e.Versendet, 1);
        QCOMPARE(e.Briefe, 3);
        QVERIFY(e.Zusammenfassung().startsWith(QStringLiteral("1 E-Mail (1 versendet), 3 Briefe, 0 Fehler\nBriefe: ")));

        QCOMPARE(Dateien(dir), QStringList({"3-0_Cäsar_Eule.eml", "Briefe.pdf"}));
        QFile eml(dir.filePath(QStringLiteral("3-0_Cäsar_Eule.eml")));
        QVERIFY(eml.open(QIODevice::ReadOnly));
        const QByteArray inhalt = eml.readAll();
        QCOMPARE(server.Mails.size(), 1);
        QCOMPARE(server.Mails[0].An, QList<QByteArray>{"<caesar.eule@beispiel.de>"});
        QCOMPARE(server.Mails[0].Daten, inhalt);
        QVERIFY(inhalt.contains("Umsatz: 0,00\r\nBonus: 0,00\r\n"));

        const std::string pdf = dir.filePath(QStringLiteral("Briefe.pdf")).toStdString();
        QCOMPARE(kis::test::PdfSeiten(pdf), 3);
        const QString zander = QString::fromStdString(kis::test::PdfText(pdf, 1));
        const QString adler = QString::fromStdString(kis::test::PdfText(pdf, 2));
        const QString bauer = QString::fromStdString(kis::test::PdfText(pdf, 3));
        QVERIFY2(zander.contains(QStringLiteral("Ihr Umsatz, Zoë Zander")), qPrintable(zander));
        QVERIFY2(adler.contains(QStringLiteral("Umsatz: 123,99")) && adler.contains(QStringLiteral("Anna Adler")),
                 qPrintable(adler));
        QVERIFY2(bauer.contains(QStringLiteral("Bonus: 12,50")) && bauer.contains(QStringLiteral("Gutschein: 20,00")),
                 qPrintable(bauer));
    }

    // A server that is gone, and a missing sender address: never reported as success.
    void productionFailuresAreReported() {
        MessageDaten d;
        TDM dm({});
        QVERIFY(Auswerten(dm));
        quint16 port;
        {
            FakeSmtpServer weg;
            port = weg.Port();
        }
        SmtpEinstellen(port);
        TUebersichtFrm frm;
        QTemporaryDir dir;
        Tgpdochost& host = frm.DocHost();
        host.SetUnbeaufsichtigt(true);
        host.SetZielOrdner(dir.path());
        host.SetSmtpKennwort(QStringLiteral("geheim"));
        QVERIFY(!host.Erzeugen(QStringLiteral("Betreff"), QStringLiteral("Text")));
        QCOMPARE(host.Ergebnis().EMails, 1);
        QCOMPARE(host.Ergebnis().Versendet, 0);
        QCOMPARE(host.Ergebnis().Briefe, 3);
        QVERIFY2(host.Ergebnis().Fehler.join(u'\n').contains(QStringLiteral("Versand eingestellt")),
                 qPrintable(host.Ergebnis().Zusammenfassung()));
        QVERIFY(!host.Ergebnis().Ok());

        TSmtpEinstellungen ohneAbsender = TSmtpEinstellungen::Laden();
        ohneAbsender.Absender.clear();
        QVERIFY(ohneAbsender.Speichern());
        QTemporaryDir leer;
        host.SetZielOrdner(leer.path());
        QVERIFY(!host.Erzeugen(QStringLiteral("Betreff"), QStringLiteral("Text")));
        QVERIFY(host.Ergebnis().Fehler.join(u'\n').contains(QStringLiteral("Absenderadresse")));
        QCOMPARE(Dateien(leer), QStringList());
    }

    // The window from the overview: placeholder inserted at the cursor, preview per customer,
    // the overview disabled while it is open; Shift+F10 only while the button is usable.
    void windowFromTheOverview() {
        MessageDaten d;
        TDM dm({});
        QVERIFY(Auswerten(dm));
        TUebersichtFrm frm;
        frm.show();
        QVERIFY(frm.btnMessageCenter->isEnabled());
        int geoeffnet = 0;
        frm.DocHost().OnFensterGezeigt = [&](QDialog* fenster) {
            ++geoeffnet;
            const auto zu = qScopeGuard([fenster] { fenster->reject(); });  // also when a check fails
            auto* dlg = qobject_cast<TDocHostDialog*>(fenster);
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Message Center"));
            QVERIFY(!frm.isEnabled());
            QVERIFY(dlg->isEnabled());
            QCOMPARE(dlg->lstPlatzhalter->count(), 12 + 6);
            QCOMPARE(dlg->spnKunde->maximum(), 4);
            dlg->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dlg));
            dlg->memText->setPlainText(QStringLiteral("Ihr Bonus:  Euro"));
            dlg->memText->setFocus();
            QTextCursor c = dlg->memText->textCursor();
            c.setPosition(11);
            dlg->memText->setTextCursor(c);
            dlg->lstPlatzhalter->setCurrentRow(5);  // "Bonus"
            QTest::keyClick(dlg->lstPlatzhalter, Qt::Key_Insert);
            QCOMPARE(dlg->memText->toPlainText(), QStringLiteral("Ihr Bonus: #BONUS# Euro"));
            dlg->spnKunde->setValue(3);  // Bauer
            dlg->VorschauAktualisieren();
            QVERIFY2(dlg->memVorschau->toPlainText().contains(QStringLiteral("Ihr Bonus: 12,50 Euro")),
                     qPrintable(dlg->memVorschau->toPlainText()));
            QVERIFY(dlg->lblEmpfaenger->text().startsWith(QStringLiteral("Brief an Bernd Bauer")));
            QTest::keyClick(dlg, Qt::Key_PageDown, Qt::ControlModifier);
            QVERIFY(dlg->lblEmpfaenger->text().contains(QStringLiteral("caesar.eule@beispiel.de")));
            if (qEnvironmentVariableIsSet("KIS_SCREENSHOT")) dlg->grab().save(qEnvironmentVariable("KIS_SCREENSHOT"));
        };
        QTest::mouseClick(frm.btnMessageCenter, Qt::LeftButton);
        QCOMPARE(geoeffnet, 1);
        QVERIFY(frm.isEnabled());

        auto* menue = frm.findChild<QAction*>(QStringLiteral("mnuMessageCenter"));
        QVERIFY(menue);
        QCOMPARE(menue->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F10));
        frm.DocHost().OnFensterGezeigt = [&](QDialog* fenster) {
            ++geoeffnet;
            fenster->reject();
        };
        menue->trigger();
        QCOMPARE(geoeffnet, 2);
        frm.btnMessageCenter->setEnabled(false);
        menue->trigger();
        QCOMPARE(geoeffnet, 2);
    }
};

QTEST_MAIN(UebersichtMessageCenterTest)
#include "uebersicht_messagecenter_test.moc"
