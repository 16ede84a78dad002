#pragma once

#include <vector>

#include "inventory/management_source.h"
#include "inventory/sys_inventory.h"

namespace quarvel {

// Connects to the management service, runs the inventory queries in order and fills record.
// Returns one row per memory module, in the service's order.
std::vector<MemoryModule> scanInventory(ManagementSource& source, SysInventory& record);

}  // namespace quarvel
