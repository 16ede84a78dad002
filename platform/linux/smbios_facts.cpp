#include "platform/linux/smbios_facts.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/linux/firmware_text.h"
#include "platform/linux/memory_types.h"

namespace quarvel::linux_source {
namespace {

constexpr std::uint8_t kSystemMemory = 0x03;      // Physical Memory Array, Use
constexpr std::uint8_t kCentralProcessor = 0x03;  // Processor, Processor Type
constexpr std::uint8_t kSocketPopulated = 0x40;   // Processor, Status
constexpr std::uint32_t kUseExtendedCapacity = 0x80000000;
constexpr std::uint16_t kUnknownSize = 0xFFFF;
constexpr std::uint16_t kUseExtendedSize = 0x7FFF;
constexpr std::uint16_t kSizeInKilobytes = 0x8000;
constexpr std::uint16_t kSizeValue = 0x7FFF;
constexpr std::uint16_t kUseExtendedSpeed = 0xFFFF;
constexpr std::uint32_t kReservedTopBit = 0x7FFFFFFF;
constexpr std::uint64_t kKilobyte = 1024;
constexpr std::uint64_t kMegabyte = 1024 * 1024;

PropertyValue kilobytes(std::uint64_t bytes) {
    if (bytes % kKilobyte == 0) return unsignedNumber(bytes / kKilobyte);
    return static_cast<double>(bytes) / static_cast<double>(kKilobyte);
}

// Decoders of one field, each given the structure and the field's offset.
PropertyValue text(const SmbiosStructure& s, std::size_t offset) {
    if (auto bytes = s.string(offset)) return firmwareText(*bytes);
    return PropertyValue::null();
}

PropertyValue count(const SmbiosStructure& s, std::size_t offset) {
    if (auto n = s.word(offset)) return unsignedNumber(*n);
    return PropertyValue::null();
}

PropertyValue megahertz(const SmbiosStructure& s, std::size_t offset) {
    auto mhz = s.word(offset);
    if (!mhz || *mhz == 0) return PropertyValue::null();
    return unsignedNumber(*mhz);
}

PropertyValue none(const SmbiosStructure&, std::size_t) {
    return PropertyValue::null();
}

PropertyValue arrayCapacity(const SmbiosStructure& s, std::size_t offset) {
    auto capacity = s.dword(offset);
    if (!capacity) return PropertyValue::null();
    if (*capacity != kUseExtendedCapacity) return unsignedNumber(*capacity);
    if (auto bytes = s.qword(0x0F)) return kilobytes(*bytes);
    return PropertyValue::null();
}

PropertyValue moduleCapacity(const SmbiosStructure& s, std::size_t offset) {
    auto size = s.word(offset);
    if (!size || *size == kUnknownSize) return PropertyValue::null();
    if (*size == kUseExtendedSize) {
        auto extended = s.dword(0x1C);
        if (!extended) return PropertyValue::null();
        return byteCount((*extended & kReservedTopBit) * kMegabyte);
    }
    if (*size & kSizeInKilobytes) return byteCount((*size & kSizeValue) * kKilobyte);
    return byteCount(*size * kMegabyte);
}

PropertyValue moduleSpeed(const SmbiosStructure& s, std::size_t offset) {
    auto speed = s.word(offset);
    if (!speed || *speed == 0) return PropertyValue::null();
    if (*speed != kUseExtendedSpeed) return unsignedNumber(*speed);
    auto extended = s.dword(0x54);
    if (!extended || (*extended & kReservedTopBit) == 0) return PropertyValue::null();
    return unsignedNumber(*extended & kReservedTopBit);
}

PropertyValue memoryType(const SmbiosStructure& s, std::size_t offset) {
    if (auto code = s.byte(offset)) return windowsMemoryType(*code);
    return PropertyValue::null();
}

using Decoder = PropertyValue (*)(const SmbiosStructure&, std::size_t);

struct Field {
    std::string_view property;
    std::size_t offset;
    Decoder decode;
};

// Which structures of a type become objects.
using Selector = bool (*)(const SmbiosStructure&, const std::vector<SmbiosStructure>& table);

bool any(const SmbiosStructure&, const std::vector<SmbiosStructure>&) {
    return true;
}

bool isSystemMemoryArray(const SmbiosStructure& s, const std::vector<SmbiosStructure>&) {
    return s.byte(0x05) == kSystemMemory;
}

// An installed module of system memory. A module whose array handle leads to no array is taken
// for system memory: real firmware ships tables with such dangling handles.
bool isInstalledSystemModule(const SmbiosStructure& s, const std::vector<SmbiosStructure>& table) {
    auto size = s.word(0x0C);
    if (!size || *size == 0) return false;
    auto arrayHandle = s.word(0x04);
    if (!arrayHandle) return true;
    for (const SmbiosStructure& other : table) {
        if (other.type() == 16 && other.handle() == *arrayHandle) {
            auto use = other.byte(0x05);
            return !use || *use == kSystemMemory;
        }
    }
    return true;
}

bool isPopulatedCentralProcessor(const SmbiosStructure& s, const std::vector<SmbiosStructure>&) {
    auto status = s.byte(0x18);
    return s.byte(0x05) == kCentralProcessor && status && (*status & kSocketPopulated);
}

struct ClassRule {
    ManagementClass target;
    std::uint8_t structureType;
    bool firstOnly;  // one object from the first structure of the type, as the service has one
    Selector selects;
    std::vector<Field> fields;
};

const std::vector<ClassRule>& classRules() {
    using C = ManagementClass;
    static const std::vector<ClassRule> rules{
        {C::ComputerSystem, 1, true, any, {{"Manufacturer", 0x04, text}, {"Model", 0x05, text}}},
        {C::PhysicalMemoryArray,
         16,
         false,
         isSystemMemoryArray,
         {{"MaxCapacity", 0x07, arrayCapacity},
          {"Manufacturer", 0, none},
          {"MemoryDevices", 0x0D, count}}},
        {C::PhysicalMemory,
         17,
         false,
         isInstalledSystemModule,
         {{"Capacity", 0x0C, moduleCapacity},
          {"MemoryType", 0x12, memoryType},
          {"Speed", 0x15, moduleSpeed},
          {"DeviceLocator", 0x10, text}}},
        {C::Processor,
         4,
         false,
         isPopulatedCentralProcessor,
         {{"Name", 0x10, text},
          {"Manufacturer", 0x07, text},
          {"CurrentClockSpeed", 0x16, megahertz},
          {"ExtClock", 0x12, megahertz}}},
        {C::Bios, 0, true, any, {{"Manufacturer", 0x04, text}, {"SMBIOSBIOSVersion", 0x05, text}}},
        {C::ComputerSystemProduct,
         1,
         true,
         any,
         {{"IdentifyingNumber", 0x07, text}, {"Version", 0x06, text}}},
        {C::Baseboard, 2, false, any, {{"Manufacturer", 0x04, text}, {"Product", 0x05, text}}},
    };
    return rules;
}

}  // namespace

void addSmbiosFacts(const std::vector<SmbiosStructure>& table, MachineFacts& facts) {
    for (const ClassRule& rule : classRules()) {
        for (const SmbiosStructure& s : table) {
            if (s.type() != rule.structureType || !rule.selects(s, table)) continue;
            FactObject& object = facts.objects(rule.target).emplace_back();
            for (const Field& field : rule.fields) {
                object.set(field.property, field.decode(s, field.offset));
            }
            if (rule.firstOnly) break;
        }
    }
}

}  // namespace quarvel::linux_source
