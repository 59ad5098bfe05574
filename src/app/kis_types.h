#pragma once
// Small types the windows of the customer information system share.
#include "engine/abc_typen.h"  // TABCTyp, TABCBezug, TABCInfoRecord

// Mode of a selection: customer evaluation or bonus generation.
enum class TSelektionFrmModus { smKundeninfoSelektion, smBonusSelektion };
