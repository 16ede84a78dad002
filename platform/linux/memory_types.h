#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quarvel::linux_source {

// The memory type code Windows reports for an SMBIOS memory device type.
std::int32_t windowsMemoryType(std::uint8_t smbiosType);

// A memory device type as firmware decoders spell it ("DDR4", "Flash"): the code Windows reports,
// and whether the device keeps its contents without power (not system memory).
struct NamedMemoryType {
    std::int32_t windowsCode;
    bool nonVolatile;
};
std::optional<NamedMemoryType> memoryTypeNamed(std::string_view name);

}  // namespace quarvel::linux_source
