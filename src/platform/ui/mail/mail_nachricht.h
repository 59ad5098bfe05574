#pragma once
// One plain-text e-mail as an Internet message (.eml): the header fields From, To, Subject,
// Date and Message-ID, MIME text/plain in UTF-8 with quoted-printable body, lines ending in
// CRLF. Non-ASCII names and subjects become encoded words (base64), so every line of the
// message is 7-bit and at most 78 characters long, and any mail program opens the file.
//
// Values of the header fields never carry a line break: CR and LF in names or the subject
// become blanks, so data from a customer record cannot add header fields.
#include <QByteArray>
#include <QDateTime>
#include <QString>

struct TMailNachricht {
    QString VonAdresse;  // "info@haus.de"
    QString VonName;     // "Modehaus Beispiel"; empty: the address alone
    QString AnAdresse;
    QString AnName;
    QString Betreff;
    QString Text;
    QDateTime Datum;    // invalid: now
    QString MessageId;  // without angle brackets; empty: a new unique one
};

namespace kis::mail {

// True for an address a mail server takes: ASCII local part of atext characters and single
// dots, one "@", a domain of at least two labels (an internationalised domain is accepted and
// sent in its ASCII form). No blanks, angle brackets or line breaks.
bool GueltigeAdresse(const QString& adresse);
// The address as it goes on the wire: trimmed, domain in ASCII form; empty when not valid.
QByteArray AdresseAscii(const QString& adresse);

// The whole message, ready to be written as a file or handed to a mail server.
// Throws std::invalid_argument when the sender's or the recipient's address is not valid.
QByteArray EmlSchreiben(const TMailNachricht& nachricht);

// Building blocks, exposed for their tests.
// A header field "Name: value" folded into encoded words where needed; ends with CRLF.
QByteArray HeaderFeld(const char* name, const QString& wert);
// "Name <address>" with the name quoted or encoded as needed; the address alone without name.
QByteArray Mailbox(const QString& name, const QString& adresse);
// Quoted-printable body (RFC 2045) of UTF-8 text; lines end in CRLF, none longer than 76.
QByteArray QuotedPrintable(const QString& text);
// "Wed, 09 Dec 2026 00:03:48 +0100"
QByteArray DatumRfc5322(const QDateTime& zeit);

}  // namespace kis::mail
