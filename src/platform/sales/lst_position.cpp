#include "platform/sales/lst_position.h"

#include "platform/match/text_match.h"

bool TLSTPosition::BonusVerrechnet() const {
    return !kis::match::IsBlank(Bonus1Art) || !kis::match::IsBlank(Bonus2Art);
}
