#pragma once
// A small SMTP client (RFC 5321) for the message center: connects once, greets with EHLO,
// switches to TLS (STARTTLS, or TLS from the start on port 465 style servers), authenticates
// with AUTH PLAIN or LOGIN, and delivers any number of messages (MAIL FROM, RCPT TO, DATA with
// dot-stuffing) before QUIT.
//
// Every call waits for the server's answer with the configured timeout while letting the
// caller's event loop run (so a progress dialog stays responsive and an in-process test
// server can answer). Every failure is reported: the call returns false and Fehler() says
// what went wrong in German, with the server's answer where there was one.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/ui/mail/smtp_einstellungen.h"

class QTcpSocket;

class TSmtpClient {
public:
    explicit TSmtpClient(TSmtpEinstellungen einstellungen);
    ~TSmtpClient();
    TSmtpClient(const TSmtpClient&) = delete;
    TSmtpClient& operator=(const TSmtpClient&) = delete;

    // Connects, greets, encrypts and authenticates as configured.
    bool Verbinden();
    bool Verbunden() const;
    // Delivers one message (the .eml bytes) from the sender to one recipient. A recipient the
    // server refuses fails this message only; the connection stays usable.
    bool Senden(const QString& von, const QString& an, const QByteArray& eml);
    // QUIT and close; never fails.
    void Beenden();

    QString Fehler() const { return FFehler; }

    // "." at the start of a line doubled, lines ending in CRLF, closed by CRLF "." CRLF.
    static QByteArray DotStuffing(const QByteArray& eml);

private:
    struct Antwort {
        int Code = 0;  // 0: no answer (timeout, connection lost)
        QStringList Zeilen;
        QString Text() const { return Zeilen.join(u' '); }
    };

    bool Schreiben(const QByteArray& zeile);
    Antwort Lesen();
    // Sends one command and expects an answer of the given class (2 = 2xx, 3 = 3xx).
    bool Befehl(const QByteArray& befehl, int klasse, const QString& schritt, Antwort* antwort = nullptr);
    bool Ehlo(Antwort& antwort);
    bool Anmelden(const QStringList& faehigkeiten);
    bool Aufbauen();
    bool Fehlschlag(const QString& text);

    TSmtpEinstellungen FEinstellungen;
    std::unique_ptr<QTcpSocket> FSocket;
    QByteArray FPuffer;
    QString FFehler;
};
