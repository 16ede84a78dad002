#pragma once

#include <string>

#include "inventory/property_value.h"

namespace quarvel {

// What the scan collected about the machine, and what it derived from that.
struct SysInventory {
    PropertyValue sysManufacturer;
    PropertyValue sysModel;
    double installedGB = 0;
    PropertyValue sysType;

    double maxGB = 0;
    PropertyValue memManufacturer;
    PropertyValue memDevices;

    // One entry per memory module, each ending in its separator.
    std::string capacityList;
    std::string memoryTypeList;
    std::string speedList;
    std::string locatorList;
    int moduleCount = 0;

    PropertyValue cpuName;
    PropertyValue cpuManufacturer;
    PropertyValue cpuClock;
    PropertyValue cpuExtClock;

    PropertyValue biosManufacturer;
    PropertyValue biosVersion;

    PropertyValue productIdNumber;
    PropertyValue productVersion;

    PropertyValue boardManufacturer;
    PropertyValue boardProduct;
};

// One installed memory module as the window lists it.
struct MemoryModule {
    std::string slot;
    std::string size;
    std::string speed;
};

}  // namespace quarvel
