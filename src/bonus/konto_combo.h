#pragma once
// Account combos of the programme pages, through the data module's account list. Without a
// data module (tests of a page alone) the combos stay empty. A stored account that is not in
// the list shows nothing selected, never the account of the programme shown before.
#include <string>

class QComboBox;
class TDM;

void KontenFuellen(TDM* dm, QComboBox* combo);
void KontoWaehlen(TDM* dm, QComboBox* combo, const std::string& kuerzel);
std::string KontoKuerzel(TDM* dm, const QComboBox* combo);
