#include "platform/ui/dochost/gp_doc_host.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

#include "platform/partners/gp_data.h"
#include "platform/services/orv_info.h"
#include "platform/ui/dochost/doc_austausch.h"
#include "platform/ui/dochost/doc_erzeugung.h"
#include "platform/ui/dochost/doc_host_dialog.h"
#include "platform/ui/progress_dialog.h"

using namespace kis::dochost;

Tgpdochost::Tgpdochost(QWidget* parent, QString programm, QString maske, KundeCallback first,
                       KundeCallback next)
    : FParent(parent), FProgramm(std::move(programm)), FMaske(std::move(maske)),
      FFirst(std::move(first)), FNext(std::move(next)), FErgebnis(std::make_unique<TErgebnis>()) {}

Tgpdochost::~Tgpdochost() = default;

std::vector<TDocPlatzhalter> Tgpdochost::Platzhalter() const {
    std::vector<TDocPlatzhalter> liste;
    if (FPlatzhalter) liste = FPlatzhalter();
    for (const TDocPlatzhalter& a : AdressPlatzhalter()) {
        const bool doppelt = std::any_of(liste.begin(), liste.end(), [&](const TDocPlatzhalter& p) { return p.Key == a.Key; });
        if (!doppelt) liste.push_back(a);
    }
    return liste;
}

const std::vector<TIntPair>& Tgpdochost::KundenLesen() {
    FKunden.clear();
    TIntPair kunde;
    if (FFirst && FFirst(kunde)) {
        do {
            if (!kunde.IsNull()) FKunden.push_back(kunde);  // the totals key is nobody's address
        } while (FNext && FNext(kunde));
    }
    return FKunden;
}

TKundenNachricht Tgpdochost::Vorschau(const TIntPair& kunde, const QString& betreff, const QString& text) const {
    TGpData gp;
    return NachrichtFuer(kunde, {betreff, text}, FExchange, gp);
}

bool Tgpdochost::Erzeugen(const QString& betreff, const QString& text) {
    *FErgebnis = TErgebnis();
    QWidget* fenster = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : FParent;
    TErzeugung lauf;
    lauf.Smtp = TSmtpEinstellungen::Laden();
    lauf.Exchange = FExchange;

    lauf.Ordner = FZielOrdner;
    if (lauf.Ordner.isEmpty()) {
        if (FUnbeaufsichtigt) {
            FErgebnis->Fehler << QStringLiteral("Es ist kein Ordner für E-Mails und Briefe angegeben.");
            return false;
        }
        lauf.Ordner = QFileDialog::getExistingDirectory(fenster, QStringLiteral("Ordner für E-Mails und Briefe"),
                                                        FOrdnerVorschlag);
        if (lauf.Ordner.isEmpty()) return false;
        FOrdnerVorschlag = lauf.Ordner;
    }
    if (lauf.Smtp.Konfiguriert() && !lauf.Smtp.Benutzer.isEmpty()) {
        if (FKennwort.isEmpty() && !FUnbeaufsichtigt) {
            bool ok = false;
            const QString k = QInputDialog::getText(
                fenster, QStringLiteral("Mail-Server"),
                QStringLiteral("Kennwort für %1 auf %2:").arg(lauf.Smtp.Benutzer, lauf.Smtp.Server), QLineEdit::Password,
                QString(), &ok);
            if (!ok) return false;
            FKennwort = k;
        }
        lauf.Smtp.Kennwort = FKennwort;
    }
    if (FKunden.empty()) KundenLesen();

    std::unique_ptr<TORVStdProgressDialog> fortschritt;
    if (!FUnbeaufsichtigt) {
        fortschritt = std::make_unique<TORVStdProgressDialog>(fenster);
        fortschritt->SetCaption(QStringLiteral("Message Center"));
        fortschritt->AddCounter(QStringLiteral("Kunde"), QStringLiteral("Kunde"), TORVProgressCounter::Kind::Text);
        fortschritt->AddCounter(QStringLiteral("Anzahl"), QStringLiteral("Bearbeitet"), TORVProgressCounter::Kind::Text);
        fortschritt->Show();
        TORVStdProgressDialog* dlg = fortschritt.get();
        lauf.Fortschritt = [dlg](int nr, int anzahl, const QString& name) {
            dlg->SetText(QStringLiteral("Kunde"), name);
            dlg->SetText(QStringLiteral("Anzahl"), QStringLiteral("%1 von %2").arg(nr).arg(anzahl));
            QCoreApplication::processEvents();
            return !dlg->WasAborted();
        };
    }
    *FErgebnis = lauf.Ausfuehren(FKunden, {betreff, text});
    if (fortschritt) fortschritt->Close();

    const TErgebnis& e = *FErgebnis;
    if (!e.Fehler.isEmpty())
        ORVInfo().RegisterException("Tgpdochost.Erzeugen",
                                    std::runtime_error(e.Fehler.join(QStringLiteral("; ")).toStdString()), 1);
    const std::string meldung = ("Message Center: " + e.Zusammenfassung()).toStdString();
    if (!FUnbeaufsichtigt) {  // unattended callers read Ergebnis()
        if (e.Ok())
            ORVInfo().HinweisBox(meldung);
        else
            ORVInfo().WarnungBox(meldung);
    }
    return e.Ok() && (e.EMails > 0 || e.Briefe > 0);
}

bool Tgpdochost::Execute() {
    try {
        KundenLesen();
        if (FKunden.empty()) {
            if (!FUnbeaufsichtigt) ORVInfo().HinweisBox("Die Liste enthält keine Kunden.");
            return false;
        }
        if (FUnbeaufsichtigt) return false;  // the window needs a user
        TDocHostDialog dialog(*this, FProgramm, FMaske, FParent);
        if (OnFensterGezeigt) {
            QMetaObject::invokeMethod(&dialog, [this, &dialog] { OnFensterGezeigt(&dialog); }, Qt::QueuedConnection);
        }
        dialog.exec();
        return dialog.Erzeugt();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("Tgpdochost.Execute", e, 1);
        ORVInfo().FehlerBox(std::string("Das Message Center wurde mit einem Fehler beendet: ") + e.what());
        return false;
    }
}
