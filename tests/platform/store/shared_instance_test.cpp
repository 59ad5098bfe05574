#include "platform/store/shared_instance.h"

#include <gtest/gtest.h>

#include <stdexcept>

using kis::store::SharedInstance;

namespace {

// Fails to build while `failing` is set, as a service whose database read fails would.
struct Fragile {
    static inline bool failing = false;
    static inline int built = 0;
    Fragile() {
        if (failing) throw std::runtime_error("nicht lesbar");
        ++built;
    }
};

TEST(SharedInstance, AFailedConstructionLeavesNoTakerAndTheNextTakerBuildsAgain) {
    Fragile::failing = true;
    EXPECT_THROW(SharedInstance<Fragile>::GetInstance(), std::runtime_error);
    EXPECT_EQ(SharedInstance<Fragile>::Count(), 0);

    Fragile::failing = false;
    Fragile* a = SharedInstance<Fragile>::GetInstance();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(SharedInstance<Fragile>::GetInstance(), a) << "the second taker shares it";
    EXPECT_EQ(Fragile::built, 1);
    EXPECT_EQ(SharedInstance<Fragile>::Count(), 2);
    SharedInstance<Fragile>::ReleaseInstance();
    SharedInstance<Fragile>::ReleaseInstance();
    SharedInstance<Fragile>::ReleaseInstance();  // one release too many is ignored
    EXPECT_EQ(SharedInstance<Fragile>::Count(), 0);
    SharedInstance<Fragile>::GetInstance();
    EXPECT_EQ(Fragile::built, 2) << "built anew after the last taker gave it back";
    SharedInstance<Fragile>::ReleaseInstance();
}

}  // namespace
