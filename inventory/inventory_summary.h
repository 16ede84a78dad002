#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "inventory/management_source.h"
#include "inventory/sys_inventory.h"

namespace quarvel {

// A finished scan: the cleaned record, its module rows and the texts made from them.
struct InventorySummary {
    SysInventory record;
    std::vector<MemoryModule> modules;
    std::string installedRam;  // "Installed RAM"
    std::string maximumRam;    // "Maximum RAM"
    std::string slots;         // "No Of Slots"
    std::string report;
    std::string lookupUrl;
};

// Scans the machine, applies the placeholder rule and makes the texts the window shows, the report
// and the lookup address on the retailer's host.
InventorySummary summarizeInventory(ManagementSource& source, std::string_view host);

}  // namespace quarvel
