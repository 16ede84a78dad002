#pragma once

#include "tests/inventory/scripted_management_source.h"

namespace quarvel::testing {

// A desktop with two 512 MB modules at 667 MHz in four sockets, a 4 GB board limit and an 800 MHz
// processor, as its management service would describe it.
inline ScriptedManagementSource typicalMachine() {
    constexpr std::int32_t kFourGigabytesInKilobytes = 4 * 1024 * 1024;
    ScriptedManagementSource source;
    source
        .add("Win32_ComputerSystem", {{"Manufacturer", "Acme"},
                                      {"Model", "X100"},
                                      {"TotalPhysicalMemory", "1073741824"},
                                      {"SystemType", "X86-based PC"}})
        .add("Win32_PhysicalMemoryArray", {{"MaxCapacity", kFourGigabytesInKilobytes},
                                           {"Manufacturer", PropertyValue::null()},
                                           {"MemoryDevices", 4}})
        .add("Win32_PhysicalMemory", {{"Capacity", "536870912"},
                                      {"MemoryType", 21},
                                      {"Speed", 667},
                                      {"DeviceLocator", "DIMM0"}})
        .add("Win32_PhysicalMemory", {{"Capacity", "536870912"},
                                      {"MemoryType", 21},
                                      {"Speed", 667},
                                      {"DeviceLocator", "DIMM2"}})
        .add("Win32_Processor", {{"Name", "Acme Processor 800"},
                                 {"Manufacturer", "GenuineAcme"},
                                 {"CurrentClockSpeed", 800},
                                 {"ExtClock", 200}})
        .add("Win32_BIOS", {{"Manufacturer", "Acme BIOS Ltd"}, {"SMBIOSBIOSVersion", "1.02"}})
        .add("Win32_ComputerSystemProduct",
             {{"IdentifyingNumber", "SN-0042"}, {"Version", "Rev A"}})
        .add("Win32_BaseBoard", {{"Manufacturer", "Acme"}, {"Product", "X100-MB"}});
    return source;
}

}  // namespace quarvel::testing
