#include "tests/platform/linux/dmidecode_account.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace quarvel::testing {
namespace {

using Properties = ScriptedManagementSource::Properties;

// A string field: dmidecode writes "Not Specified" where the firmware gives no string.
PropertyValue text(const DecodedStructure& s, const std::string& key) {
    auto found = s.fields.find(key);
    if (found == s.fields.end() || found->second == "Not Specified") return PropertyValue::null();
    return found->second;
}

const std::string& field(const DecodedStructure& s, const std::string& key) {
    static const std::string kMissing;
    auto found = s.fields.find(key);
    return found == s.fields.end() ? kMissing : found->second;
}

// "1333 MT/s", "100 MHz", "3" as a number; nothing for "Unknown" and the like.
std::optional<std::uint64_t> leadingNumber(const std::string& value) {
    if (value.empty() || value[0] < '0' || value[0] > '9') return std::nullopt;
    return std::stoull(value);
}

PropertyValue integer(std::optional<std::uint64_t> n) {
    if (!n) return PropertyValue::null();
    if (*n > 2147483647u) return static_cast<double>(*n);
    return static_cast<std::int32_t>(*n);
}

// "16 GB" and the like in bytes; dmidecode picks the largest unit that shows the amount exactly.
std::optional<std::uint64_t> bytesOf(const std::string& amount) {
    static const std::map<std::string, int> kShifts{{"bytes", 0}, {"kB", 10}, {"MB", 20},
                                                    {"GB", 30},   {"TB", 40}, {"PB", 50}};
    std::istringstream in(amount);
    std::uint64_t n = 0;
    std::string unit;
    if (!(in >> n >> unit) || !kShifts.contains(unit)) return std::nullopt;
    return n << kShifts.at(unit);
}

// The code Windows reports for the memory type dmidecode names.
std::int32_t windowsMemoryType(const std::string& name) {
    static const std::map<std::string, std::int32_t> kCodes{
        {"Other", 1},   {"Unknown", 0}, {"DRAM", 2},   {"EDRAM", 6},  {"VRAM", 7},
        {"SRAM", 8},    {"RAM", 9},     {"ROM", 10},   {"Flash", 11}, {"EEPROM", 12},
        {"FEPROM", 13}, {"EPROM", 14},  {"CDRAM", 15}, {"3DRAM", 16}, {"SDRAM", 17},
        {"SGRAM", 18},  {"RDRAM", 19},  {"DDR", 20},   {"DDR2", 21},  {"DDR2 FB-DIMM", 22},
        {"DDR3", 24},   {"FBD2", 25}};
    auto found = kCodes.find(name);
    return found == kCodes.end() ? 0 : found->second;
}

bool isNonVolatile(const std::string& type) {
    return type == "ROM" || type == "Flash" || type == "EEPROM" || type == "FEPROM" ||
           type == "EPROM" || type == "Logical non-volatile device";
}

const DecodedStructure* firstOfType(const std::vector<DecodedStructure>& account, int type) {
    for (const auto& s : account) {
        if (s.type == type) return &s;
    }
    return nullptr;
}

bool isSystemMemoryArray(const DecodedStructure& s) {
    return s.type == 16 && field(s, "Use") == "System Memory";
}

bool isPopulatedCentralProcessor(const DecodedStructure& s) {
    return s.type == 4 && field(s, "Type") == "Central Processor" &&
           field(s, "Status").starts_with("Populated");
}

// A module whose array is system memory, or whose array handle leads nowhere.
bool belongsToSystemMemory(const DecodedStructure& module,
                           const std::vector<DecodedStructure>& account) {
    for (const auto& s : account) {
        if (s.type == 16 && s.handle == std::stoul(field(module, "Array Handle"), nullptr, 16)) {
            return isSystemMemoryArray(s);
        }
    }
    return true;
}

Properties computerSystem(PropertyValue manufacturer, PropertyValue model,
                          const KernelView& kernel) {
    return {{"Manufacturer", std::move(manufacturer)},
            {"Model", std::move(model)},
            {"TotalPhysicalMemory", std::to_string(kernel.memTotalKilobytes * 1024)},
            {"SystemType", kernel.machine == "x86_64" ? "x64-based PC" : kernel.machine}};
}

// The one processor the kernel's list gives, written by cpuinfoOf.
Properties listedProcessor(const std::vector<DecodedStructure>& account) {
    for (const auto& s : account) {
        if (!isPopulatedCentralProcessor(s)) continue;
        return {{"Name", text(s, "Version")},
                {"Manufacturer", text(s, "Manufacturer")},
                {"CurrentClockSpeed", integer(leadingNumber(field(s, "Current Speed")))},
                {"ExtClock", PropertyValue::null()}};
    }
    return {};
}

}  // namespace

std::string commandOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::string output;
    char buffer[4096];
    while (std::size_t got = fread(buffer, 1, sizeof buffer, pipe.get()))
        output.append(buffer, got);
    return output;
}

std::vector<DecodedStructure> dmidecodeAccount(const std::filesystem::path& dump) {
    std::string output = commandOutput(std::string(QUARVEL_DMIDECODE) + " --from-dump '" +
                                       dump.string() + "' -t 0,1,2,4,16,17");
    std::vector<DecodedStructure> account;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.starts_with("Handle ")) {
            DecodedStructure s;
            s.handle = static_cast<std::uint16_t>(std::stoul(line.substr(7), nullptr, 16));
            s.type = std::stoi(line.substr(line.find("DMI type ") + 9));
            account.push_back(s);
        } else if (!account.empty() && line.starts_with("\t") && !line.starts_with("\t\t")) {
            std::size_t colon = line.find(": ");
            if (colon != std::string::npos) {
                account.back().fields.emplace(line.substr(1, colon - 1), line.substr(colon + 2));
            }
        }
    }
    if (account.empty()) throw std::runtime_error("dmidecode decoded nothing in " + dump.string());
    return account;
}

ExpectedObjects expectedFromTable(const std::vector<DecodedStructure>& account,
                                  const KernelView& kernel) {
    ExpectedObjects objects;
    const DecodedStructure* system = firstOfType(account, 1);
    objects.emplace_back(
        "Win32_ComputerSystem",
        computerSystem(text(*system, "Manufacturer"), text(*system, "Product Name"), kernel));
    for (const auto& s : account) {
        if (!isSystemMemoryArray(s)) continue;
        objects.emplace_back(
            "Win32_PhysicalMemoryArray",
            Properties{{"MaxCapacity", integer(*bytesOf(field(s, "Maximum Capacity")) / 1024)},
                       {"Manufacturer", PropertyValue::null()},
                       {"MemoryDevices", integer(leadingNumber(field(s, "Number Of Devices")))}});
    }
    for (const auto& s : account) {
        if (s.type != 17 || field(s, "Size") == "No Module Installed" ||
            !belongsToSystemMemory(s, account)) {
            continue;
        }
        auto bytes = bytesOf(field(s, "Size"));
        objects.emplace_back("Win32_PhysicalMemory",
                             Properties{{"Capacity", bytes ? PropertyValue(std::to_string(*bytes))
                                                           : PropertyValue::null()},
                                        {"MemoryType", windowsMemoryType(field(s, "Type"))},
                                        {"Speed", integer(leadingNumber(field(s, "Speed")))},
                                        {"DeviceLocator", text(s, "Locator")}});
    }
    for (const auto& s : account) {
        if (!isPopulatedCentralProcessor(s)) continue;
        objects.emplace_back(
            "Win32_Processor",
            Properties{{"Name", text(s, "Version")},
                       {"Manufacturer", text(s, "Manufacturer")},
                       {"CurrentClockSpeed", integer(leadingNumber(field(s, "Current Speed")))},
                       {"ExtClock", integer(leadingNumber(field(s, "External Clock")))}});
    }
    if (const DecodedStructure* bios = firstOfType(account, 0)) {
        objects.emplace_back("Win32_BIOS",
                             Properties{{"Manufacturer", text(*bios, "Vendor")},
                                        {"SMBIOSBIOSVersion", text(*bios, "Version")}});
    }
    objects.emplace_back("Win32_ComputerSystemProduct",
                         Properties{{"IdentifyingNumber", text(*system, "Serial Number")},
                                    {"Version", text(*system, "Version")}});
    for (const auto& s : account) {
        if (s.type != 2) continue;
        objects.emplace_back("Win32_BaseBoard",
                             Properties{{"Manufacturer", text(s, "Manufacturer")},
                                        {"Product", text(s, "Product Name")}});
    }
    return objects;
}

ExpectedObjects expectedFromUdevRecord(const std::vector<DecodedStructure>& account,
                                       const KernelView& kernel) {
    ExpectedObjects objects;
    objects.emplace_back("Win32_ComputerSystem",
                         computerSystem(PropertyValue::null(), PropertyValue::null(), kernel));
    // systemd keeps the last system memory array's capacity, and counts the memory devices the
    // table lists as the sockets.
    std::optional<std::uint64_t> capacity;
    std::uint64_t sockets = 0;
    for (const auto& s : account) {
        if (s.type == 17) ++sockets;
        if (isSystemMemoryArray(s)) capacity = *bytesOf(field(s, "Maximum Capacity")) / 1024;
    }
    if (capacity) {
        objects.emplace_back("Win32_PhysicalMemoryArray",
                             Properties{{"MaxCapacity", integer(capacity)},
                                        {"Manufacturer", PropertyValue::null()},
                                        {"MemoryDevices", integer(sockets)}});
    }
    // systemd lists every memory device with a known size, its strings without outer blanks.
    for (const auto& s : account) {
        auto bytes = bytesOf(field(s, "Size"));
        if (s.type != 17 || !bytes || isNonVolatile(field(s, "Type"))) continue;
        std::string locator = field(s, "Locator");
        locator.erase(locator.find_last_not_of(' ') + 1);
        locator.erase(0, locator.find_first_not_of(' '));
        objects.emplace_back(
            "Win32_PhysicalMemory",
            Properties{{"Capacity", std::to_string(*bytes)},
                       {"MemoryType", windowsMemoryType(field(s, "Type"))},
                       {"Speed", integer(leadingNumber(field(s, "Speed")))},
                       {"DeviceLocator",
                        locator.empty() ? PropertyValue::null() : PropertyValue(locator)}});
    }
    objects.emplace_back("Win32_Processor", listedProcessor(account));
    return objects;
}

ExpectedObjects expectedFromIdentityFiles(const std::vector<DecodedStructure>& account,
                                          const KernelView& kernel) {
    const DecodedStructure* system = firstOfType(account, 1);
    const DecodedStructure* bios = firstOfType(account, 0);
    const DecodedStructure* board = firstOfType(account, 2);
    ExpectedObjects objects;
    objects.emplace_back(
        "Win32_ComputerSystem",
        computerSystem(text(*system, "Manufacturer"), text(*system, "Product Name"), kernel));
    objects.emplace_back("Win32_Processor", listedProcessor(account));
    objects.emplace_back("Win32_BIOS", Properties{{"Manufacturer", text(*bios, "Vendor")},
                                                  {"SMBIOSBIOSVersion", text(*bios, "Version")}});
    objects.emplace_back("Win32_ComputerSystemProduct",
                         Properties{{"IdentifyingNumber", text(*system, "Serial Number")},
                                    {"Version", text(*system, "Version")}});
    objects.emplace_back("Win32_BaseBoard",
                         Properties{{"Manufacturer", text(*board, "Manufacturer")},
                                    {"Product", text(*board, "Product Name")}});
    return objects;
}

std::string cpuinfoOf(const std::vector<DecodedStructure>& account) {
    for (const auto& s : account) {
        if (!isPopulatedCentralProcessor(s)) continue;
        std::string cpuinfo = "processor\t: 0\n";
        cpuinfo += "vendor_id\t: " + field(s, "Manufacturer") + "\n";
        cpuinfo += "model name\t: " + field(s, "Version") + "\n";
        if (auto mhz = leadingNumber(field(s, "Current Speed"))) {
            cpuinfo += "cpu MHz\t\t: " + std::to_string(*mhz) + ".000\n";
        }
        return cpuinfo + "flags\t\t: fpu vme\n\n";
    }
    return {};
}

std::string udevRecordOf(const std::filesystem::path& dump) {
    std::string output =
        commandOutput(std::string(QUARVEL_DMI_MEMORY_ID) + " -F '" + dump.string() + "'");
    std::istringstream lines(output);
    std::string record = "I:1234567\n";
    for (std::string line; std::getline(lines, line);) record += "E:" + line + "\n";
    return record + "G:systemd\nV:1\n";
}

std::vector<std::pair<std::string, std::string>> identityFilesOf(
    const std::vector<DecodedStructure>& account) {
    static const std::vector<std::tuple<int, std::string, std::string>> kFiles{
        {1, "Manufacturer", "sys_vendor"},   {1, "Product Name", "product_name"},
        {1, "Version", "product_version"},   {1, "Serial Number", "product_serial"},
        {0, "Vendor", "bios_vendor"},        {0, "Version", "bios_version"},
        {2, "Manufacturer", "board_vendor"}, {2, "Product Name", "board_name"},
    };
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& [type, key, file] : kFiles) {
        const DecodedStructure* s = firstOfType(account, type);
        if (s && text(*s, key).text()) files.emplace_back(file, field(*s, key) + "\n");
    }
    return files;
}

std::uint64_t plausibleMemTotalKilobytes(const std::vector<DecodedStructure>& account) {
    std::uint64_t kilobytes = 0;
    for (const auto& s : account) {
        if (s.type == 17 && bytesOf(field(s, "Size")))
            kilobytes += *bytesOf(field(s, "Size")) / 1024;
    }
    return kilobytes / 100 * 97;
}

ScriptedManagementSource scriptedSource(const ExpectedObjects& objects) {
    ScriptedManagementSource source;
    for (const auto& [className, properties] : objects) {
        if (!properties.empty()) source.add(className, properties);
    }
    return source;
}

}  // namespace quarvel::testing
