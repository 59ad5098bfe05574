#pragma once
// Business-partner data: customer master data by key, and the status change that the
// serial-letter selection books. Shared instance: GlobGpData_GetInstance /
// GlobGpData_ReleaseInstance. The last record read is kept, because callers ask for the
// same customer several times in a row.
#include <string>

#include "platform/partners/gp_satz.h"

class TGpData {
public:
    // The customer's record; false when there is none.
    bool Get(const TIntPair& gepNr, TGpSatz& out);
    // As Get, but only when the customer's status equals `status` ("A", "P").
    bool GetMitStatus(const TIntPair& gepNr, const std::string& status, TGpSatz& out);
    // Trimmed "name name2 firstname"; empty when not found.
    std::string AnzeigeName(const TIntPair& gepNr);
    // Sets the customer's status inside its own booking of type 55 (nested in the caller's
    // booking when one is open); false when the customer does not exist.
    bool SetStatus(const TIntPair& gepNr, const std::string& status);
    // Forgets the record held.
    void Close();

private:
    bool held_ = false;
    const void* db_ = nullptr;
    TGpSatz last_;
};

TGpData* GlobGpData_GetInstance();
void GlobGpData_ReleaseInstance();
