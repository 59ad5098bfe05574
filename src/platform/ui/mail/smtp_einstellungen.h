#pragma once
// The mail server the message center sends through, kept in the settings mask "SMTPCFG" for
// all workstations: server, port, encryption, user, sender address and name. The password is
// never stored; the message center asks for it once per session when a user is set.
#include <QString>

enum class TSmtpVerschluesselung { Keine = 0, StartTls = 1, SslTls = 2 };

struct TSmtpEinstellungen {
    QString Server;  // empty: no server, e-mails are only written as files
    int Port = 25;
    TSmtpVerschluesselung Verschluesselung = TSmtpVerschluesselung::StartTls;
    QString Benutzer;  // empty: no authentication
    QString Kennwort;  // in memory only
    QString Absender;  // sender address, "info@haus.de"
    QString AbsenderName;
    int TimeoutMs = 30000;  // per answer of the server

    bool Konfiguriert() const { return !Server.trimmed().isEmpty(); }

    static constexpr const char* kMaske = "SMTPCFG";
    static TSmtpEinstellungen Laden();
    // Writes all values in one booking; false (nothing written) when that fails.
    bool Speichern() const;
};
