#pragma once
// Writes the planned documents: document index, positions (with their bonus marks), payment
// records, ledger bookings, open items of invoices, vouchers, credit notes and open
// transactions, and the day closings. Each batch of documents is one booking.
#include <cstdint>
#include <functional>

#include "model.h"

namespace kis::demo {

struct SalesCounts {
    int64_t documents = 0;  // index documents
    int64_t transactions = 0;
    int64_t positions = 0;
    int64_t payments = 0;
};

// progress(done, total) is called after each batch.
SalesCounts WriteSales(const DemoModel& model, int bookingType,
                       const std::function<void(int64_t, int64_t)>& progress);

}  // namespace kis::demo
