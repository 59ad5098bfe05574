#pragma once
// The text of a layout file: INI sections "[Layout]" and "[Feld1]", "[Feld2]" ..., one
// "Schlüssel=Wert" per line, lengths with decimal comma, ";" starts a comment line. UTF-8, so a
// user can read and change it in any editor.
#include <stdexcept>
#include <string>

#include "platform/layouts/kund_layout.h"

namespace kis::layouts {

// A layout file that cannot be read; the message names the line.
class TLayoutDateiFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the text of a layout file; the name is not part of the text. Throws
// TLayoutDateiFehler for text that is not a layout (unknown section or key, missing or bad
// value). The layout's content is not checked here (LayoutPruefen).
TKundLayout LayoutAusText(const std::string& text, const std::string& name);

std::string LayoutAlsText(const TKundLayout& layout);

}  // namespace kis::layouts
