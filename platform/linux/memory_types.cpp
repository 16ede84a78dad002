#include "platform/linux/memory_types.h"

#include <algorithm>
#include <array>

namespace quarvel::linux_source {
namespace {

struct MemoryType {
    std::uint8_t smbios;
    std::string_view name;
    std::int32_t windows;  // 0 where Windows knows no code of its own
    bool nonVolatile = false;
};

// SMBIOS memory device types, their usual names and what Windows reports for them.
constexpr std::array kMemoryTypes{
    MemoryType{0x01, "Other", 1},         MemoryType{0x02, "Unknown", 0},
    MemoryType{0x03, "DRAM", 2},          MemoryType{0x04, "EDRAM", 6},
    MemoryType{0x05, "VRAM", 7},          MemoryType{0x06, "SRAM", 8},
    MemoryType{0x07, "RAM", 9},           MemoryType{0x08, "ROM", 10, true},
    MemoryType{0x09, "Flash", 11, true},  MemoryType{0x0A, "EEPROM", 12, true},
    MemoryType{0x0B, "FEPROM", 13, true}, MemoryType{0x0C, "EPROM", 14, true},
    MemoryType{0x0D, "CDRAM", 15},        MemoryType{0x0E, "3DRAM", 16},
    MemoryType{0x0F, "SDRAM", 17},        MemoryType{0x10, "SGRAM", 18},
    MemoryType{0x11, "RDRAM", 19},        MemoryType{0x12, "DDR", 20},
    MemoryType{0x13, "DDR2", 21},         MemoryType{0x14, "DDR2 FB-DIMM", 22},
    MemoryType{0x18, "DDR3", 24},         MemoryType{0x19, "FBD2", 25},
    MemoryType{0x1A, "DDR4", 0},          MemoryType{0x1B, "LPDDR", 0},
    MemoryType{0x1C, "LPDDR2", 0},        MemoryType{0x1D, "LPDDR3", 0},
    MemoryType{0x1E, "LPDDR4", 0},        MemoryType{0x1F, "Logical non-volatile device", 0, true},
    MemoryType{0x20, "HBM", 0},           MemoryType{0x21, "HBM2", 0},
    MemoryType{0x22, "DDR5", 0},          MemoryType{0x23, "LPDDR5", 0},
    MemoryType{0x24, "HBM3", 0},
};

}  // namespace

std::int32_t windowsMemoryType(std::uint8_t smbiosType) {
    auto found = std::find_if(kMemoryTypes.begin(), kMemoryTypes.end(),
                              [&](const MemoryType& t) { return t.smbios == smbiosType; });
    return found == kMemoryTypes.end() ? 0 : found->windows;
}

std::optional<NamedMemoryType> memoryTypeNamed(std::string_view name) {
    auto found = std::find_if(kMemoryTypes.begin(), kMemoryTypes.end(),
                              [&](const MemoryType& t) { return t.name == name; });
    if (found == kMemoryTypes.end()) return std::nullopt;
    return NamedMemoryType{found->windows, found->nonVolatile};
}

}  // namespace quarvel::linux_source
