#pragma once
// The record-file classes of the suite and of the work files, each over its table.
#include "platform/store/record_file.h"

namespace kis::store {

#define KIS_RECORD_FILE(cls, table) \
    class cls : public TQEL_DBFile { \
    public: \
        cls() : TQEL_DBFile(table) {} \
    };

KIS_RECORD_FILE(Tmandantfile, "MANDANT")
KIS_RECORD_FILE(TGepFile, "GEP")
KIS_RECORD_FILE(Tkulifile, "KULI")
KIS_RECORD_FILE(Tmerkmaldeffile, "MERKMALDEF")
KIS_RECORD_FILE(Tgpmerkmalfile, "GPMERKMAL")
KIS_RECORD_FILE(Tgpnummerfile, "GPNUMMER")
KIS_RECORD_FILE(Tfilialfile, "FILIALE")
KIS_RECORD_FILE(Tfilialgruppenfile, "FILIALGRUPPE")
KIS_RECORD_FILE(Tkvfile, "KV")
KIS_RECORD_FILE(Tlfnrfile, "LFNR")
KIS_RECORD_FILE(Tlstfile, "LST")
KIS_RECORD_FILE(Tzmfile, "ZM")
KIS_RECORD_FILE(Tguvfile, "GUV")
KIS_RECORD_FILE(Tkontofile, "KONTO")
KIS_RECORD_FILE(Tzahlungsmittelfile, "ZAHLUNGSMITTEL")
KIS_RECORD_FILE(Topfile, "OP")
KIS_RECORD_FILE(Tatkfile, "ATK")
KIS_RECORD_FILE(Tbonufile, "BONUS")
KIS_RECORD_FILE(Tdienstfile, "DIENST")
KIS_RECORD_FILE(Tbetafile, "BETA")
KIS_RECORD_FILE(Tartikelfile, "ARTIKEL")
KIS_RECORD_FILE(Tlieferantfile, "LIEFERANT")
KIS_RECORD_FILE(Tsaisonfile, "SAISON")
KIS_RECORD_FILE(Tkisufile, "KISUFILE")
KIS_RECORD_FILE(Tkivkfile, "KIVKFILE")
KIS_RECORD_FILE(Tbonutmpfile, "BONUTMP")

#undef KIS_RECORD_FILE

}  // namespace kis::store
