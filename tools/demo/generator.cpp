#include "generator.h"

#include <chrono>
#include <cstdio>

#include "bonus_writer.h"
#include "customers.h"
#include "master_data.h"
#include "model.h"
#include "catalog.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "sales_plan.h"
#include "sales_writer.h"

namespace kis::demo {

namespace {

class Stopwatch {
public:
    double Seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

std::string Step(const char* what, double seconds) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%-28s %7.1f s", what, seconds);
    return buf;
}

}  // namespace

GenerateResult Generate(const GenerateOptions& o, const std::function<void(const std::string&)>& log) {
    auto say = [&](const std::string& s) { if (log) log(s); };
    Stopwatch total;
    DemoModel m;
    m.size = o.size;
    m.seed = o.seed;
    m.today = o.today;
    m.firstDay = o.today - 3 * 365 + 1;

    {
        Stopwatch w;
        kis::store::BookingScope booking(kDemoBookingType);
        WriteMasterData(m);
        WriteCustomers(m);
        booking.Commit();
        say(Step("Stammdaten und Kunden", w.Seconds()));
    }
    {
        Stopwatch w;
        PlanDocuments(m);
        say(Step("Belege geplant", w.Seconds()));
    }
    GenerateResult r;
    {
        Stopwatch w;
        const SalesCounts s = WriteSales(m, kDemoBookingType, nullptr);
        r.documents = s.documents;
        r.transactions = s.transactions;
        r.positions = s.positions;
        r.payments = s.payments;
        say(Step("Belege und Positionen", w.Seconds()));
    }
    {
        // The bonuses are booked as the program books them, which reads by key.
        Stopwatch w;
        kis::store::SuiteDb().CreateIndexes();
        say(Step("Indizes aufgebaut", w.Seconds()));
    }
    {
        Stopwatch w;
        ORVProgramm().ReloadSettings();
        ORVProgramm().SetAktMandant(kMandant1);
        const BonusCounts b = WriteBonuses(m, kBonusBookingType);
        r.bonuses = b.bonuses;
        say(Step("Boni", w.Seconds()));
    }
    r.customers = int64_t(m.customers.size());
    say(Step("Gesamt", total.Seconds()));
    return r;
}

}  // namespace kis::demo
