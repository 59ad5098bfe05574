#pragma once
// Article criteria of an evaluation: the article's supplier and its variant text. Applied by
// TAAQuery::Check_AA to an article record. A negation flag without its criterion does nothing.
#include <cstdint>
#include <string>

class TAAFilter {
public:
    // Supplier number of the article; 0 = no supplier criterion.
    int32_t Lieferant = 0;
    bool LieferantNeg = false;
    // Variant patterns, separated by ';' or ','; '*' and '?' are wildcards, case is ignored.
    // Empty (after trimming) = no variant criterion.
    std::string Varianten;
    bool VariantenNeg = false;

    void Clear() { *this = TAAFilter(); }
    void Assign(const TAAFilter& source) { *this = source; }
    // True when at least one criterion is set; an inactive filter accepts every article.
    bool IsActive() const;
};
