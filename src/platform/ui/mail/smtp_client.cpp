#include "platform/ui/mail/smtp_client.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QRegularExpression>
#include <QSslSocket>
#include <QTimer>
#include <functional>

#include "platform/ui/mail/mail_nachricht.h"

namespace {

constexpr qsizetype kMaxAntwort = 64 * 1024;  // a server that sends more without a line end is broken

// Runs the event loop until `fertig` holds, the socket fails or closes, or the time is up.
// Answers "" on success, otherwise why it stopped.
QString Warten(QSslSocket& socket, int timeoutMs, const std::function<bool()>& fertig) {
    if (fertig()) return {};
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool fehler = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QSslSocket::readyRead, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QSslSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QSslSocket::encrypted, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QSslSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QSslSocket::errorOccurred, &loop, [&] {
        fehler = true;
        loop.quit();
    });
    timer.start(timeoutMs);
    while (!fertig()) {
        if (fehler) return socket.errorString();
        if (!timer.isActive())
            return QStringLiteral("Zeitüberschreitung nach %1 Sekunden").arg(timeoutMs / 1000.0, 0, 'f', 0);
        if (socket.state() == QAbstractSocket::UnconnectedState)
            return QStringLiteral("der Server hat die Verbindung beendet");
        loop.exec();
    }
    return {};
}

QString HeloName(const QSslSocket& socket) {
    const QHostAddress a = socket.localAddress();
    if (a.protocol() == QAbstractSocket::IPv6Protocol) return QStringLiteral("[IPv6:%1]").arg(a.toString());
    if (a.isNull()) return QStringLiteral("[127.0.0.1]");
    return QStringLiteral("[%1]").arg(a.toString());
}

}  // namespace

TSmtpClient::TSmtpClient(TSmtpEinstellungen einstellungen) : FEinstellungen(std::move(einstellungen)) {}

TSmtpClient::~TSmtpClient() { Beenden(); }

bool TSmtpClient::Verbunden() const {
    return FSocket && FSocket->state() == QAbstractSocket::ConnectedState;
}

bool TSmtpClient::Fehlschlag(const QString& text) {
    FFehler = text;
    return false;
}

bool TSmtpClient::Verbinden() {
    if (Aufbauen()) return true;
    // A half-built session (greeted but not encrypted or not authenticated) must not be used.
    const QString fehler = FFehler;
    Beenden();
    FFehler = fehler;
    return false;
}

bool TSmtpClient::Aufbauen() {
    FFehler.clear();
    FPuffer.clear();
    if (!FEinstellungen.Konfiguriert()) return Fehlschlag(QStringLiteral("Es ist kein Mail-Server eingestellt."));
    const bool tls = FEinstellungen.Verschluesselung != TSmtpVerschluesselung::Keine;
    if (tls && !QSslSocket::supportsSsl())
        return Fehlschlag(QStringLiteral("Verschlüsselte Verbindungen (TLS) sind auf diesem Rechner nicht verfügbar."));

    auto* socket = new QSslSocket;
    FSocket.reset(socket);
    const QString server = FEinstellungen.Server.trimmed();
    QString grund;
    if (FEinstellungen.Verschluesselung == TSmtpVerschluesselung::SslTls) {
        socket->connectToHostEncrypted(server, quint16(FEinstellungen.Port));
        grund = Warten(*socket, FEinstellungen.TimeoutMs, [socket] { return socket->isEncrypted(); });
    } else {
        socket->connectToHost(server, quint16(FEinstellungen.Port));
        grund = Warten(*socket, FEinstellungen.TimeoutMs,
                       [socket] { return socket->state() == QAbstractSocket::ConnectedState; });
    }
    if (!grund.isEmpty()) {
        FSocket.reset();
        return Fehlschlag(QStringLiteral("Keine Verbindung zum Mail-Server %1:%2: %3")
                              .arg(server)
                              .arg(FEinstellungen.Port)
                              .arg(grund));
    }

    const Antwort gruss = Lesen();
    if (gruss.Code != 220) {
        const QString text = gruss.Code == 0 ? FFehler : QStringLiteral("%1 %2").arg(gruss.Code).arg(gruss.Text());
        FSocket.reset();
        return Fehlschlag(QStringLiteral("Der Mail-Server begrüßt nicht: %1").arg(text));
    }
    Antwort ehlo;
    if (!Ehlo(ehlo)) return false;
    if (FEinstellungen.Verschluesselung == TSmtpVerschluesselung::StartTls) {
        if (!ehlo.Zeilen.filter(QRegularExpression(QStringLiteral("^STARTTLS\\b"),
                                                   QRegularExpression::CaseInsensitiveOption))
                 .size()) {
            Beenden();
            return Fehlschlag(QStringLiteral("Der Mail-Server bietet keine verschlüsselte Verbindung (STARTTLS) an."));
        }
        if (!Befehl("STARTTLS", 2, QStringLiteral("STARTTLS"))) return false;
        FPuffer.clear();  // nothing read before the handshake may count after it
        socket->startClientEncryption();
        grund = Warten(*socket, FEinstellungen.TimeoutMs, [socket] { return socket->isEncrypted(); });
        if (!grund.isEmpty()) {
            FSocket.reset();
            return Fehlschlag(QStringLiteral("Die verschlüsselte Verbindung kam nicht zustande: %1").arg(grund));
        }
        if (!Ehlo(ehlo)) return false;
    }
    if (!FEinstellungen.Benutzer.isEmpty() && !Anmelden(ehlo.Zeilen)) return false;
    return true;
}

bool TSmtpClient::Ehlo(Antwort& antwort) {
    const QByteArray helo = HeloName(*static_cast<QSslSocket*>(FSocket.get())).toLatin1();
    if (Befehl("EHLO " + helo, 2, QStringLiteral("EHLO"), &antwort)) {
        antwort.Zeilen.removeFirst();  // the greeting line; the others name the extensions
        return true;
    }
    if (!Verbunden() || antwort.Code / 100 != 5) return false;
    // A server without extensions.
    if (!Befehl("HELO " + helo, 2, QStringLiteral("HELO"), &antwort)) return false;
    antwort.Zeilen.clear();
    return true;
}

bool TSmtpClient::Anmelden(const QStringList& faehigkeiten) {
    QStringList verfahren;
    for (const QString& z : faehigkeiten) {
        const QString zeile = z.toUpper();
        if (zeile.startsWith(QStringLiteral("AUTH ")) || zeile.startsWith(QStringLiteral("AUTH=")))
            verfahren += zeile.mid(5).split(u' ', Qt::SkipEmptyParts);
    }
    const QByteArray benutzer = FEinstellungen.Benutzer.toUtf8();
    const QByteArray kennwort = FEinstellungen.Kennwort.toUtf8();
    const QString schritt = QStringLiteral("Anmeldung als %1").arg(FEinstellungen.Benutzer);
    if (verfahren.contains(QStringLiteral("PLAIN"))) {
        const QByteArray token = (QByteArray(1, '\0') + benutzer + '\0' + kennwort).toBase64();
        return Befehl("AUTH PLAIN " + token, 2, schritt);
    }
    if (verfahren.contains(QStringLiteral("LOGIN"))) {
        return Befehl("AUTH LOGIN", 3, schritt) && Befehl(benutzer.toBase64(), 3, schritt) &&
               Befehl(kennwort.toBase64(), 2, schritt);
    }
    Beenden();
    return Fehlschlag(QStringLiteral("Der Mail-Server bietet keine Anmeldung mit PLAIN oder LOGIN an."));
}

bool TSmtpClient::Senden(const QString& von, const QString& an, const QByteArray& eml) {
    FFehler.clear();
    const QByteArray absender = kis::mail::AdresseAscii(von);
    const QByteArray empfaenger = kis::mail::AdresseAscii(an);
    if (absender.isEmpty()) return Fehlschlag(QStringLiteral("Die Absenderadresse \"%1\" ist ungültig.").arg(von));
    if (empfaenger.isEmpty())
        return Fehlschlag(QStringLiteral("Die Empfängeradresse \"%1\" ist ungültig.").arg(an));
    if (!Verbunden() && !Verbinden()) return false;
    if (!Befehl("MAIL FROM:<" + absender + ">", 2, QStringLiteral("Absender"))) return false;
    if (!Befehl("RCPT TO:<" + empfaenger + ">", 2, QStringLiteral("Empfänger %1").arg(an))) {
        const QString fehler = FFehler;
        if (Verbunden()) Befehl("RSET", 2, QStringLiteral("RSET"));
        return Fehlschlag(fehler);
    }
    if (!Befehl("DATA", 3, QStringLiteral("DATA"))) return false;
    if (!Schreiben(DotStuffing(eml))) return false;
    const Antwort a = Lesen();
    if (a.Code == 0) {
        const QString grund = FFehler;
        if (FSocket) FSocket->abort();
        return Fehlschlag(QStringLiteral("Nachricht an %1: keine Antwort vom Mail-Server (%2)").arg(an, grund));
    }
    if (a.Code / 100 != 2)
        return Fehlschlag(
            QStringLiteral("Nachricht an %1: der Mail-Server antwortet \"%2 %3\"").arg(an).arg(a.Code).arg(a.Text()));
    return true;
}

void TSmtpClient::Beenden() {
    if (Verbunden()) {
        const int timeout = FEinstellungen.TimeoutMs;
        FEinstellungen.TimeoutMs = std::min(timeout, 5000);
        const QString fehler = FFehler;
        Befehl("QUIT", 2, QStringLiteral("QUIT"));
        FFehler = fehler;  // a server that closes without answering QUIT is no failure
        FEinstellungen.TimeoutMs = timeout;
    }
    if (FSocket) {
        FSocket->abort();
        FSocket.reset();
    }
    FPuffer.clear();
}

bool TSmtpClient::Schreiben(const QByteArray& daten) {
    if (!Verbunden()) return Fehlschlag(QStringLiteral("Die Verbindung zum Mail-Server ist getrennt."));
    if (FSocket->write(daten) != daten.size())
        return Fehlschlag(QStringLiteral("Senden an den Mail-Server fehlgeschlagen: %1").arg(FSocket->errorString()));
    return true;
}

TSmtpClient::Antwort TSmtpClient::Lesen() {
    Antwort a;
    auto* socket = static_cast<QSslSocket*>(FSocket.get());
    if (!socket) {
        FFehler = QStringLiteral("Die Verbindung zum Mail-Server ist getrennt.");
        return a;
    }
    for (;;) {
        qsizetype ende = -1;
        const QString grund = Warten(*socket, FEinstellungen.TimeoutMs, [&] {
            FPuffer += socket->readAll();
            ende = FPuffer.indexOf('\n');
            return ende >= 0 || FPuffer.size() > kMaxAntwort;
        });
        if (!grund.isEmpty() || ende < 0) {
            FFehler = grund.isEmpty() ? QStringLiteral("die Antwort des Mail-Servers ist zu lang") : grund;
            a.Code = 0;
            return a;
        }
        const QByteArray zeile = FPuffer.left(ende).trimmed();
        FPuffer.remove(0, ende + 1);
        bool zahl = false;
        const int code = zeile.left(3).toInt(&zahl);
        if (!zahl || code < 100 || code > 599) {
            FFehler = QStringLiteral("unverständliche Antwort des Mail-Servers: %1").arg(QString::fromUtf8(zeile.left(200)));
            a.Code = 0;
            return a;
        }
        a.Zeilen << QString::fromUtf8(zeile.mid(4));
        if (zeile.size() <= 3 || zeile[3] != '-') {
            a.Code = code;
            return a;
        }
    }
}

// Error texts name the step and the server's answer, never the command (it may carry secrets).
bool TSmtpClient::Befehl(const QByteArray& befehl, int klasse, const QString& schritt, Antwort* antwort) {
    if (!Schreiben(befehl + "\r\n")) return false;
    const Antwort a = Lesen();
    if (antwort) *antwort = a;
    if (a.Code == 0) {
        const QString grund = FFehler;
        if (FSocket) FSocket->abort();
        return Fehlschlag(QStringLiteral("%1: keine Antwort vom Mail-Server (%2)").arg(schritt, grund));
    }
    if (a.Code / 100 != klasse)
        return Fehlschlag(QStringLiteral("%1: der Mail-Server antwortet \"%2 %3\"").arg(schritt).arg(a.Code).arg(a.Text()));
    return true;
}

QByteArray TSmtpClient::DotStuffing(const QByteArray& eml) {
    QByteArray out;
    out.reserve(eml.size() + eml.size() / 50 + 8);
    QList<QByteArray> zeilen = eml.split('\n');
    if (!zeilen.isEmpty() && zeilen.last().isEmpty()) zeilen.removeLast();
    for (QByteArray z : zeilen) {
        if (z.endsWith('\r')) z.chop(1);
        if (z.startsWith('.')) out += '.';
        out += z;
        out += "\r\n";
    }
    out += ".\r\n";
    return out;
}
