#pragma once
// The choice and the result of an ABC classification of the customers of a run: which
// attribute receives the letters, what the group limits are shares of, the shares of A and B,
// and per group its turnover and number of customers, absolute and relative.
#include <cstdint>

// Which ABC indicator a classification books: the current one, the comparison one, or none.
enum class TABCTyp : uint8_t { abcAktuell, abcVergleich, abcOhne };

// What the shares of A and B are shares of: the turnover or the number of customers.
enum class TABCBezug : uint8_t { bezUmsatz, bezAnzahl };

struct TABCInfoRecord {
    TABCTyp ABCTyp = TABCTyp::abcAktuell;
    TABCBezug ABCBezug = TABCBezug::bezUmsatz;
    int32_t AAnteil = 0;  // percent
    int32_t BAnteil = 0;  // percent
    long double ASummeAbs = 0;
    long double ASummeRel = 0;  // of the turnover of all customers (0 when that is 0)
    int32_t AAnzahlAbs = 0;
    long double AAnzahlRel = 0;  // of the number of customers (0 when there is none)
    long double BSummeAbs = 0;
    long double BSummeRel = 0;
    int32_t BAnzahlAbs = 0;
    long double BAnzahlRel = 0;
    long double CSummeAbs = 0;
    long double CSummeRel = 0;
    int32_t CAnzahlAbs = 0;
    long double CAnzahlRel = 0;

    // Sets every result field to 0 and keeps the four inputs.
    void ErgebnisLeeren() {
        const TABCInfoRecord leer{ABCTyp, ABCBezug, AAnteil, BAnteil};
        *this = leer;
    }
};
