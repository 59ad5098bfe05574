#include "platform/services/settings.h"

#include <exception>

#include "platform/services/orv_info.h"
#include "platform/services/text.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"

namespace kis::services {

std::string ReadDef(const std::string& mask, const std::string& name, const std::string& def) {
    if (!store::HasSuiteDb()) return def;
    try {
        store::Statement& st =
            store::SuiteDb().Cached("SELECT WERT FROM EINSTELLUNG WHERE MASKE = ? AND NAME = ?");
        st.Bind(1, mask).Bind(2, name);
        std::string value = def;
        if (st.Step() && !st.ColumnIsNull(0)) value = st.ColumnText(0);
        st.Reset();
        return value;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TSimpleMask.ReadDef", e, 1);
        return def;
    }
}

int ReadDef(const std::string& mask, const std::string& name, int def) {
    const std::optional<int64_t> value = ParseInteger(ReadDef(mask, name, std::string()));
    return value && *value >= INT32_MIN && *value <= INT32_MAX ? int(*value) : def;
}

bool WriteGlobal(const std::string& mask, const std::string& name, const std::string& value) {
    try {
        store::BookingScope booking(kSettingsBookingType);
        store::SuiteDb()
            .Cached("INSERT INTO EINSTELLUNG (MASKE, NAME, WERT) VALUES (?, ?, ?) "
                    "ON CONFLICT (MASKE, NAME) DO UPDATE SET WERT = excluded.WERT")
            .Bind(1, mask)
            .Bind(2, name)
            .Bind(3, value)
            .Run();
        booking.Commit();
        return true;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TSimpleMask.WriteGlobal", e, 1);
        return false;
    }
}

bool WriteGlobal(const std::string& mask, const std::string& name, int value) {
    return WriteGlobal(mask, name, std::to_string(value));
}

}  // namespace kis::services
