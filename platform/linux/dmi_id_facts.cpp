#include "platform/linux/dmi_id_facts.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/linux/firmware_text.h"
#include "platform/linux/root_files.h"

namespace quarvel::linux_source {
namespace {

struct DmiIdRule {
    ManagementClass target;
    std::string_view presentWhen;  // the file whose presence makes the object; empty: always
    std::vector<std::pair<std::string_view, std::string_view>> properties;  // property, file
};

const std::array<DmiIdRule, 4>& dmiIdRules() {
    using C = ManagementClass;
    static const std::array<DmiIdRule, 4> rules{{
        {C::ComputerSystem, "", {{"Manufacturer", "sys_vendor"}, {"Model", "product_name"}}},
        {C::Bios,
         "bios_vendor",
         {{"Manufacturer", "bios_vendor"}, {"SMBIOSBIOSVersion", "bios_version"}}},
        {C::ComputerSystemProduct,
         "product_version",
         {{"IdentifyingNumber", "product_serial"}, {"Version", "product_version"}}},
        {C::Baseboard,
         "board_vendor",
         {{"Manufacturer", "board_vendor"}, {"Product", "board_name"}}},
    }};
    return rules;
}

// One identity file: the firmware's string with the line end the kernel adds taken off.
std::optional<std::string> identity(const std::filesystem::path& root, std::string_view file) {
    auto contents = readFileUnder(root, std::filesystem::path("sys/class/dmi/id") / file, 4096);
    if (!contents) return std::nullopt;
    if (contents->ends_with('\n')) contents->pop_back();
    return firmwareText(*contents);
}

}  // namespace

void addDmiIdFacts(const std::filesystem::path& root, MachineFacts& facts) {
    for (const DmiIdRule& rule : dmiIdRules()) {
        if (!facts.objects(rule.target).empty()) continue;
        if (!rule.presentWhen.empty() && !identity(root, rule.presentWhen)) continue;
        FactObject& object = facts.objects(rule.target).emplace_back();
        for (const auto& [property, file] : rule.properties) {
            auto value = identity(root, file);
            object.set(property, value ? PropertyValue(*value) : PropertyValue::null());
        }
    }
}

}  // namespace quarvel::linux_source
