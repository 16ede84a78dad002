#include "inventory/display_values.h"

#include <array>

namespace quarvel {

void applyNotAvailableRule(SysInventory& record) {
    static constexpr std::array kIdentityFields{
        &SysInventory::sysManufacturer, &SysInventory::productVersion, &SysInventory::sysModel,
        &SysInventory::productIdNumber};
    for (auto field : kIdentityFields) {
        const std::string* text = (record.*field).text();
        if (text && text->find("System") != std::string::npos) record.*field = "Not Available";
    }
}

std::string formatMemoryAmount(double gb) {
    if (gb >= 1) return realText(gb) + " GB";
    return realText(1024 * gb) + " MB";
}

std::string slotSummary(const SysInventory& record) {
    return valueText(record.memDevices) + "  (Currently Memory in " +
           std::to_string(record.moduleCount) + " Slots)";
}

}  // namespace quarvel
