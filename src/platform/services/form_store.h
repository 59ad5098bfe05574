#pragma once
// The form store: named masks of a window's controls in table FORMSTORE. A mask belongs to a
// slot (program, language, mask slot, index name) and holds named properties
// "component.Property" (for example "edtDatumVon.Text", "chbZM.Checked") with text values.
// The store does not interpret the values; the window binding writes and reads them (lists
// such as "Items" as lines separated by "\n").
//
// Reads without an open suite database give nothing. Writes are bookings of type 0: a failed
// write changes nothing, is registered with the information service and returns false.
#include <map>
#include <string>
#include <vector>

namespace kis::services {

using FormProperties = std::map<std::string, std::string>;

struct FormStoreSlot {
    std::string program;             // "MEROVA"
    std::string language = "DEU";
    std::string slot;                // "SELKNDUM"
    std::string indexName = "0";
};

class FormStore {
public:
    explicit FormStore(FormStoreSlot slot) : slot_(std::move(slot)) {}

    const FormStoreSlot& Slot() const { return slot_; }
    // Changes the mask slot ("SELKNDUM" -> "SELBONUS").
    void SetSlot(const std::string& slot) { slot_.slot = slot; }

    bool Exists(const std::string& maskName) const;
    // Replaces the whole mask by these properties in one booking. Property names must read
    // "component.Property"; otherwise nothing is written and the result is false.
    bool Store(const std::string& maskName, const FormProperties& properties);
    // The stored properties; empty when the mask does not exist.
    FormProperties Restore(const std::string& maskName) const;
    // Removes the mask; true also when it did not exist.
    bool Delete(const std::string& maskName);
    // The mask names of this slot in German order.
    std::vector<std::string> MaskNames() const;

    // True for "component.Property": a point with text on both sides.
    static bool IsValidPropertyName(const std::string& name);

private:
    FormStoreSlot slot_;
};

}  // namespace kis::services
