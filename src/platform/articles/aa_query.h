#pragma once
// Applies a TAAFilter to article records; Prepare splits the variant patterns once.
#include <vector>

#include "platform/articles/aa_filter.h"
#include "platform/articles/artikel_satz.h"
#include "platform/match/text_match.h"

class TAAQuery {
public:
    void SetFilter(const TAAFilter& filter) {
        filter_.Assign(filter);
        prepared_ = false;
    }
    const TAAFilter& Filter() const { return filter_; }
    void Prepare();
    bool IsActive() const { return filter_.IsActive(); }
    // True when the article passes the supplier and the variant criterion.
    bool Check_AA(const TArtikelSatz& artikel);

private:
    TAAFilter filter_;
    bool prepared_ = false;
    std::vector<kis::match::Pattern> varianten_;
};
