#include "platform/ui/dochost/doc_erzeugung.h"

#include <QDir>
#include <QSaveFile>
#include <exception>
#include <memory>

#include "platform/partners/gp_data.h"
#include "platform/services/orv_info.h"
#include "platform/ui/dochost/doc_austausch.h"
#include "platform/ui/dochost/doc_briefe.h"
#include "platform/ui/mail/mail_nachricht.h"
#include "platform/ui/mail/smtp_client.h"

namespace kis::dochost {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s).trimmed(); }

bool DateiSchreiben(const QString& pfad, const QByteArray& daten, QString& fehler) {
    QSaveFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(daten) != daten.size() || !f.commit()) {
        fehler = QStringLiteral("Die Datei %1 wurde nicht geschrieben: %2").arg(QDir::toNativeSeparators(pfad), f.errorString());
        return false;
    }
    return true;
}

}  // namespace

QString TErgebnis::Zusammenfassung(int maxFehler) const {
    QString s = QStringLiteral("%1 E-Mail%2").arg(EMails).arg(EMails == 1 ? "" : "s");
    if (EMails > 0)
        s += MitVersand ? QStringLiteral(" (%1 versendet)").arg(Versendet) : QStringLiteral(" (als Dateien)");
    s += QStringLiteral(", %1 Brief%2, %3 Fehler").arg(Briefe).arg(Briefe == 1 ? "" : "e").arg(Fehler.size());
    if (Abgebrochen) s += QStringLiteral("\nAbgebrochen nach %1 Kunden.").arg(Kunden);
    if (!PdfDatei.isEmpty()) s += QStringLiteral("\nBriefe: %1").arg(QDir::toNativeSeparators(PdfDatei));
    if (!Fehler.isEmpty()) {
        s += u'\n';
        s += Fehler.mid(0, maxFehler).join(u'\n');
        if (Fehler.size() > maxFehler) s += QStringLiteral("\n...");
    }
    return s;
}

TKundenNachricht NachrichtFuer(const TIntPair& kunde, const TNachricht& nachricht,
                               const Tgpdochost::ExchangeCallback& exchange, TGpData& gp) {
    TKundenNachricht k;
    k.Gefunden = gp.Get(kunde, k.Satz);
    auto wert = [&](const QString& p) {
        const QString w = exchange ? exchange(kunde, p) : p;
        return (w == p && k.Gefunden) ? AdressWert(k.Satz, p) : w;
    };
    k.Betreff = Austauschen(nachricht.Betreff, wert);
    k.Text = Austauschen(nachricht.Text, wert);
    k.Email = Q(k.Satz.Email);
    k.EmailGueltig = k.Gefunden && kis::mail::GueltigeAdresse(k.Email);
    return k;
}

QStringList Anschrift(const TGpSatz& s) {
    QStringList l;
    if (!Q(s.Anrede).isEmpty()) l << Q(s.Anrede);
    const QString name = QString::fromStdString(s.Vorname + " " + s.Name).simplified();
    if (!name.isEmpty()) l << name;
    if (!Q(s.Name2).isEmpty()) l << Q(s.Name2);
    if (!Q(s.Strasse).isEmpty()) l << Q(s.Strasse);
    const QString ort = (Q(s.Plz) + u' ' + Q(s.Ort)).trimmed();
    if (!ort.isEmpty()) l << ort;
    if (!Q(s.Land).isEmpty() && Q(s.Land).toUpper() != u"D") l << Q(s.Land);
    return l;
}

QString TErzeugung::EmlDateiName(const TIntPair& kunde, const TGpSatz& satz) {
    QString name = KundenName(satz);
    QString sicher;
    for (QChar c : name) {
        if (c.isLetterOrNumber() || c == u'-') sicher += c;
        else if (!sicher.endsWith(u'_')) sicher += u'_';
    }
    sicher = sicher.left(40);
    while (sicher.endsWith(u'_')) sicher.chop(1);
    const QString nr = QStringLiteral("%1-%2").arg(kunde.Lnr).arg(kunde.Rnr);
    return (sicher.isEmpty() ? nr : nr + u'_' + sicher) + QStringLiteral(".eml");
}

TErgebnis TErzeugung::Ausfuehren(const std::vector<TIntPair>& kunden, const TNachricht& nachricht) {
    TErgebnis e;
    const QDir ordner(Ordner);
    if (Ordner.isEmpty() || !ordner.exists()) {
        e.Fehler << QStringLiteral("Der Ordner \"%1\" existiert nicht.").arg(QDir::toNativeSeparators(Ordner));
        return e;
    }
    TGpData gp;
    TBriefeDatei briefe;
    const QString pdf = ordner.filePath(QStringLiteral("Briefe.pdf"));
    std::unique_ptr<TSmtpClient> smtp;
    bool versandAktiv = Smtp.Konfiguriert();
    e.MitVersand = versandAktiv;
    int nichtVersendet = 0;
    const int anzahl = int(kunden.size());
    try {
        for (int i = 0; i < anzahl; ++i) {
            const TIntPair& kunde = kunden[size_t(i)];
            const TKundenNachricht k = NachrichtFuer(kunde, nachricht, Exchange, gp);
            if (Fortschritt && !Fortschritt(i + 1, anzahl, KundenName(k.Satz))) {
                e.Abgebrochen = true;
                break;
            }
            ++e.Kunden;
            if (!k.Gefunden) {
                e.Fehler << QStringLiteral("Kunde %1: nicht gefunden.").arg(QString::fromStdString(kunde.ToString()));
                continue;
            }
            if (!k.EmailGueltig) {
                if (!briefe.Brief(pdf, {Anschrift(k.Satz), k.Betreff, k.Text}))
                    e.Fehler << QStringLiteral("Brief an %1: %2").arg(KundenName(k.Satz), briefe.Fehler());
                continue;
            }
            TMailNachricht m;
            m.VonAdresse = Smtp.Absender;
            m.VonName = Smtp.AbsenderName;
            m.AnAdresse = k.Email;
            m.AnName = KundenName(k.Satz);
            m.Betreff = k.Betreff;
            m.Text = k.Text;
            if (!kis::mail::GueltigeAdresse(m.VonAdresse)) {
                // Before the first e-mail: nothing has been written yet, and nothing will be.
                e.Fehler << QStringLiteral(
                    "Für E-Mails fehlt eine gültige Absenderadresse: bitte unter \"E-Mail-Einstellungen ...\" eintragen.");
                return e;
            }
            const QByteArray eml = kis::mail::EmlSchreiben(m);
            QString fehler;
            if (!DateiSchreiben(ordner.filePath(EmlDateiName(kunde, k.Satz)), eml, fehler)) {
                e.Fehler << fehler;
                continue;
            }
            ++e.EMails;
            if (!versandAktiv) {
                if (Smtp.Konfiguriert()) ++nichtVersendet;
                continue;
            }
            if (!smtp) smtp = std::make_unique<TSmtpClient>(Smtp);
            if (smtp->Senden(m.VonAdresse, m.AnAdresse, eml)) {
                ++e.Versendet;
            } else if (smtp->Verbunden()) {
                e.Fehler << QStringLiteral("%1: %2").arg(m.AnName, smtp->Fehler());
            } else {
                // The server is gone or refuses us: the rest are written only.
                e.Fehler << QStringLiteral("Versand eingestellt: %1").arg(smtp->Fehler());
                versandAktiv = false;
                ++nichtVersendet;
            }
        }
    } catch (const std::exception& ex) {
        ORVInfo().RegisterException("Tgpdochost.Erzeugen", ex, 1);
        e.Fehler << QString::fromUtf8(ex.what());
    }
    if (smtp) smtp->Beenden();
    if (nichtVersendet > 0)
        e.Fehler << QStringLiteral("%1 E-Mails wurden nicht versendet; sie liegen als .eml-Dateien im Ordner.")
                        .arg(nichtVersendet);

    if (!briefe.Beenden())
        e.Fehler << briefe.Fehler();
    else if (briefe.Briefe() > 0) {
        e.Briefe = briefe.Briefe();
        e.PdfDatei = pdf;
    }
    return e;
}

}  // namespace kis::dochost
