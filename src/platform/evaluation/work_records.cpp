#include "platform/evaluation/work_records.h"

void TKivkSatz::Clear() {
    RowId = 0;
    Kunde = {};
    Art.clear();
    RNr = LNr = PosNr = 0;
    BelegArt.clear();
    BelegLNr = BelegRNr = AtkNr1 = AtkNr2 = 0;
    Datum = 0;
    Filiale = 0;
    ArtikelNr = {};
    LiefName.clear();
    LiefArt.clear();
    for (auto& m : Merkmal) m.clear();
    Groesse.clear();
    VkKz.clear();
    IstVk = SollVk = 0;
    Menge = 0;
    GesWert = 0;
    GesMenge = 0;
    AnzPos = 0;
    Verrechnet = false;
}
