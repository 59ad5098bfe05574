#pragma once
// Message center: the user writes a message (subject and text with placeholders), previews it
// for any customer of the caller's list and produces it for all of them: e-mails (.eml files,
// sent through SMTP when a server is configured) for customers with an address, letters in one
// PDF for the others.
//
// The caller gives the customer walk (first, next) and, optionally, its placeholders and the
// exchange of a placeholder text for a customer.
#include <functional>
#include <memory>
#include <QString>
#include <vector>

#include "platform/base/keys.h"

class QDialog;
class QWidget;
namespace kis::dochost {
struct TErgebnis;
struct TKundenNachricht;
}  // namespace kis::dochost

struct TDocPlatzhalter {
    QString Name;     // field name, for example "BONUS"
    QString Caption;  // what the list shows, for example "Bonus"
    QString Key;      // what the text carries, "#" + Name + "#"
};

class Tgpdochost {
public:
    using KundeCallback = std::function<bool(TIntPair& kunde)>;
    using PlatzhalterCallback = std::function<std::vector<TDocPlatzhalter>()>;
    // Gets a customer and a text; answers the text with the caller's placeholders exchanged.
    using ExchangeCallback = std::function<QString(const TIntPair& kunde, const QString& text)>;

    Tgpdochost(QWidget* parent, QString programm, QString maske, KundeCallback first,
               KundeCallback next);
    ~Tgpdochost();
    Tgpdochost(const Tgpdochost&) = delete;
    Tgpdochost& operator=(const Tgpdochost&) = delete;

    void SetPlatzhalter(PlatzhalterCallback platzhalter) { FPlatzhalter = std::move(platzhalter); }
    void SetExchange(ExchangeCallback exchange) { FExchange = std::move(exchange); }

    // Shows the message center modally; false when nothing was produced (cancel or failure).
    bool Execute();

    // --- used by the window, and by tests and unattended callers without any dialog -------
    // The caller's placeholders, then the customer's address fields the host adds.
    std::vector<TDocPlatzhalter> Platzhalter() const;
    // Walks the caller's customers (first, next) and keeps their keys; a 0/0 key (a totals
    // record) is no customer and is left out.
    const std::vector<TIntPair>& KundenLesen();
    const std::vector<TIntPair>& Kunden() const { return FKunden; }
    // The message of one customer with every placeholder exchanged.
    kis::dochost::TKundenNachricht Vorschau(const TIntPair& kunde, const QString& betreff,
                                            const QString& text) const;
    // Produces the message for every customer (see doc_erzeugung.h). Without a folder set by
    // SetZielOrdner the user chooses one. False when the user cancelled or anything failed;
    // Ergebnis() tells what was produced.
    bool Erzeugen(const QString& betreff, const QString& text);
    const kis::dochost::TErgebnis& Ergebnis() const { return *FErgebnis; }

    void SetZielOrdner(const QString& ordner) { FZielOrdner = ordner; }
    QString ZielOrdner() const { return FZielOrdner; }
    // The folder the folder dialog starts in (the last one chosen).
    void SetOrdnerVorschlag(const QString& ordner) { FOrdnerVorschlag = ordner; }
    QString OrdnerVorschlag() const { return FOrdnerVorschlag; }
    // The mail server's password for this session (asked for when a user is set and none given).
    void SetSmtpKennwort(const QString& kennwort) { FKennwort = kennwort; }
    // No dialogs, message boxes or progress window: for tests and runs without a user.
    void SetUnbeaufsichtigt(bool ja) { FUnbeaufsichtigt = ja; }
    bool Unbeaufsichtigt() const { return FUnbeaufsichtigt; }
    // Called with the window once it is shown (tests drive it from here).
    std::function<void(QDialog* fenster)> OnFensterGezeigt;

private:
    QWidget* FParent;
    QString FProgramm;
    QString FMaske;
    KundeCallback FFirst;
    KundeCallback FNext;
    PlatzhalterCallback FPlatzhalter;
    ExchangeCallback FExchange;
    std::vector<TIntPair> FKunden;
    QString FZielOrdner;
    QString FOrdnerVorschlag;
    QString FKennwort;
    bool FUnbeaufsichtigt = false;
    std::unique_ptr<kis::dochost::TErgebnis> FErgebnis;
};
