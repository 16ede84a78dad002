#include "inventory/sys_report.h"

#include <gtest/gtest.h>

#include "inventory/inventory_summary.h"
#include "tests/inventory/typical_machine.h"

namespace quarvel {
namespace {

TEST(SysReport, ThirtyFiveLinesForAFullMachine) {
    auto source = testing::typicalMachine();
    source.add("Win32_ComputerSystemProduct",
               {{"IdentifyingNumber", "System Serial Number"}, {"Version", "Rev B"}});
    InventorySummary s = summarizeInventory(source, "shop.test");
    EXPECT_EQ(s.report,
              "************System**********\r\n"
              "\r\n"
              "System Manufacturer:Acme\r\n"
              "System Model: X100\r\n"
              "System Version: Rev B\r\n"
              "IdentifyingNumber: Not Available\r\n"
              "System Type: X86-based PC\r\n"
              "\r\n"
              "************Motherboard**********\r\n"
              "\r\n"
              "Mother Board Manufacturer: Acme\r\n"
              "Motherboard Model: X100-MB\r\n"
              "\r\n"
              "************Processor**********\r\n"
              "\r\n"
              "Processor: Acme Processor 800\r\n"
              "Processor Manufacturer: GenuineAcme\r\n"
              "Processor Speed: 800\r\n"
              "Processor FSB: 200\r\n"
              "\r\n"
              "************Bios**********\r\n"
              "\r\n"
              "Bios: Acme BIOS Ltd\r\n"
              "Version: 1.02\r\n"
              "\r\n"
              "************Memory Details**********\r\n"
              "\r\n"
              "Memory Manufacturer: \r\n"
              "Installed RAM: 1 GB\r\n"
              "Maximum RAM: 4 GB\r\n"
              "Total Slots: 4\r\n"
              "Capacity: 512 MB,512 MB,\r\n"
              "Memory Type: 21,21,\r\n"
              "Speed: 667 MHz,667 MHz,\r\n"
              "Slots: DIMM0,DIMM2,\r\n");
}

TEST(SysReport, NoBoardAndNoModulesLeaveLinesEndingAfterTheirLabels) {
    testing::ScriptedManagementSource source;
    source.add("Win32_ComputerSystem", {{"Manufacturer", "Acme"},
                                        {"Model", "System Product Name"},
                                        {"TotalPhysicalMemory", "536241766"},
                                        {"SystemType", "x64-based PC"}});
    InventorySummary s = summarizeInventory(source, "shop.test");
    EXPECT_EQ(s.report,
              "************System**********\r\n"
              "\r\n"
              "System Manufacturer:Acme\r\n"
              "System Model: Not Available\r\n"
              "System Version: \r\n"
              "IdentifyingNumber: \r\n"
              "System Type: x64-based PC\r\n"
              "\r\n"
              "************Motherboard**********\r\n"
              "\r\n"
              "Mother Board Manufacturer: \r\n"
              "Motherboard Model: \r\n"
              "\r\n"
              "************Processor**********\r\n"
              "\r\n"
              "Processor: \r\n"
              "Processor Manufacturer: \r\n"
              "Processor Speed: \r\n"
              "Processor FSB: \r\n"
              "\r\n"
              "************Bios**********\r\n"
              "\r\n"
              "Bios: \r\n"
              "Version: \r\n"
              "\r\n"
              "************Memory Details**********\r\n"
              "\r\n"
              "Memory Manufacturer: \r\n"
              "Installed RAM: 512 MB\r\n"
              "Maximum RAM: 0 MB\r\n"
              "Total Slots: \r\n"
              "Capacity: \r\n"
              "Memory Type: \r\n"
              "Speed: \r\n"
              "Slots: \r\n");
}

}  // namespace
}  // namespace quarvel
