#pragma once

#include <string>
#include <string_view>

#include "inventory/sys_inventory.h"

namespace quarvel {

// The address of the retailer's compatible-memory page for this machine. The maximum memory and
// slot texts are passed as the window shows them.
std::string buildLookupUrl(const SysInventory& record, std::string_view host,
                           std::string_view maximumRam, std::string_view slots);

}  // namespace quarvel
