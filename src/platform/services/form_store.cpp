#include "platform/services/form_store.h"

#include <stdexcept>

#include "platform/services/orv_info.h"
#include "platform/services/settings.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/sql_dialect.h"

namespace kis::services {

namespace {

constexpr const char* kSlotWhere =
    "WHERE PROGRAMM = ? AND SPRACHE = ? AND SLOT = ? AND INDEXNAME = ?";

// Binds the four slot columns as parameters 1 to 4.
store::Statement& BindSlot(store::Statement& st, const FormStoreSlot& s) {
    return st.Bind(1, s.program).Bind(2, s.language).Bind(3, s.slot).Bind(4, s.indexName);
}

store::Statement& Prepare(const std::string& sql) { return store::SuiteDb().Cached(sql); }

const std::string kDeleteMask = std::string("DELETE FROM FORMSTORE ") + kSlotWhere + " AND MASKE = ?";

}  // namespace

bool FormStore::IsValidPropertyName(const std::string& name) {
    const size_t point = name.find('.');
    return point != std::string::npos && point > 0 && name.back() != '.';
}

bool FormStore::Exists(const std::string& maskName) const {
    if (!store::HasSuiteDb()) return false;
    try {
        store::Statement& st =
            BindSlot(Prepare(std::string("SELECT 1 FROM FORMSTORE ") + kSlotWhere + " AND MASKE = ? LIMIT 1"),
                     slot_);
        st.Bind(5, maskName);
        const bool found = st.Step();
        st.Reset();
        return found;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TORVFormStore.Exists", e, 1);
        return false;
    }
}

bool FormStore::Store(const std::string& maskName, const FormProperties& properties) {
    try {
        for (const auto& [name, value] : properties)
            if (!IsValidPropertyName(name))
                throw std::invalid_argument("Ungültiger Eigenschaftsname im Formularspeicher: \"" + name + "\"");
        store::BookingScope booking(kSettingsBookingType);
        store::Statement& del =
            BindSlot(Prepare(kDeleteMask), slot_);
        del.Bind(5, maskName).Run();
        store::Statement& ins = Prepare(
            "INSERT INTO FORMSTORE (PROGRAMM, SPRACHE, SLOT, INDEXNAME, MASKE, PROPERTY, WERT) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)");
        for (const auto& [name, value] : properties) {
            BindSlot(ins, slot_).Bind(5, maskName).Bind(6, name).Bind(7, value);
            ins.Run();
        }
        booking.Commit();
        return true;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TORVFormStore.Store", e, 1);
        return false;
    }
}

FormProperties FormStore::Restore(const std::string& maskName) const {
    FormProperties properties;
    if (!store::HasSuiteDb()) return properties;
    try {
        store::Statement& st = BindSlot(
            Prepare(std::string("SELECT PROPERTY, WERT FROM FORMSTORE ") + kSlotWhere + " AND MASKE = ?"),
            slot_);
        st.Bind(5, maskName);
        while (st.Step()) properties[st.ColumnText(0)] = st.ColumnText(1);
        st.Reset();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TORVFormStore.Restore", e, 1);
        properties.clear();
    }
    return properties;
}

bool FormStore::Delete(const std::string& maskName) {
    try {
        store::BookingScope booking(kSettingsBookingType);
        store::Statement& del =
            BindSlot(Prepare(kDeleteMask), slot_);
        del.Bind(5, maskName).Run();
        booking.Commit();
        return true;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TORVFormStore.Delete", e, 1);
        return false;
    }
}

std::vector<std::string> FormStore::MaskNames() const {
    std::vector<std::string> names;
    if (!store::HasSuiteDb()) return names;
    try {
        store::Statement& st = BindSlot(
            Prepare(std::string("SELECT DISTINCT MASKE FROM FORMSTORE ") + kSlotWhere +
                    " ORDER BY " + store::sql::GermanOrder("MASKE")),
            slot_);
        while (st.Step()) names.push_back(st.ColumnText(0));
        st.Reset();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TORVFormStore.MaskNames", e, 1);
        names.clear();
    }
    return names;
}

}  // namespace kis::services
