#include "inventory/scan.h"

#include <array>
#include <string_view>
#include <variant>

namespace quarvel {
namespace {

constexpr double kUnit = 1024;
constexpr double kBytesPerGigabyte = kUnit * kUnit * kUnit;
constexpr double kKilobytesPerGigabyte = kUnit * kUnit;
constexpr double kBytesPerMegabyte = kUnit * kUnit;

// A property copied into a field as it is.
struct Copy {
    std::string_view property;
    PropertyValue SysInventory::*field;
};

// An amount of memory, rounded to hundredths of a gigabyte. A null leaves the field as it was.
struct Gigabytes {
    std::string_view property;
    double SysInventory::*field;
    double unitsPerGigabyte;
};

using Step = std::variant<Copy, Gigabytes>;

void apply(const Copy& step, const ManagementObject& object, SysInventory& record) {
    record.*step.field = object.read(step.property);
}

void apply(const Gigabytes& step, const ManagementObject& object, SysInventory& record) {
    PropertyValue rounded = round2(divide(object.read(step.property), step.unitsPerGigabyte));
    if (const double* gigabytes = rounded.real()) record.*step.field = *gigabytes;
}

void readMemoryModule(const ManagementObject& object, SysInventory& record,
                      std::vector<MemoryModule>& modules) {
    std::string size = valueText(divide(object.read("capacity"), kBytesPerMegabyte));
    std::string type = valueText(object.read("memorytype"));
    std::string speed = valueText(object.read("speed"));
    std::string slot = valueText(object.read("devicelocator"));
    record.capacityList += size + " MB,";
    record.memoryTypeList += type + ",";
    record.speedList += speed + " MHz,";
    record.locatorList += slot + ",";
    modules.push_back({slot, size + " MB", speed + " MHz"});
    ++record.moduleCount;
}

struct InventoryQuery {
    std::string_view wql;
    std::vector<Step> steps;
    bool isMemoryModules = false;
};

// The queries in the order they run, and what each object of their result fills.
const std::array<InventoryQuery, 7> kQueries{{
    {"Select * from Win32_ComputerSystem",
     {Copy{"manufacturer", &SysInventory::sysManufacturer}, Copy{"Model", &SysInventory::sysModel},
      Gigabytes{"TotalPhysicalMemory", &SysInventory::installedGB, kBytesPerGigabyte},
      Copy{"SystemType", &SysInventory::sysType}}},
    {"Select * from Win32_PhysicalMemoryArray",
     {Gigabytes{"MaxCapacity", &SysInventory::maxGB, kKilobytesPerGigabyte},
      Copy{"manufacturer", &SysInventory::memManufacturer},
      Copy{"MemoryDevices", &SysInventory::memDevices}}},
    {"Select * from Win32_PhysicalMemory", {}, true},
    {"Select * from Win32_Processor",
     {Copy{"Name", &SysInventory::cpuName}, Copy{"manufacturer", &SysInventory::cpuManufacturer},
      Copy{"CurrentClockSpeed", &SysInventory::cpuClock},
      Copy{"extclock", &SysInventory::cpuExtClock}}},
    {"Select * from Win32_Bios",
     {Copy{"manufacturer", &SysInventory::biosManufacturer},
      Copy{"SMBIOSBIOSVersion", &SysInventory::biosVersion}}},
    {"Select * from Win32_ComputerSystemProduct",
     {Copy{"IdentifyingNumber", &SysInventory::productIdNumber},
      Copy{"Version", &SysInventory::productVersion}}},
    {"Select * from Win32_Baseboard",
     {Copy{"manufacturer", &SysInventory::boardManufacturer},
      Copy{"product", &SysInventory::boardProduct}}},
}};

}  // namespace

std::string localMoniker() {
    return std::string("winmgmts:") + "{impersonationLevel=impersonate}!\\\\" + "." +
           "\\root\\cimv2";
}

std::vector<MemoryModule> scanInventory(ManagementSource& source, SysInventory& record) {
    std::vector<MemoryModule> modules;
    source.connect(localMoniker());
    for (const InventoryQuery& query : kQueries) {
        source.query(std::string(query.wql), [&](const ManagementObject& object) {
            if (query.isMemoryModules) readMemoryModule(object, record, modules);
            for (const Step& step : query.steps) {
                std::visit([&](const auto& s) { apply(s, object, record); }, step);
            }
        });
    }
    return modules;
}

}  // namespace quarvel
