#pragma once
#include <stdexcept>
#include <string>

namespace kis::store {

// A failure of the data-file service; the message is German and fit to show a user.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kis::store
