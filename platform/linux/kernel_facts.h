#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarvel::linux_source {

// The usable memory proc/meminfo reports (MemTotal), in bytes.
std::optional<std::uint64_t> totalMemoryBytes(std::string_view meminfo);

// What proc/cpuinfo tells about the first processor.
struct CpuInfo {
    std::optional<std::string> modelName;    // "model name", as UTF-8
    std::optional<std::string> vendorId;     // "vendor_id"
    std::optional<std::uint64_t> megahertz;  // "cpu MHz", rounded
};
CpuInfo readCpuInfo(std::string_view cpuinfo);

// A cpufreq frequency file (kilohertz) in megahertz, rounded.
std::optional<std::uint64_t> cpufreqMegahertz(std::string_view kilohertz);

// The system type Windows shows for a kernel machine name (uname -m): "x64-based PC" for x86_64.
std::string systemTypeOf(std::string_view machine);

// The machine name of the running kernel.
std::string kernelMachine();

}  // namespace quarvel::linux_source
