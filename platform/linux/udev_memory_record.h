#pragma once

#include <string_view>

#include "platform/linux/machine_facts.h"

namespace quarvel::linux_source {

// Adds the memory array and the installed memory modules that the udev database record of the DMI
// device ("E:MEMORY_ARRAY_*" and "E:MEMORY_DEVICE_*" lines) describes. Both spellings of the
// module keys are read: MEMORY_DEVICE_0_SIZE and MEMORY_DEVICE_SIZE0. Modules without a size and
// non-volatile devices are left out.
void addUdevMemoryFacts(std::string_view record, MachineFacts& facts);

}  // namespace quarvel::linux_source
