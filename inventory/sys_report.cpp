#include "inventory/sys_report.h"

#include <initializer_list>

namespace quarvel {
namespace {

std::string joinLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string header(std::string_view section) {
    return "************" + std::string(section) + "**********";
}

}  // namespace

std::string buildSysReport(const SysInventory& r, std::string_view installedRam,
                           std::string_view maximumRam) {
    return joinLines({
        header("System"),
        "",
        "System Manufacturer:" + valueText(r.sysManufacturer),
        "System Model: " + valueText(r.sysModel),
        "System Version: " + valueText(r.productVersion),
        "IdentifyingNumber: " + valueText(r.productIdNumber),
        "System Type: " + valueText(r.sysType),
        "",
        header("Motherboard"),
        "",
        "Mother Board Manufacturer: " + valueText(r.boardManufacturer),
        "Motherboard Model: " + valueText(r.boardProduct),
        "",
        header("Processor"),
        "",
        "Processor: " + valueText(r.cpuName),
        "Processor Manufacturer: " + valueText(r.cpuManufacturer),
        "Processor Speed: " + valueText(r.cpuClock),
        "Processor FSB: " + valueText(r.cpuExtClock),
        "",
        header("Bios"),
        "",
        "Bios: " + valueText(r.biosManufacturer),
        "Version: " + valueText(r.biosVersion),
        "",
        header("Memory Details"),
        "",
        "Memory Manufacturer: " + valueText(r.memManufacturer),
        "Installed RAM: " + std::string(installedRam),
        "Maximum RAM: " + std::string(maximumRam),
        "Total Slots: " + valueText(r.memDevices),
        "Capacity: " + r.capacityList,
        "Memory Type: " + r.memoryTypeList,
        "Speed: " + r.speedList,
        "Slots: " + r.locatorList,
    });
}

}  // namespace quarvel
