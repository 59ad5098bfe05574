#pragma once
// Producing a message for every customer of a list: customers with a usable e-mail address get
// an .eml file in the chosen folder (and the mail through the SMTP server when one is set);
// the others get a letter, all letters together in one PDF in the same folder.
//
// Nothing is written before the first customer is exchanged without trouble; a missing sender
// address stops the run before any file exists. A server that cannot be reached stops the
// sending, not the run: the remaining e-mails are written as files and counted as not sent.
// Every problem ends up in the result's failures, so the summary never reads as a success
// when something went wrong.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform/base/keys.h"
#include "platform/partners/gp_satz.h"
#include "platform/ui/dochost/gp_doc_host.h"
#include "platform/ui/mail/smtp_einstellungen.h"

class TGpData;

namespace kis::dochost {

struct TNachricht {
    QString Betreff;
    QString Text;
};

// The message of one customer, its placeholders exchanged.
struct TKundenNachricht {
    bool Gefunden = false;  // the customer's master record exists
    TGpSatz Satz;
    QString Betreff;
    QString Text;
    QString Email;  // the trimmed address of the record; usable when EmailGueltig
    bool EmailGueltig = false;
};

// One letter of the PDF.
struct TBrief {
    QStringList Anschrift;  // lines of the address block
    QString Betreff;
    QString Text;
};

struct TErgebnis {
    int Kunden = 0;     // customers handled
    int EMails = 0;     // .eml files written
    int Versendet = 0;  // of them delivered to the mail server
    bool MitVersand = false;  // a mail server was set
    int Briefe = 0;     // letters in the PDF
    QString PdfDatei;   // empty when there were no letters
    QStringList Fehler;
    bool Abgebrochen = false;
    bool Ok() const { return !Abgebrochen && Fehler.isEmpty(); }
    // "3 E-Mails (2 versendet), 4 Briefe, 1 Fehler" and the first failures, German.
    QString Zusammenfassung(int maxFehler = 20) const;
};

TKundenNachricht NachrichtFuer(const TIntPair& kunde, const TNachricht& nachricht,
                               const Tgpdochost::ExchangeCallback& exchange, TGpData& gp);

// The address block of a letter: salutation, name, street, postcode and town, country
// (when not the home country "D").
QStringList Anschrift(const TGpSatz& satz);

class TErzeugung {
public:
    QString Ordner;
    TSmtpEinstellungen Smtp;  // Konfiguriert(): send the e-mails
    Tgpdochost::ExchangeCallback Exchange;
    // Called before each customer with its number (from 1) and the count; false stops the run.
    std::function<bool(int nr, int anzahl, const QString& name)> Fortschritt;

    TErgebnis Ausfuehren(const std::vector<TIntPair>& kunden, const TNachricht& nachricht);

    // "12-0_Anna_Adler.eml": key and name, only characters every file system takes.
    static QString EmlDateiName(const TIntPair& kunde, const TGpSatz& satz);
};

}  // namespace kis::dochost
