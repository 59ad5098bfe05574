#pragma once
// Settings masks: named values per mask in table EINSTELLUNG (MASKE, NAME, WERT), valid for
// all users. Reads without an open suite database give the default. Writes are bookings of
// type 0; a failed write is registered with the information service and returns false.
#include <string>

namespace kis::services {

inline constexpr int kSettingsBookingType = 0;

// The stored text, or def when the value is not stored (or cannot be read).
std::string ReadDef(const std::string& mask, const std::string& name, const std::string& def);
// The stored value as an integer; def when not stored or not a number.
int ReadDef(const std::string& mask, const std::string& name, int def);

bool WriteGlobal(const std::string& mask, const std::string& name, const std::string& value);
bool WriteGlobal(const std::string& mask, const std::string& name, int value);

}  // namespace kis::services

// A settings mask object as the windows use it ("BONUSCFG").
class TSimpleMask {
public:
    explicit TSimpleMask(std::string mask) : mask_(std::move(mask)) {}
    const std::string& Mask() const { return mask_; }

    std::string ReadDef(const std::string& name, const std::string& def) const {
        return kis::services::ReadDef(mask_, name, def);
    }
    std::string ReadDef(const std::string& name, const char* def) const {
        return kis::services::ReadDef(mask_, name, std::string(def));
    }
    int ReadDef(const std::string& name, int def) const { return kis::services::ReadDef(mask_, name, def); }
    bool WriteGlobal(const std::string& name, const std::string& value) const {
        return kis::services::WriteGlobal(mask_, name, value);
    }
    bool WriteGlobal(const std::string& name, const char* value) const {
        return kis::services::WriteGlobal(mask_, name, std::string(value));
    }
    bool WriteGlobal(const std::string& name, int value) const {
        return kis::services::WriteGlobal(mask_, name, value);
    }

private:
    std::string mask_;
};
