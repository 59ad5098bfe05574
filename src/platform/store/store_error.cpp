#include "platform/store/store_error.h"

#include <cstdio>

namespace kis::store {

namespace {
ErrorSink& Sink() {
    static ErrorSink sink;
    return sink;
}
}  // namespace

void SetErrorSink(ErrorSink sink) { Sink() = std::move(sink); }

void ReportError(const std::string& where, const std::exception& e) noexcept {
    try {
        if (Sink()) {
            Sink()(where, e);
            return;
        }
    } catch (...) {
        // The sink failed; fall back to stderr below.
    }
    std::fprintf(stderr, "%s: %s\n", where.c_str(), e.what());
}

}  // namespace kis::store
