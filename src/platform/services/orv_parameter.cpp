#include "platform/services/orv_parameter.h"

#include <exception>

#include "platform/services/orv_info.h"
#include "platform/services/settings.h"
#include "platform/match/text_match.h"
#include "platform/services/text.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"

using kis::match::Trim;

bool TORVParameter::Read(const std::string& name, std::string& value) {
    if (!kis::store::HasSuiteDb()) return false;
    try {
        kis::store::Statement& st =
            kis::store::SuiteDb().Cached("SELECT WERT FROM PARAMETER WHERE NAME = ?");
        st.Bind(1, name);
        const bool found = st.Step() && !st.ColumnIsNull(0);
        if (found) value = st.ColumnText(0);
        st.Reset();
        return found;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TORVParameter.GetValueByName", e, 1);
        return false;
    }
}

std::string TORVParameter::GetStringValueByName(const std::string& name, const std::string& def) {
    std::string value;
    return Read(name, value) ? value : def;
}

char TORVParameter::GetCharValueByName(const std::string& name, char def) {
    std::string value;
    if (!Read(name, value)) return def;
    value = Trim(value);
    return value.empty() ? def : value[0];
}

bool TORVParameter::GetBooleanValueByName(const std::string& name, bool def) {
    const char c = GetCharValueByName(name, def ? 'J' : 'N');
    return c == 'J' || c == 'j';
}

int64_t TORVParameter::GetIntegerValueByName(const std::string& name, int64_t def) {
    std::string value;
    if (!Read(name, value)) return def;
    return kis::services::ParseInteger(value).value_or(def);
}

bool TORVParameter::SetStringValueByName(const std::string& name, const std::string& value) {
    try {
        kis::store::BookingScope booking(kis::services::kSettingsBookingType);
        kis::store::SuiteDb()
            .Cached("INSERT INTO PARAMETER (NAME, WERT) VALUES (?, ?) "
                    "ON CONFLICT (NAME) DO UPDATE SET WERT = excluded.WERT")
            .Bind(1, name)
            .Bind(2, value)
            .Run();
        booking.Commit();
        return true;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TORVParameter.SetValueByName", e, 1);
        return false;
    }
}

bool TORVParameter::SetCharValueByName(const std::string& name, char value) {
    return SetStringValueByName(name, std::string(1, value));
}

bool TORVParameter::SetBooleanValueByName(const std::string& name, bool value) {
    return SetCharValueByName(name, value ? 'J' : 'N');
}

bool TORVParameter::SetIntegerValueByName(const std::string& name, int64_t value) {
    return SetStringValueByName(name, std::to_string(value));
}

TORVParameter& ORVParameter() {
    static TORVParameter parameter;
    return parameter;
}
