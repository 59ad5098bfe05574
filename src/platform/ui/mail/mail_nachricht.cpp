#include "platform/ui/mail/mail_nachricht.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTimeZone>
#include <QUrl>
#include <QUuid>
#include <stdexcept>

namespace kis::mail {

namespace {

// Bytes of text per encoded word: 52 base64 characters, so "=?UTF-8?B?...?=" is 64 long and
// a first line "Subject: " plus one word stays within 78 characters.
constexpr int kBytesJeWort = 39;
constexpr int kZeilenLaenge = 78;
constexpr int kQpZeile = 75;  // plus the "=" of a soft line break: 76

// Line breaks and tabs of a header value become blanks.
QString OhneZeilenumbruch(const QString& wert) {
    QString s = wert;
    for (QChar& c : s)
        if (c == u'\r' || c == u'\n' || c == u'\t' || c == QChar(0)) c = u' ';
    return s;
}

bool DruckbaresAscii(const QString& s) {
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
    return true;
}

// Encoded words of at most kBytesJeWort bytes each, never splitting a character.
QList<QByteArray> KodierteWoerter(const QString& text) {
    QList<QByteArray> woerter;
    QByteArray teil;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray zeichen = text.mid(i, n).toUtf8();
        i += n - 1;
        if (!teil.isEmpty() && teil.size() + zeichen.size() > kBytesJeWort) {
            woerter << "=?UTF-8?B?" + teil.toBase64() + "?=";
            teil.clear();
        }
        teil += zeichen;
    }
    if (!teil.isEmpty()) woerter << "=?UTF-8?B?" + teil.toBase64() + "?=";
    return woerter;
}

// ASCII text folded at blanks so that lines stay within 78 characters where a blank allows.
QByteArray AsciiGefaltet(const QByteArray& kopf, const QString& wert) {
    QByteArray out = kopf;
    qsizetype zeile = out.size();
    const QStringList woerter = wert.split(u' ');
    for (qsizetype i = 0; i < woerter.size(); ++i) {
        const QByteArray w = woerter[i].toLatin1();
        if (i > 0) {
            if (zeile + 1 + w.size() > kZeilenLaenge && zeile > kopf.size()) {
                out += "\r\n";
                zeile = 0;
            }
            out += ' ';
            ++zeile;
        }
        out += w;
        zeile += w.size();
    }
    return out;
}

QByteArray Hex(unsigned char b) {
    static const char* const kZiffern = "0123456789ABCDEF";
    QByteArray h("=");
    h += kZiffern[b >> 4];
    h += kZiffern[b & 15];
    return h;
}

}  // namespace

bool GueltigeAdresse(const QString& adresse) { return !AdresseAscii(adresse).isEmpty(); }

QByteArray AdresseAscii(const QString& adresse) {
    const QString a = adresse.trimmed();
    const qsizetype at = a.indexOf(u'@');
    if (at <= 0 || a.indexOf(u'@', at + 1) >= 0 || a.size() > 254) return {};
    const QString lokal = a.left(at);
    static const QRegularExpression kLokal(
        QStringLiteral("^[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+(\\.[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+)*$"));
    if (lokal.size() > 64 || !kLokal.match(lokal).hasMatch()) return {};
    const QString domain = a.mid(at + 1);
    if (domain.isEmpty() || domain.contains(QRegularExpression(QStringLiteral("[\\s<>()\\[\\],;:\\\\\"@]"))))
        return {};
    const QByteArray ace = QUrl::toAce(domain);
    static const QRegularExpression kDomain(
        QStringLiteral("^([A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?\\.)+[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?$"));
    if (ace.isEmpty() || !kDomain.match(QString::fromLatin1(ace)).hasMatch()) return {};
    return lokal.toLatin1() + '@' + ace;
}

QByteArray HeaderFeld(const char* name, const QString& wert) {
    const QString v = OhneZeilenumbruch(wert);
    const QByteArray kopf = QByteArray(name) + ": ";
    if (DruckbaresAscii(v) && !v.contains(QStringLiteral("=?"))) return AsciiGefaltet(kopf, v) + "\r\n";
    return kopf + KodierteWoerter(v).join("\r\n ") + "\r\n";
}

QByteArray Mailbox(const QString& name, const QString& adresse) {
    const QByteArray ascii = AdresseAscii(adresse);
    const QString n = OhneZeilenumbruch(name).simplified();
    if (n.isEmpty()) return ascii;
    QByteArray phrase;
    if (DruckbaresAscii(n) && !n.contains(QStringLiteral("=?"))) {
        phrase = "\"";
        for (QChar c : n) {
            if (c == u'"' || c == u'\\') phrase += '\\';
            phrase += char(c.unicode());
        }
        phrase += "\"";
    } else {
        phrase = KodierteWoerter(n).join("\r\n ");
    }
    return phrase + " <" + ascii + ">";
}

QByteArray QuotedPrintable(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList zeilen = t.split(u'\n');
    QByteArray out;
    for (const QString& zeile : zeilen) {
        const QByteArray bytes = zeile.toUtf8();
        qsizetype laenge = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            const bool letztes = i + 1 == bytes.size();
            QByteArray zeichen;
            if ((b == ' ' || b == '\t') && !letztes)
                zeichen = QByteArray(1, char(b));
            else if (b >= 33 && b <= 126 && b != '=')
                zeichen = QByteArray(1, char(b));
            else
                zeichen = Hex(b);
            if (laenge + zeichen.size() > kQpZeile) {
                out += "=\r\n";
                laenge = 0;
            }
            out += zeichen;
            laenge += zeichen.size();
        }
        out += "\r\n";
    }
    return out;
}

QByteArray DatumRfc5322(const QDateTime& zeit) {
    const QLocale c = QLocale::c();
    const int offset = zeit.offsetFromUtc() / 60;
    const int betrag = offset < 0 ? -offset : offset;
    return (c.toString(zeit, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss ")) + (offset < 0 ? u'-' : u'+') +
            QStringLiteral("%1%2").arg(betrag / 60, 2, 10, QChar(u'0')).arg(betrag % 60, 2, 10, QChar(u'0')))
        .toLatin1();
}

QByteArray EmlSchreiben(const TMailNachricht& n) {
    const QByteArray von = AdresseAscii(n.VonAdresse);
    if (von.isEmpty()) throw std::invalid_argument("Die Absenderadresse ist ungültig: " + n.VonAdresse.toStdString());
    if (!GueltigeAdresse(n.AnAdresse))
        throw std::invalid_argument("Die Empfängeradresse ist ungültig: " + n.AnAdresse.toStdString());
    QString id = OhneZeilenumbruch(n.MessageId).remove(u' ').remove(u'<').remove(u'>');
    if (id.isEmpty())
        id = QUuid::createUuid().toString(QUuid::WithoutBraces) + u'@' + QString::fromLatin1(von.mid(von.indexOf('@') + 1));
    const QDateTime datum = n.Datum.isValid() ? n.Datum : QDateTime::currentDateTime();

    QByteArray m;
    m += "From: " + Mailbox(n.VonName, n.VonAdresse) + "\r\n";
    m += "To: " + Mailbox(n.AnName, n.AnAdresse) + "\r\n";
    m += HeaderFeld("Subject", n.Betreff);
    m += "Date: " + DatumRfc5322(datum) + "\r\n";
    m += "Message-ID: <" + id.toLatin1() + ">\r\n";
    m += "MIME-Version: 1.0\r\n";
    m += "Content-Type: text/plain; charset=UTF-8\r\n";
    m += "Content-Transfer-Encoding: quoted-printable\r\n";
    m += "\r\n";
    m += QuotedPrintable(n.Text);
    return m;
}

}  // namespace kis::mail
