#pragma once
// Reads PDFs back in tests with poppler's command-line tools (pdftotext, pdfinfo).
#include <string>

namespace kis::test {

// The text of page `seite` (1-based; 0 = all pages) in reading order, UTF-8; empty when the file
// cannot be read.
std::string PdfText(const std::string& pfad, int seite = 0);

// The number of pages; -1 when the file is not a readable PDF.
int PdfSeiten(const std::string& pfad);

}  // namespace kis::test
