#pragma once

#include <filesystem>

#include "platform/linux/machine_facts.h"

namespace quarvel::linux_source {

// Fills, from the kernel's DMI identity files under root (sys/class/dmi/id), the computer system,
// BIOS, product and board classes that have no object yet. The computer system always gets its one
// object; the others only when their identifying file can be read.
void addDmiIdFacts(const std::filesystem::path& root, MachineFacts& facts);

}  // namespace quarvel::linux_source
