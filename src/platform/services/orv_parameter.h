#pragma once
// Platform parameters: one text value per name in table PARAMETER (NAME, WERT). Flags are
// stored as 'J' / 'N'. Reads without an open suite database give the default; writes are
// bookings of type 0 and return false (registered) when they fail.
#include <cstdint>
#include <string>

class TORVParameter {
public:
    // The stored text, or def when the parameter is not stored.
    std::string GetStringValueByName(const std::string& name, const std::string& def = {});
    // The first character of the trimmed value, or def when not stored or empty.
    char GetCharValueByName(const std::string& name, char def);
    // True when the value begins with 'J' (case ignored); def when not stored or empty.
    bool GetBooleanValueByName(const std::string& name, bool def = false);
    // The value as an integer; def when not stored or not a number.
    int64_t GetIntegerValueByName(const std::string& name, int64_t def = 0);

    bool SetStringValueByName(const std::string& name, const std::string& value);
    bool SetCharValueByName(const std::string& name, char value);
    // Stores 'J' or 'N'.
    bool SetBooleanValueByName(const std::string& name, bool value);
    bool SetIntegerValueByName(const std::string& name, int64_t value);

private:
    bool Read(const std::string& name, std::string& value);
};

// The process-wide parameter service.
TORVParameter& ORVParameter();
