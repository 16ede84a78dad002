#pragma once

#include <string>

#include "inventory/sys_inventory.h"

namespace quarvel {

// Replaces the system identity fields that hold a board maker's placeholder ("System Product
// Name" and the like: any text containing "System") by "Not Available".
void applyNotAvailableRule(SysInventory& record);

// An amount of memory in gigabytes as shown: "4 GB", or "512 MB" below one gigabyte.
std::string formatMemoryAmount(double gb);

// The "No Of Slots" text: sockets, then how many hold a module.
std::string slotSummary(const SysInventory& record);

}  // namespace quarvel
