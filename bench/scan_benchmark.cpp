// How long a whole scan of a captured machine takes: reading its files, decoding the firmware
// table and building the report and the lookup address.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "inventory/inventory_summary.h"
#include "platform/linux/linux_management_source.h"

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& file, const std::string& contents) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << contents;
}

// A machine's root made of a dmidecode --dump-bin file, with the kernel's memory and processor
// files beside it; removed at the end.
class CapturedRoot {
public:
    explicit CapturedRoot(const std::string& dump) {
        std::string pattern = (fs::temp_directory_path() / "quarvel-bench-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        std::string bytes = readFile(fs::path(QUARVEL_SMBIOS_DUMPS) / dump);
        std::size_t entry = static_cast<unsigned char>(bytes[bytes.starts_with("_SM3_") ? 6 : 5]);
        writeFile(path_ / "sys/firmware/dmi/tables/smbios_entry_point", bytes.substr(0, entry));
        writeFile(path_ / "sys/firmware/dmi/tables/DMI", bytes.substr(0x20));
        writeFile(path_ / "proc/meminfo", "MemTotal:       16318444 kB\nMemFree: 1 kB\n");
        writeFile(path_ / "proc/cpuinfo", readFile("/proc/cpuinfo"));
    }
    ~CapturedRoot() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void fullScan(benchmark::State& state, const std::string& dump) {
    CapturedRoot root(dump);
    for (auto _ : state) {
        quarvel::LinuxManagementSource source(root.path());
        quarvel::InventorySummary summary = quarvel::summarizeInventory(source, "shop.test");
        benchmark::DoNotOptimize(summary);
    }
}

BENCHMARK_CAPTURE(fullScan, Lenovo_ThinkPad_T480, std::string("Lenovo-ThinkPad-T480.bin"));
BENCHMARK_CAPTURE(fullScan, SuperMicro_X9DBL, std::string("SuperMicro-X9DBL.bin"));
BENCHMARK_CAPTURE(fullScan, VMWare, std::string("VMWare.bin"));

}  // namespace

BENCHMARK_MAIN();
