#include "platform/linux/kernel_facts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/linux/firmware_text.h"

namespace quarvel::linux_source {
namespace {

TEST(KernelFacts, SystemTypeAsWindowsNamesIt) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"x86_64", "x64-based PC"},      {"i386", "X86-based PC"},
        {"i486", "X86-based PC"},        {"i586", "X86-based PC"},
        {"i686", "X86-based PC"},        {"aarch64", "ARM64-based PC"},
        {"riscv64", "riscv64-based PC"}, {"armv7l", "armv7l-based PC"}};
    for (const auto& [machine, type] : cases) EXPECT_EQ(systemTypeOf(machine), type) << machine;
}

TEST(KernelFacts, MemTotalInBytes) {
    EXPECT_EQ(totalMemoryBytes("MemTotal:       16318444 kB\nMemFree: 1 kB\n"), 16318444ull * 1024);
    EXPECT_EQ(totalMemoryBytes("MemFree: 1 kB\nMemTotal: 2 kB"), 2048u);
    EXPECT_EQ(totalMemoryBytes("MemFree: 1 kB\n"), std::nullopt);
    EXPECT_EQ(totalMemoryBytes("MemTotal: many kB\n"), std::nullopt);
    EXPECT_EQ(totalMemoryBytes("MemTotal: 1234\n"), std::nullopt) << "no unit";
    EXPECT_EQ(totalMemoryBytes("MemTotal: 99999999999999999999 kB\n"), std::nullopt);
    EXPECT_EQ(totalMemoryBytes("MemTotal: 18014398509481984 kB\n"), std::nullopt)
        << "more bytes than 64 bits hold";
    EXPECT_EQ(totalMemoryBytes(""), std::nullopt);
}

TEST(KernelFacts, FirstProcessorOfTheList) {
    CpuInfo cpu = readCpuInfo(
        "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Core(TM) i7  \n"
        "cpu MHz\t\t: 2399.501\n\nprocessor\t: 1\nvendor_id\t: Other\nmodel name\t: Other\n"
        "cpu MHz\t\t: 800.000\n");
    EXPECT_EQ(cpu.modelName, "Intel(R) Core(TM) i7");
    EXPECT_EQ(cpu.vendorId, "GenuineIntel");
    EXPECT_EQ(cpu.megahertz, 2400u);

    CpuInfo arm = readCpuInfo("processor\t: 0\nBogoMIPS\t: 48.00\nCPU implementer\t: 0x41\n");
    EXPECT_EQ(arm.modelName, std::nullopt);
    EXPECT_EQ(arm.vendorId, std::nullopt);
    EXPECT_EQ(arm.megahertz, std::nullopt);
    EXPECT_EQ(readCpuInfo("cpu MHz : fast\n").megahertz, std::nullopt);
    EXPECT_EQ(readCpuInfo("cpu MHz : -5\n").megahertz, std::nullopt);
    EXPECT_EQ(readCpuInfo("cpu MHz : 1e300\n").megahertz, std::nullopt);
}

TEST(KernelFacts, CpufreqKilohertzToMegahertz) {
    EXPECT_EQ(cpufreqMegahertz("1900000\n"), 1900u);
    EXPECT_EQ(cpufreqMegahertz("2099500\n"), 2100u);
    EXPECT_EQ(cpufreqMegahertz("<unknown>\n"), std::nullopt);
    EXPECT_EQ(cpufreqMegahertz(""), std::nullopt);
}

TEST(FirmwareText, ValidUtf8KeptAndOtherBytesReadAsLatin1) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Plain ASCII  ", "Plain ASCII  "},
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
        {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
        {"\xE2\x82\xAC 5", "\xE2\x82\xAC 5"},
        {"\xE2\x82", "\xC3\xA2\xC2\x82"},                          // a sequence cut short
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                          // overlong
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},              // a surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},  // beyond U+10FFFF
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(firmwareText(bytes), text);
}

}  // namespace
}  // namespace quarvel::linux_source
