#pragma once

#include <string>
#include <string_view>

#include "inventory/sys_inventory.h"

namespace quarvel {

// The plain-text report copied to the clipboard. The memory amounts are passed as the window shows
// them, so the report always says what the window says.
std::string buildSysReport(const SysInventory& record, std::string_view installedRam,
                           std::string_view maximumRam);

}  // namespace quarvel
