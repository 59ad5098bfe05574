#pragma once
// Message center: the user writes a message (subject and text with placeholders), previews it
// for any customer of the caller's list and produces it for all of them: e-mails (.eml files,
// sent through SMTP when a server is configured) for customers with an address, letters in one
// PDF for the others.
//
// The caller gives the customer walk (first, next) and, optionally, its placeholders and the
// exchange of a placeholder text for a customer.
#include <functional>
#include <QString>
#include <vector>

#include "platform/base/keys.h"

class QWidget;

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

private:
    QWidget* FParent;
    QString FProgramm;
    QString FMaske;
    KundeCallback FFirst;
    KundeCallback FNext;
    PlatzhalterCallback FPlatzhalter;
    ExchangeCallback FExchange;
};
