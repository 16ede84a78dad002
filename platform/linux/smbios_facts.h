#pragma once

#include <vector>

#include "platform/linux/machine_facts.h"
#include "platform/linux/smbios_table.h"

namespace quarvel::linux_source {

// Adds the objects the structures of an SMBIOS table describe: the computer system's and the
// product's identity, the BIOS, the boards, the system memory arrays, the installed memory modules
// and the populated central processors.
void addSmbiosFacts(const std::vector<SmbiosStructure>& table, MachineFacts& facts);

}  // namespace quarvel::linux_source
