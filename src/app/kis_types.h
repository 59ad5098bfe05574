#pragma once
// Small types the windows of the customer information system share.

// Mode of a selection: customer evaluation or bonus generation.
enum class TSelektionFrmModus { smKundeninfoSelektion, smBonusSelektion };

// Which ABC indicator a classification books: the current one, the comparison one, or none.
enum class TABCTyp { abcAktuell, abcVergleich, abcOhne };
