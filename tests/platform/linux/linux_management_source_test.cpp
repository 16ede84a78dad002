#include "platform/linux/linux_management_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "inventory/failure.h"
#include "inventory/inventory_summary.h"
#include "tests/platform/linux/captured_root.h"
#include "tests/platform/linux/property_value_printer.h"

namespace quarvel {
namespace {

using testing::CapturedRoot;

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "no failure";
}

// The properties of each object of a class, as "name=value" texts.
std::vector<std::string> answers(ManagementSource& source, const std::string& query,
                                 const std::vector<std::string>& properties) {
    std::vector<std::string> seen;
    source.query(query, [&](const ManagementObject& object) {
        std::string line;
        for (const auto& p : properties) line += p + "=" + valueText(object.read(p)) + ";";
        seen.push_back(line);
    });
    return seen;
}

TEST(LinuxManagementSource, ConnectsOnlyToTheLocalComputer) {
    CapturedRoot root;
    LinuxManagementSource source(root.path(), "x86_64");
    EXPECT_EQ(failureOf([&] { source.query("Select * from Win32_BIOS", [](const auto&) {}); }),
              "Query \"Select * from Win32_BIOS\" before connecting to the management service");
    EXPECT_EQ(failureOf([&] { source.connect("winmgmts:\\\\server\\root\\cimv2"); }),
              "Cannot connect to \"winmgmts:\\\\server\\root\\cimv2\": only the local "
              "computer's root\\cimv2 can be read here");
    EXPECT_EQ(failureOf([&] { source.connect(localMoniker()); }), "no failure");
}

TEST(LinuxManagementSource, AnswersTheInventorysQueriesOnly) {
    CapturedRoot root;
    root.write("sys/class/dmi/id/bios_vendor", "Acme BIOS\n");
    root.write("sys/class/dmi/id/bios_version", "1.02  \n");
    LinuxManagementSource source(root.path(), "x86_64");
    source.connect(localMoniker());

    for (const char* query :
         {"Select * from Win32_BIOS", "SELECT * FROM win32_bios", "select  *\tfrom WIN32_Bios "}) {
        EXPECT_EQ(answers(source, query, {"manufacturer", "SMBIOSBIOSVERSION", "Nonsense"}),
                  (std::vector<std::string>{"manufacturer=Acme BIOS;SMBIOSBIOSVERSION=1.02  ;"
                                            "Nonsense=;"}))
            << query;
    }
    for (const char* query : {"Select Name from Win32_BIOS", "Select * from Win32_Fan",
                              "Select * from Win32_BIOS where Name='x'", "Win32_BIOS", ""}) {
        EXPECT_EQ(failureOf([&] { source.query(query, [](const auto&) {}); }),
                  std::string("Invalid query: \"") + query + "\"");
    }
}

TEST(LinuxManagementSource, ProcessorFromTheKernelWithoutATable) {
    CapturedRoot root;
    root.write("proc/cpuinfo",
               "vendor_id\t: AuthenticAMD\nmodel name\t: AMD EPYC\n"
               "cpu MHz\t\t: 2096.024\n");
    LinuxManagementSource source(root.path(), "aarch64");
    source.connect(localMoniker());
    const std::vector<std::string> properties{"Name", "Manufacturer", "CurrentClockSpeed",
                                              "ExtClock"};
    EXPECT_EQ(answers(source, "Select * from Win32_Processor", properties),
              (std::vector<std::string>{
                  "Name=AMD EPYC;Manufacturer=AuthenticAMD;CurrentClockSpeed=2096;ExtClock=;"}));
    EXPECT_EQ(answers(source, "Select * from Win32_ComputerSystem", {"SystemType"}),
              (std::vector<std::string>{"SystemType=ARM64-based PC;"}));

    root.write("sys/devices/system/cpu/cpu0/cpufreq/base_frequency", "2400000\n");
    source.connect(localMoniker());
    EXPECT_EQ(answers(source, "Select * from Win32_Processor", {"CurrentClockSpeed"}),
              (std::vector<std::string>{"CurrentClockSpeed=2400;"}))
        << "the base frequency, not the momentary one";
}

// This machine, whatever it has: the scan runs, and a machine that shows neither a firmware table
// nor a udev record shows no memory modules (they are never made up from the memory total).
TEST(LinuxManagementSource, ThisMachineScansWithoutInventingModules) {
    LinuxManagementSource source;
    InventorySummary summary = summarizeInventory(source, "shop.test");
    EXPECT_TRUE(summary.report.ends_with("\r\n"));
    EXPECT_TRUE(summary.lookupUrl.starts_with("http://shop.test/mc/quarvel.asp?manufacturer="));

    std::error_code error;
    bool tableReadable = std::filesystem::exists("/sys/firmware/dmi/tables/DMI", error);
    bool recordReadable = std::filesystem::exists("/run/udev/data/+dmi:id", error);
    if (tableReadable || recordReadable) GTEST_SKIP() << "this machine shows its modules";
    EXPECT_TRUE(summary.modules.empty());
    EXPECT_EQ(summary.record.moduleCount, 0);
    EXPECT_TRUE(summary.report.find("\r\nCapacity: \r\n") != std::string::npos);
}

}  // namespace
}  // namespace quarvel
