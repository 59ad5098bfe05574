#pragma once
// A mail server for tests, in the test's own process: listens on a free local port and speaks
// enough SMTP to receive messages (EHLO with AUTH PLAIN/LOGIN, MAIL, RCPT, DATA, RSET, QUIT).
// It answers from the event loop the client runs while it waits, so no thread is needed.
// Only for Qt tests (header only, no moc).
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

namespace kis::test {

class FakeSmtpServer {
public:
    struct Mail {
        QByteArray Von;
        QList<QByteArray> An;
        QByteArray Daten;  // as received, dot-stuffing undone, without the final "."
    };

    // Behaviour switches.
    QByteArray Faehigkeiten = "AUTH PLAIN LOGIN";  // EHLO lines after the greeting line
    QByteArray Benutzer = "kis";
    QByteArray Kennwort = "geheim";
    QByteArray AbgelehnterEmpfaenger;  // RCPT TO for this address gets 550
    bool Stumm = false;                // accepts connections and never answers

    QList<Mail> Mails;
    QList<QByteArray> Befehle;  // every command line received (AUTH lines included)
    int Verbindungen = 0;

    FakeSmtpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) Annehmen(s);
        });
    }
    quint16 Port() const { return server_.serverPort(); }

private:
    struct Sitzung {
        QTcpSocket* Socket = nullptr;
        QByteArray Puffer;
        bool ImDatenteil = false;
        int AuthLoginSchritt = 0;
        bool Angemeldet = false;
        Mail Aktuell;
    };

    void Annehmen(QTcpSocket* s) {
        ++Verbindungen;
        auto sitzung = std::make_shared<Sitzung>();
        sitzung->Socket = s;
        if (Stumm) return;
        s->write("220 test.local ESMTP\r\n");
        QObject::connect(s, &QTcpSocket::readyRead, [this, sitzung] { Lesen(*sitzung); });
    }

    void Lesen(Sitzung& z) {
        z.Puffer += z.Socket->readAll();
        qsizetype ende;
        while ((ende = z.Puffer.indexOf("\r\n")) >= 0) {
            const QByteArray zeile = z.Puffer.left(ende);
            z.Puffer.remove(0, ende + 2);
            if (z.ImDatenteil) {
                Datenzeile(z, zeile);
                continue;
            }
            Befehle << zeile;
            Befehl(z, zeile);
        }
    }

    void Datenzeile(Sitzung& z, const QByteArray& zeile) {
        if (zeile == ".") {
            z.ImDatenteil = false;
            Mails << z.Aktuell;
            z.Aktuell = Mail();
            z.Socket->write("250 2.0.0 OK queued\r\n");
            return;
        }
        z.Aktuell.Daten += (zeile.startsWith('.') ? zeile.mid(1) : zeile) + "\r\n";
    }

    void Befehl(Sitzung& z, const QByteArray& zeile) {
        QTcpSocket* s = z.Socket;
        const QByteArray gross = zeile.toUpper();
        if (z.AuthLoginSchritt == 1) {
            z.AuthLoginSchritt = QByteArray::fromBase64(zeile) == Benutzer ? 2 : 3;
            s->write("334 UGFzc3dvcmQ6\r\n");
        } else if (z.AuthLoginSchritt >= 2) {
            const bool ok = z.AuthLoginSchritt == 2 && QByteArray::fromBase64(zeile) == Kennwort;
            z.AuthLoginSchritt = 0;
            z.Angemeldet = ok;
            s->write(ok ? "235 2.7.0 Authentication successful\r\n" : "535 5.7.8 Authentication failed\r\n");
        } else if (gross.startsWith("EHLO")) {
            QByteArray a = "250-test.local\r\n";
            const QList<QByteArray> f = Faehigkeiten.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{Faehigkeiten};
            for (const QByteArray& l : f) a += "250-" + l + "\r\n";
            a += "250 8BITMIME\r\n";
            s->write(a);
        } else if (gross.startsWith("AUTH PLAIN ")) {
            const QByteArray erwartet = QByteArray(1, '\0') + Benutzer + '\0' + Kennwort;
            z.Angemeldet = QByteArray::fromBase64(zeile.mid(11)) == erwartet;
            s->write(z.Angemeldet ? "235 2.7.0 Authentication successful\r\n" : "535 5.7.8 Authentication failed\r\n");
        } else if (gross == "AUTH LOGIN") {
            z.AuthLoginSchritt = 1;
            s->write("334 VXNlcm5hbWU6\r\n");
        } else if (gross.startsWith("MAIL FROM:")) {
            z.Aktuell = Mail();
            z.Aktuell.Von = zeile.mid(10);
            s->write("250 2.1.0 OK\r\n");
        } else if (gross.startsWith("RCPT TO:")) {
            const QByteArray an = zeile.mid(8);
            if (!AbgelehnterEmpfaenger.isEmpty() && an == "<" + AbgelehnterEmpfaenger + ">") {
                s->write("550 5.1.1 User unknown\r\n");
            } else {
                z.Aktuell.An << an;
                s->write("250 2.1.5 OK\r\n");
            }
        } else if (gross == "DATA") {
            z.ImDatenteil = true;
            s->write("354 End data with <CR><LF>.<CR><LF>\r\n");
        } else if (gross == "RSET") {
            z.Aktuell = Mail();
            s->write("250 2.0.0 OK\r\n");
        } else if (gross == "QUIT") {
            s->write("221 2.0.0 Bye\r\n");
            s->disconnectFromHost();
        } else {
            s->write("502 5.5.2 Command not recognized\r\n");
        }
    }

    QTcpServer server_;
};

}  // namespace kis::test
