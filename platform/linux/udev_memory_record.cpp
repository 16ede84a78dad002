#include "platform/linux/udev_memory_record.h"

#include <charconv>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/linux/firmware_text.h"
#include "platform/linux/memory_types.h"

namespace quarvel::linux_source {
namespace {

constexpr std::string_view kPropertyLine = "E:";
constexpr std::string_view kArrayPrefix = "MEMORY_ARRAY_";
constexpr std::string_view kDevicePrefix = "MEMORY_DEVICE_";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Plain decimal digits as a number; nothing for anything else or an overflow.
std::optional<std::uint64_t> decimal(std::string_view digits) {
    std::uint64_t n = 0;
    if (digits.empty()) return std::nullopt;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return n;
}

// The module number and attribute of a device key, in either spelling: "0_SIZE" or "SIZE0".
struct DeviceKey {
    std::uint64_t module;
    std::string_view attribute;
};

std::optional<DeviceKey> deviceKey(std::string_view key) {
    std::size_t digits = 0;
    while (digits < key.size() && isDigit(key[digits])) ++digits;
    if (digits > 0) {
        if (digits + 1 >= key.size() || key[digits] != '_') return std::nullopt;
        auto module = decimal(key.substr(0, digits));
        if (!module) return std::nullopt;
        return DeviceKey{*module, key.substr(digits + 1)};
    }
    std::size_t start = key.size();
    while (start > 0 && isDigit(key[start - 1])) --start;
    if (start == 0 || start == key.size()) return std::nullopt;
    auto module = decimal(key.substr(start));
    if (!module) return std::nullopt;
    return DeviceKey{*module, key.substr(0, start)};
}

using Attributes = std::map<std::string, std::string, std::less<>>;

PropertyValue textOf(const Attributes& attributes, std::string_view name) {
    auto found = attributes.find(name);
    if (found == attributes.end()) return PropertyValue::null();
    return firmwareText(found->second);
}

std::optional<std::uint64_t> numberOf(const Attributes& attributes, std::string_view name) {
    auto found = attributes.find(name);
    if (found == attributes.end()) return std::nullopt;
    return decimal(found->second);
}

PropertyValue countOf(const Attributes& attributes, std::string_view name) {
    if (auto n = numberOf(attributes, name)) return unsignedNumber(*n);
    return PropertyValue::null();
}

void addArray(const Attributes& array, MachineFacts& facts) {
    FactObject& object = facts.objects(ManagementClass::PhysicalMemoryArray).emplace_back();
    auto bytes = numberOf(array, "MAX_CAPACITY");
    PropertyValue capacity = PropertyValue::null();
    if (bytes && *bytes % 1024 == 0) capacity = unsignedNumber(*bytes / 1024);
    if (bytes && *bytes % 1024 != 0) capacity = static_cast<double>(*bytes) / 1024.0;
    object.set("MaxCapacity", capacity);
    object.set("Manufacturer", PropertyValue::null());
    object.set("MemoryDevices", countOf(array, "NUM_DEVICES"));
}

void addModule(const Attributes& module, MachineFacts& facts) {
    auto size = numberOf(module, "SIZE");
    if (!size) return;
    PropertyValue type = PropertyValue::null();
    if (auto name = module.find("TYPE"); name != module.end()) {
        auto known = memoryTypeNamed(name->second);
        if (known && known->nonVolatile) return;
        type = known ? known->windowsCode : 0;
    }
    PropertyValue speed = PropertyValue::null();
    if (auto mts = numberOf(module, "SPEED_MTS"); mts && *mts != 0) speed = unsignedNumber(*mts);

    FactObject& object = facts.objects(ManagementClass::PhysicalMemory).emplace_back();
    object.set("Capacity", byteCount(*size));
    object.set("MemoryType", type);
    object.set("Speed", speed);
    object.set("DeviceLocator", textOf(module, "LOCATOR"));
}

}  // namespace

void addUdevMemoryFacts(std::string_view record, MachineFacts& facts) {
    Attributes array;
    std::map<std::uint64_t, Attributes> modules;
    while (!record.empty()) {
        std::size_t end = record.find('\n');
        std::string_view line = record.substr(0, end);
        record.remove_prefix(end == std::string_view::npos ? record.size() : end + 1);

        if (!line.starts_with(kPropertyLine)) continue;
        line.remove_prefix(kPropertyLine.size());
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view key = line.substr(0, equals);
        std::string value(line.substr(equals + 1));

        if (key.starts_with(kArrayPrefix)) {
            key.remove_prefix(kArrayPrefix.size());
            array.insert_or_assign(std::string(key), std::move(value));
        } else if (key.starts_with(kDevicePrefix)) {
            key.remove_prefix(kDevicePrefix.size());
            if (auto device = deviceKey(key)) {
                modules[device->module].insert_or_assign(std::string(device->attribute),
                                                         std::move(value));
            }
        }
    }
    if (!array.empty()) addArray(array, facts);
    for (const auto& [number, module] : modules) addModule(module, facts);
}

}  // namespace quarvel::linux_source
