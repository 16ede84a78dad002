#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inventory/management_source.h"

namespace quarvel::linux_source {

// The management classes this machine answers for.
enum class ManagementClass : std::size_t {
    ComputerSystem,
    PhysicalMemoryArray,
    PhysicalMemory,
    Processor,
    Bios,
    ComputerSystemProduct,
    Baseboard,
};
inline constexpr std::size_t kManagementClassCount = 7;

// Whether two ASCII names are the same, ignoring case ("Win32_BIOS", "win32_bios").
bool sameIgnoringCase(std::string_view a, std::string_view b);

// The class a name stands for ("Win32_Bios"), matched without regard to case.
std::optional<ManagementClass> managementClassNamed(std::string_view name);

// One object of a management class, with the properties that were found for it.
class FactObject final : public ManagementObject {
public:
    // Sets a property, replacing one of the same name.
    void set(std::string_view name, PropertyValue value);
    PropertyValue read(std::string_view name) const override;

private:
    std::vector<std::pair<std::string, PropertyValue>> properties_;
};

// Everything the machine told about itself, by class, each in the order it was found.
struct MachineFacts {
    std::array<std::vector<FactObject>, kManagementClassCount> classes;

    std::vector<FactObject>& objects(ManagementClass c) {
        return classes[static_cast<std::size_t>(c)];
    }
    const std::vector<FactObject>& objects(ManagementClass c) const {
        return classes[static_cast<std::size_t>(c)];
    }
};

// An unsigned count or amount: an integer while it fits one, a real above 2147483647.
PropertyValue unsignedNumber(std::uint64_t n);

// A byte count as the decimal text the management service gives for 64-bit quantities.
PropertyValue byteCount(std::uint64_t bytes);

}  // namespace quarvel::linux_source
