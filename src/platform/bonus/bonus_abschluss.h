#pragma once
// Closing a bonus: status "A" in its open item, its service record and its bonus record
// (the text block stays as it is), in one booking of type 39 per bonus.
#include "platform/base/keys.h"
#include "platform/bonus/bonus_orte.h"

inline constexpr int kBuchungBonusAbschluss = 39;

// Closes the bonus. Throws TBonusNichtBuchbar, with nothing changed, when one of its places is
// missing or it is no longer open or already used (another workstation was faster); other
// failures throw as well and roll the booking back.
void BonusAbschliessen(const TBonusIdent& ref, const TIntPair& kunde);
