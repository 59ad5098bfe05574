#pragma once
// Reading TGpSatz from SELECTs over GEP (used by the partner services only).
#include "platform/partners/gp_satz.h"
#include "platform/store/statement.h"

namespace kis::partners {

// Columns in the order ReadGpSatz reads them.
inline constexpr const char* kGpSpalten =
    "GEPNR_L, GEPNR_R, MANDANT_L, MANDANT_R, ANREDE, NAME, NAME2, VORNAME, SUCHNAME, STRASSE, "
    "PLZ, ORT, LAND, TELEFON, EMAIL, GEBURTSTAG, GESCHLECHT, STATUS, WERBUNG, SERIENBRIEF, "
    "KUNDENGRUPPE, FILIALE, ANLAGEDATUM";

void ReadGpSatz(const kis::store::Statement& s, TGpSatz& out);

}  // namespace kis::partners
