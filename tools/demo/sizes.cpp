#include "sizes.h"

namespace kis::demo {

std::optional<DemoSize> FindSize(const std::string& name) {
    // Positions follow from the documents: four per document on average.
    static const DemoSize kSizes[] = {
        {"tiny", 48, 600, 120, 8, 3, 2, 100, 5000},
        {"small", 2000, 20000, 1500, 30, 6, 2, 25, 20000},
        {"medium", 20000, 200000, 6000, 80, 12, 3, 20, 50000},
        {"large", 100000, 1000000, 15000, 150, 20, 5, 15, 50000},
    };
    for (const auto& s : kSizes)
        if (s.name == name) return s;
    return std::nullopt;
}

}  // namespace kis::demo
