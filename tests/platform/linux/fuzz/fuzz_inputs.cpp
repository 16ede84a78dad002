#include "tests/platform/linux/fuzz/fuzz_inputs.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/smbios_facts.h"
#include "platform/linux/smbios_table.h"
#include "platform/linux/udev_memory_record.h"

namespace quarvel::testing {
namespace {

using linux_source::MachineFacts;

constexpr std::size_t kTableOffset = 0x20;

void setChecksum(std::vector<std::uint8_t>& bytes, std::size_t begin, std::size_t length,
                 std::size_t at) {
    if (begin + length > bytes.size() || at >= bytes.size()) return;
    bytes[at] = 0;
    std::uint8_t sum = 0;
    for (std::size_t i = begin; i < begin + length; ++i)
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    bytes[at] = static_cast<std::uint8_t>(0x100 - sum);
}

void repairChecksums(std::vector<std::uint8_t>& entry) {
    auto startsWith = [&](std::string_view anchor) {
        return entry.size() >= anchor.size() &&
               std::equal(anchor.begin(), anchor.end(), entry.begin());
    };
    if (startsWith("_SM3_") && entry.size() > 6) setChecksum(entry, 0, entry[6], 5);
    if (startsWith("_SM_") && entry.size() > 5) {
        setChecksum(entry, 0x10, 0x0F, 0x15);
        setChecksum(entry, 0, entry[5], 4);
    }
}

void readAll(const MachineFacts& facts) {
    static const char* const kProperties[] = {"Manufacturer",
                                              "Model",
                                              "TotalPhysicalMemory",
                                              "SystemType",
                                              "MaxCapacity",
                                              "MemoryDevices",
                                              "Capacity",
                                              "MemoryType",
                                              "Speed",
                                              "DeviceLocator",
                                              "Name",
                                              "CurrentClockSpeed",
                                              "ExtClock",
                                              "SMBIOSBIOSVersion",
                                              "IdentifyingNumber",
                                              "Version",
                                              "Product"};
    for (const auto& objects : facts.classes) {
        for (const auto& object : objects) {
            for (const char* property : kProperties) (void)valueText(object.read(property));
        }
    }
}

}  // namespace

void readSmbiosInput(std::span<const std::uint8_t> input) {
    // Separate buffers of exactly their size, so that a read past either one is caught.
    std::size_t entryLength = std::min(input.size(), kTableOffset);
    std::vector<std::uint8_t> entry(input.begin(), input.begin() + static_cast<long>(entryLength));
    std::vector<std::uint8_t> table(input.begin() + static_cast<long>(entryLength), input.end());
    repairChecksums(entry);
    MachineFacts facts;
    linux_source::addSmbiosFacts(linux_source::parseSmbiosTable(entry, table), facts);
    readAll(facts);
}

void readUdevInput(std::span<const std::uint8_t> input) {
    std::string record(input.begin(), input.end());
    MachineFacts facts;
    linux_source::addUdevMemoryFacts(record, facts);
    readAll(facts);
}

}  // namespace quarvel::testing
