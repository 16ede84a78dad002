#include "platform/linux/machine_facts.h"

#include <algorithm>
#include <limits>

namespace quarvel::linux_source {
namespace {

constexpr std::array<std::pair<std::string_view, ManagementClass>, kManagementClassCount>
    kClassNames{{
        {"Win32_ComputerSystem", ManagementClass::ComputerSystem},
        {"Win32_PhysicalMemoryArray", ManagementClass::PhysicalMemoryArray},
        {"Win32_PhysicalMemory", ManagementClass::PhysicalMemory},
        {"Win32_Processor", ManagementClass::Processor},
        {"Win32_BIOS", ManagementClass::Bios},
        {"Win32_ComputerSystemProduct", ManagementClass::ComputerSystemProduct},
        {"Win32_BaseBoard", ManagementClass::Baseboard},
    }};

}  // namespace

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::optional<ManagementClass> managementClassNamed(std::string_view name) {
    for (const auto& [className, c] : kClassNames) {
        if (sameIgnoringCase(className, name)) return c;
    }
    return std::nullopt;
}

void FactObject::set(std::string_view name, PropertyValue value) {
    for (auto& [known, v] : properties_) {
        if (sameIgnoringCase(known, name)) {
            v = std::move(value);
            return;
        }
    }
    properties_.emplace_back(std::string(name), std::move(value));
}

PropertyValue FactObject::read(std::string_view name) const {
    for (const auto& [known, v] : properties_) {
        if (sameIgnoringCase(known, name)) return v;
    }
    return PropertyValue::null();
}

PropertyValue unsignedNumber(std::uint64_t n) {
    if (n <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        return static_cast<std::int32_t>(n);
    }
    return static_cast<double>(n);
}

PropertyValue byteCount(std::uint64_t bytes) {
    return std::to_string(bytes);
}

}  // namespace quarvel::linux_source
