#include "platform/linux/linux_management_source.h"

#include <cstdint>
#include <span>
#include <vector>

#include "inventory/failure.h"
#include "platform/linux/dmi_id_facts.h"
#include "platform/linux/root_files.h"
#include "platform/linux/smbios_facts.h"
#include "platform/linux/smbios_table.h"
#include "platform/linux/udev_memory_record.h"

namespace quarvel::linux_source {
namespace {

constexpr std::size_t kEntryPointLimit = 64;
constexpr std::size_t kTableLimit = 16 << 20;

Bytes bytesOf(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

PropertyValue textOrNull(const std::optional<std::string>& text) {
    return text ? PropertyValue(*text) : PropertyValue::null();
}

PropertyValue megahertzOrNull(std::optional<std::uint64_t> mhz) {
    return mhz && *mhz != 0 ? unsignedNumber(*mhz) : PropertyValue::null();
}

// The one processor a machine without a firmware table shows, from the kernel's processor list.
void addKernelProcessor(const std::filesystem::path& root, const CpuInfo& cpu,
                        MachineFacts& facts) {
    std::optional<std::uint64_t> clock;
    if (auto base = readFileUnder(root, "sys/devices/system/cpu/cpu0/cpufreq/base_frequency", 64)) {
        clock = cpufreqMegahertz(*base);
    }
    if (!clock) clock = cpu.megahertz;
    FactObject& object = facts.objects(ManagementClass::Processor).emplace_back();
    object.set("Name", textOrNull(cpu.modelName));
    object.set("Manufacturer", textOrNull(cpu.vendorId));
    object.set("CurrentClockSpeed", megahertzOrNull(clock));
    object.set("ExtClock", PropertyValue::null());
}

}  // namespace

MachineFacts readMachineFacts(const std::filesystem::path& root, std::string_view machine) {
    MachineFacts facts;
    auto entryPoint =
        readFileUnder(root, "sys/firmware/dmi/tables/smbios_entry_point", kEntryPointLimit);
    auto tableBytes = readFileUnder(root, "sys/firmware/dmi/tables/DMI", kTableLimit);
    std::vector<SmbiosStructure> table;
    if (entryPoint && tableBytes)
        table = parseSmbiosTable(bytesOf(*entryPoint), bytesOf(*tableBytes));

    auto cpuinfo = readFileUnder(root, "proc/cpuinfo");
    CpuInfo cpu = cpuinfo ? readCpuInfo(*cpuinfo) : CpuInfo{};
    if (!table.empty()) {
        addSmbiosFacts(table, facts);
    } else {
        if (auto record = readFileUnder(root, "run/udev/data/+dmi:id")) {
            addUdevMemoryFacts(*record, facts);
        }
        if (cpuinfo) addKernelProcessor(root, cpu, facts);
    }
    // The processor's own brand string names it the way Windows does, better than the firmware.
    for (FactObject& processor : facts.objects(ManagementClass::Processor)) {
        if (cpu.modelName) processor.set("Name", *cpu.modelName);
        if (cpu.vendorId) processor.set("Manufacturer", *cpu.vendorId);
    }
    addDmiIdFacts(root, facts);

    FactObject& system = facts.objects(ManagementClass::ComputerSystem).front();
    std::optional<std::uint64_t> total;
    if (auto meminfo = readFileUnder(root, "proc/meminfo")) total = totalMemoryBytes(*meminfo);
    system.set("TotalPhysicalMemory", total ? byteCount(*total) : PropertyValue::null());
    system.set("SystemType",
               machine.empty() ? PropertyValue::null() : PropertyValue(systemTypeOf(machine)));
    return facts;
}

}  // namespace quarvel::linux_source

namespace quarvel {
namespace {

using linux_source::sameIgnoringCase;

// The class of "Select * from <Class>", its words separated by blanks and matched without regard
// to case, as WQL does.
std::optional<linux_source::ManagementClass> queriedClass(std::string_view wql) {
    std::vector<std::string_view> words;
    while (!wql.empty()) {
        std::size_t start = wql.find_first_not_of(" \t\r\n");
        if (start == std::string_view::npos) break;
        wql.remove_prefix(start);
        std::size_t end = wql.find_first_of(" \t\r\n");
        words.push_back(wql.substr(0, end));
        wql.remove_prefix(end == std::string_view::npos ? wql.size() : end);
    }
    if (words.size() != 4 || !sameIgnoringCase(words[0], "select") || words[1] != "*" ||
        !sameIgnoringCase(words[2], "from")) {
        return std::nullopt;
    }
    return linux_source::managementClassNamed(words[3]);
}

}  // namespace

LinuxManagementSource::LinuxManagementSource(std::filesystem::path root, std::string machine)
    : root_(std::move(root)), machine_(std::move(machine)) {}

void LinuxManagementSource::connect(const std::string& moniker) {
    if (moniker != localMoniker()) {
        throw Failure("Cannot connect to \"" + moniker +
                      "\": only the local computer's root\\cimv2 can be read here");
    }
    facts_ = linux_source::readMachineFacts(root_, machine_);
}

void LinuxManagementSource::query(const std::string& wql, const ObjectVisitor& visit) {
    if (!facts_) throw Failure("Query \"" + wql + "\" before connecting to the management service");
    auto queried = queriedClass(wql);
    if (!queried) throw Failure("Invalid query: \"" + wql + "\"");
    for (const auto& object : facts_->objects(*queried)) visit(object);
}

}  // namespace quarvel
