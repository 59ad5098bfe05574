#pragma once
// Column order of the overview grid and of the two detail grids of "Kunde - Umsatz".
namespace kis::overview {

enum TKisuSpalte : int {
    ksNAME, ksVORNAME, ksSELUMSATZ, ksSELMENGE, ksGESUMSATZ, ksGESMENGE, ksBONUSNEU, ksBONUSABG,
    ksBONUS, ksBONUSKASSE, ksAGUTSCHEI, ksARECHNUNG, ksKREDIT, ksAUSWAHL, ksRESERV, ksKUNDE,
    ksRSCHEIN, ksAGUTSCHRI, ksAnzahl
};

// The open-item columns with the short name of their table.
struct TOPSpalte {
    int spalte;
    const char* tabelle;
};
inline constexpr TOPSpalte kOPSpalten[] = {
    {ksBONUS, "BONUS"},     {ksAGUTSCHEI, "A-GUTSCHEI"}, {ksARECHNUNG, "A-RECHNUNG"},
    {ksKREDIT, "KREDIT"},   {ksAUSWAHL, "AUSWAHL"},      {ksRESERV, "RESERV"},
    {ksRSCHEIN, "RSCHEIN"}, {ksAGUTSCHRI, "A-GUTSCHRI"}};

enum TBelegSpalte : int {
    bsBELEG, bsDATUM, bsISTVK, bsMENGE, bsRNR, bsLNR, bsKUNDE, bsBELEGART, bsBELEGLNR, bsBELEGRNR,
    bsAnzahl
};

enum TPosSpalte : int {
    psARTIKELNR, psLIEFERANT, psLIEFARTNR, psMERKMAL1, psMERKMAL6 = psMERKMAL1 + 5, psGROESSE,
    psISTVK, psSOLLVK, psMENGE, psVKKZ, psDATUM, psFILIALE, psPRODUKTID, psAnzahl
};

}  // namespace kis::overview
