#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/ui/mail/mail_nachricht.h"
#include "platform/ui/mail/smtp_client.h"
#include "support/fake_smtp_server.h"

using kis::test::FakeSmtpServer;

namespace {

// Reads an .eml with Python's standard mail parser and answers what a mail program would see.
QJsonObject MitPythonLesen(const QByteArray& eml) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("nachricht.eml"));
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(eml) != eml.size()) return {};
    f.close();
    const char* skript = R"PY(
import json, sys
from email import policy
from email.parser import BytesParser
with open(sys.argv[1], 'rb') as f:
    m = BytesParser(policy=policy.default).parse(f)
to = m['To'].addresses[0]
fr = m['From'].addresses[0]
print(json.dumps({
    'to_addr': to.addr_spec, 'to_name': to.display_name,
    'from_addr': fr.addr_spec, 'from_name': fr.display_name,
    'subject': str(m['Subject']), 'body': m.get_content(),
    'content_type': m.get_content_type(), 'charset': m.get_content_charset(),
    'has_bcc': 'Bcc' in m, 'date_ok': m['Date'].datetime is not None,
    'message_id': str(m['Message-ID']),
    'defects': len(m.defects) + sum(len(p.defects) for p in m.walk()),
}))
)PY";
    QProcess p;
    p.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromUtf8(skript), pfad});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        qWarning() << p.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

TSmtpEinstellungen Lokal(const FakeSmtpServer& server) {
    TSmtpEinstellungen e;
    e.Server = QStringLiteral("127.0.0.1");
    e.Port = server.Port();
    e.Verschluesselung = TSmtpVerschluesselung::Keine;
    e.Benutzer = QStringLiteral("kis");
    e.Kennwort = QStringLiteral("geheim");
    e.TimeoutMs = 5000;
    return e;
}

}  // namespace

class MailTest : public QObject {
    Q_OBJECT

private slots:
    // A mail parser reads sender, recipient, subject and body back exactly: umlauts, a euro
    // sign, a line longer than 76 characters, "=" signs, a leading dot and trailing blanks.
    void emlReadsBackInAMailParser() {
        TMailNachricht n;
        n.VonAdresse = QStringLiteral("info@modehaus-beispiel.de");
        n.VonName = QStringLiteral("Modehaus Beispiel \"Mitte\"");
        n.AnAdresse = QStringLiteral(" anna.adler@beispiel.de ");
        n.AnName = QStringLiteral("Anna Adler-Öztürk");
        n.Betreff = QStringLiteral("Ihr Bonus über 12,50 € – herzliche Grüße aus Köln und ein sehr langer Betreff, "
                                   "der gefaltet werden muss");
        const QString lang = QString(120, u'ä') + QStringLiteral(" = Ende");
        n.Text = QStringLiteral("Sehr geehrte Frau Adler,\r\n\r\nIhr Bonus: 12,50 €\n.Punkt am Anfang\n") + lang +
                 QStringLiteral("\nLeerzeichen am Ende   ");
        n.Datum = QDateTime(QDate(2026, 12, 9), QTime(8, 30), QTimeZone(3600));
        const QByteArray eml = kis::mail::EmlSchreiben(n);

        for (const QByteArray& zeile : eml.split('\n')) {
            QVERIFY2(zeile.size() <= 79, zeile.constData());  // 78 plus the CR
            for (char c : zeile) QVERIFY(static_cast<unsigned char>(c) < 128);
        }
        QVERIFY(eml.contains("Date: Wed, 09 Dec 2026 08:30:00 +0100\r\n"));

        const QJsonObject m = MitPythonLesen(eml);
        QVERIFY(!m.isEmpty());
        QCOMPARE(m["to_addr"].toString(), QStringLiteral("anna.adler@beispiel.de"));
        QCOMPARE(m["to_name"].toString(), n.AnName);
        QCOMPARE(m["from_addr"].toString(), n.VonAdresse);
        QCOMPARE(m["from_name"].toString(), n.VonName);
        QCOMPARE(m["subject"].toString(), n.Betreff);
        QCOMPARE(m["body"].toString(), QStringLiteral("Sehr geehrte Frau Adler,\n\nIhr Bonus: 12,50 €\n.Punkt am Anfang\n") +
                                           lang + QStringLiteral("\nLeerzeichen am Ende   \n"));
        QCOMPARE(m["content_type"].toString(), QStringLiteral("text/plain"));
        QCOMPARE(m["charset"].toString(), QStringLiteral("utf-8"));
        QVERIFY(m["date_ok"].toBool());
        QVERIFY(m["message_id"].toString().endsWith(QStringLiteral("@modehaus-beispiel.de>")));
        QCOMPARE(m["defects"].toInt(), 0);
    }

    // Line breaks in a customer's name or the subject cannot add header fields.
    void headerValuesCannotInjectFields() {
        TMailNachricht n;
        n.VonAdresse = QStringLiteral("info@haus.de");
        n.AnAdresse = QStringLiteral("kunde@haus.de");
        n.AnName = QStringLiteral("Kunde\r\nBcc: alle@haus.de");
        n.Betreff = QStringLiteral("Hallo\nBcc: alle@haus.de");
        const QJsonObject m = MitPythonLesen(kis::mail::EmlSchreiben(n));
        QVERIFY(!m.isEmpty());
        QVERIFY(!m["has_bcc"].toBool());
        QCOMPARE(m["to_addr"].toString(), QStringLiteral("kunde@haus.de"));
    }

    void addressesAreCheckedBeforeUse() {
        for (const char* gut : {"a@b.de", "anna.adler+bonus@mail.beispiel.de", "x_y@müller.de"})
            QVERIFY2(kis::mail::GueltigeAdresse(QString::fromUtf8(gut)), gut);
        QCOMPARE(kis::mail::AdresseAscii(QStringLiteral("x@müller.de")), QByteArray("x@xn--mller-kva.de"));
        for (const char* schlecht : {"", "adler", "@b.de", "a@b", "a@@b.de", "a b@c.de", "a@b.de\r\nRCPT TO:<x@y.de>",
                                     "a@b.de>", "<a@b.de", "a..b@c.de", ".a@b.de", "ä@b.de", "a@-b.de"})
            QVERIFY2(!kis::mail::GueltigeAdresse(QString::fromUtf8(schlecht)), schlecht);
        TMailNachricht n;
        n.VonAdresse = QStringLiteral("info@haus.de");
        n.AnAdresse = QStringLiteral("kein-at-zeichen");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, kis::mail::EmlSchreiben(n));
    }

    void dotStuffingDoublesLeadingDotsAndEndsTheData() {
        QCOMPARE(TSmtpClient::DotStuffing("a\r\n.b\r\n..c\r\n.\r\n"), QByteArray("a\r\n..b\r\n...c\r\n..\r\n.\r\n"));
        QCOMPARE(TSmtpClient::DotStuffing("ohne Zeilenende"), QByteArray("ohne Zeilenende\r\n.\r\n"));
    }

    // Two messages over one connection with AUTH PLAIN; the server receives exactly the .eml.
    void deliversToALocalServer() {
        FakeSmtpServer server;
        TSmtpClient client(Lokal(server));
        TMailNachricht n;
        n.VonAdresse = QStringLiteral("info@haus.de");
        n.AnAdresse = QStringLiteral("anna@beispiel.de");
        n.Betreff = QStringLiteral("Grüße");
        n.Text = QStringLiteral(".\n..zwei Punkte\nEnde");
        const QByteArray eml = kis::mail::EmlSchreiben(n);
        QVERIFY2(client.Senden(n.VonAdresse, n.AnAdresse, eml), qPrintable(client.Fehler()));
        QVERIFY2(client.Senden(n.VonAdresse, QStringLiteral("bernd@beispiel.de"), eml), qPrintable(client.Fehler()));
        client.Beenden();
        QCOMPARE(server.Verbindungen, 1);
        QCOMPARE(server.Mails.size(), 2);
        QCOMPARE(server.Mails[0].Von, QByteArray("<info@haus.de>"));
        QCOMPARE(server.Mails[0].An, QList<QByteArray>{"<anna@beispiel.de>"});
        QCOMPARE(server.Mails[1].An, QList<QByteArray>{"<bernd@beispiel.de>"});
        QCOMPARE(server.Mails[0].Daten, eml);
        QVERIFY(server.Befehle.contains(QByteArray("AUTH PLAIN ") + QByteArray("\0kis\0geheim", 11).toBase64()));
        QCOMPARE(server.Befehle.last(), QByteArray("QUIT"));
    }

    void authLoginWhenPlainIsNotOffered() {
        FakeSmtpServer server;
        server.Faehigkeiten = "AUTH LOGIN";
        TSmtpClient client(Lokal(server));
        QVERIFY2(client.Verbinden(), qPrintable(client.Fehler()));
        QVERIFY(server.Befehle.contains("AUTH LOGIN"));
        QVERIFY(server.Befehle.contains(QByteArray("kis").toBase64()));
    }

    // Every failure is reported with a reason, and a refused recipient spoils only its own mail.
    void failuresAreReported() {
        const QByteArray eml = "Subject: x\r\n\r\ny\r\n";
        {  // nobody listens
            TSmtpEinstellungen e;
            {
                FakeSmtpServer weg;
                e = Lokal(weg);
            }
            TSmtpClient client(e);
            QVERIFY(!client.Senden(QStringLiteral("a@b.de"), QStringLiteral("c@d.de"), eml));
            QVERIFY2(client.Fehler().contains(QStringLiteral("Keine Verbindung")), qPrintable(client.Fehler()));
        }
        {  // wrong password: no MAIL FROM is ever sent
            FakeSmtpServer server;
            TSmtpEinstellungen e = Lokal(server);
            e.Kennwort = QStringLiteral("falsch");
            TSmtpClient client(e);
            QVERIFY(!client.Senden(QStringLiteral("a@b.de"), QStringLiteral("c@d.de"), eml));
            QVERIFY2(client.Fehler().contains(QStringLiteral("535")), qPrintable(client.Fehler()));
            QVERIFY(!client.Fehler().contains(QStringLiteral("falsch")));
            QVERIFY(!client.Verbunden());
            for (const QByteArray& b : server.Befehle) QVERIFY(!b.startsWith("MAIL"));
        }
        {  // refused recipient, then a good one on the same connection
            FakeSmtpServer server;
            server.AbgelehnterEmpfaenger = "weg@d.de";
            TSmtpClient client(Lokal(server));
            QVERIFY(!client.Senden(QStringLiteral("a@b.de"), QStringLiteral("weg@d.de"), eml));
            QVERIFY2(client.Fehler().contains(QStringLiteral("550")), qPrintable(client.Fehler()));
            QVERIFY(client.Verbunden());
            QVERIFY(client.Senden(QStringLiteral("a@b.de"), QStringLiteral("da@d.de"), eml));
            QCOMPARE(server.Mails.size(), 1);
            QCOMPARE(server.Verbindungen, 1);
        }
        {  // STARTTLS demanded but not offered: stop before authenticating
            FakeSmtpServer server;
            TSmtpEinstellungen e = Lokal(server);
            e.Verschluesselung = TSmtpVerschluesselung::StartTls;
            TSmtpClient client(e);
            QVERIFY(!client.Verbinden());
            QVERIFY2(client.Fehler().contains(QStringLiteral("STARTTLS")), qPrintable(client.Fehler()));
            for (const QByteArray& b : server.Befehle) QVERIFY(!b.startsWith("AUTH"));
        }
        {  // a server that never answers
            FakeSmtpServer server;
            server.Stumm = true;
            TSmtpEinstellungen e = Lokal(server);
            e.TimeoutMs = 300;
            TSmtpClient client(e);
            QVERIFY(!client.Verbinden());
            QVERIFY2(client.Fehler().contains(QStringLiteral("Zeitüberschreitung")), qPrintable(client.Fehler()));
        }
        {  // an address that would smuggle a command
            FakeSmtpServer server;
            TSmtpClient client(Lokal(server));
            QVERIFY(!client.Senden(QStringLiteral("a@b.de"), QStringLiteral("c@d.de>\r\nRCPT TO:<x@y.de"), eml));
            QCOMPARE(server.Verbindungen, 0);
        }
    }
};

QTEST_MAIN(MailTest)
#include "mail_test.moc"
