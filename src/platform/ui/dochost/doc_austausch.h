#pragma once
// Exchanging the placeholders of a message for one customer. A placeholder is a word between
// two "#" ("#BONUS#"); each distinct one is handed to the caller's exchange on its own, and
// when the answer differs from the placeholder it replaces every occurrence. Values are never
// exchanged again, so a customer name holding "#" cannot pull in other data. Placeholders
// nobody knows stay as written, so the preview shows the user what was not exchanged.
//
// The host adds the customer's address fields (#ANREDE#, #VORNAME#, #NAME#, #STRASSE#, #PLZ#,
// #ORT#) for placeholders the caller leaves unchanged.
#include <QString>
#include <functional>
#include <vector>

#include "platform/ui/dochost/gp_doc_host.h"

struct TGpSatz;

namespace kis::dochost {

using Exchange = std::function<QString(const QString& platzhalter)>;

QString Austauschen(const QString& text, const Exchange& exchange);

// The address placeholders the host offers beside the caller's.
const std::vector<TDocPlatzhalter>& AdressPlatzhalter();
// The value of one address placeholder; the placeholder itself when it is none.
QString AdressWert(const TGpSatz& kunde, const QString& platzhalter);

// "Vorname Name" (or the name alone), trimmed and with single blanks.
QString KundenName(const TGpSatz& kunde);

}  // namespace kis::dochost
