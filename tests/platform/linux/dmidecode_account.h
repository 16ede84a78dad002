#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/inventory/scripted_management_source.h"

namespace quarvel::testing {

// One structure as dmidecode decodes it: its handle, type and "Key: Value" lines.
struct DecodedStructure {
    std::uint16_t handle = 0;
    int type = 0;
    std::map<std::string, std::string> fields;
};

// dmidecode's account of the types the inventory reads (0, 1, 2, 4, 16, 17) in a dump file.
std::vector<DecodedStructure> dmidecodeAccount(const std::filesystem::path& dump);

// What the kernel of the captured machine shows besides the firmware table.
struct KernelView {
    std::uint64_t memTotalKilobytes = 0;
    std::string machine = "x86_64";
};

// The objects each class should answer with, in order, as (class, properties) pairs.
using ExpectedObjects = std::vector<std::pair<std::string, ScriptedManagementSource::Properties>>;

// The machine seen through its firmware table.
ExpectedObjects expectedFromTable(const std::vector<DecodedStructure>& account,
                                  const KernelView& kernel);
// The machine seen through the udev record systemd made of its table, and a processor list.
ExpectedObjects expectedFromUdevRecord(const std::vector<DecodedStructure>& account,
                                       const KernelView& kernel);
// The machine seen through the kernel's DMI identity files and a processor list.
ExpectedObjects expectedFromIdentityFiles(const std::vector<DecodedStructure>& account,
                                          const KernelView& kernel);

// The files of such views: proc/cpuinfo naming the first processor, the udev record systemd's
// dmi_memory_id writes for the dump, and the sys/class/dmi/id files.
std::string cpuinfoOf(const std::vector<DecodedStructure>& account);
std::string udevRecordOf(const std::filesystem::path& dump);
std::vector<std::pair<std::string, std::string>> identityFilesOf(
    const std::vector<DecodedStructure>& account);

// The memory a machine's kernel would show as MemTotal: a little less than its modules hold.
std::uint64_t plausibleMemTotalKilobytes(const std::vector<DecodedStructure>& account);

ScriptedManagementSource scriptedSource(const ExpectedObjects& objects);

// Runs a shell command and returns what it wrote on standard output.
std::string commandOutput(const std::string& command);

}  // namespace quarvel::testing
