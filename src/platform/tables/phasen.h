#pragma once
// The phase table of open transactions (numbered from 1) and its side table: which party of
// a transaction is the customer (1 = first party, 2 = second party). A phase code begins with
// the three-letter document kind that documents built from it carry.
#include <string>

// Number of phases; valid numbers are 1..CPhase_Anzahl().
int CPhase_Anzahl();
// Code of phase nr ("AUFKUNDE"); empty outside the table.
std::string CPhase(int nr);
// German designation of phase nr; empty outside the table.
std::string CPhase_Bez(int nr);
// Phase number of a code; the first three characters are enough ("AUF"). 0 when unknown.
int CPhase_Nr(const std::string& code);
// Customer side of phase nr: 1 or 2; 1 outside the table.
int CMand_SV_Seite(int nr);
// True for the phases whose open transactions count as customer documents (13, 14, 17, 26, 29).
bool CPhase_IstKundenVorgang(int nr);
