#include "inventory/inventory_summary.h"

#include "inventory/display_values.h"
#include "inventory/lookup_url.h"
#include "inventory/scan.h"
#include "inventory/sys_report.h"

namespace quarvel {

InventorySummary summarizeInventory(ManagementSource& source, std::string_view host) {
    InventorySummary s;
    s.modules = scanInventory(source, s.record);
    applyNotAvailableRule(s.record);
    s.installedRam = formatMemoryAmount(s.record.installedGB);
    s.maximumRam = formatMemoryAmount(s.record.maxGB);
    s.slots = slotSummary(s.record);
    s.report = buildSysReport(s.record, s.installedRam, s.maximumRam);
    s.lookupUrl = buildLookupUrl(s.record, host, s.maximumRam, s.slots);
    return s;
}

}  // namespace quarvel
