#pragma once
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

namespace kis::store {

// A failure of the data-file service; the message is German and fit to show a user.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Failures the store cannot throw (in destructors) are reported here under "Class.Method".
// The information service installs its error log; without a sink they go to stderr.
using ErrorSink = std::function<void(const std::string& where, const std::exception& e)>;
void SetErrorSink(ErrorSink sink);
void ReportError(const std::string& where, const std::exception& e) noexcept;

}  // namespace kis::store
