// Each captured machine, seen the ways a Linux machine can show itself, answers the inventory as
// dmidecode's independent decoding of the same firmware table says it should.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inventory/inventory_summary.h"
#include "platform/linux/linux_management_source.h"
#include "tests/platform/linux/captured_root.h"
#include "tests/platform/linux/dmidecode_account.h"
#include "tests/platform/linux/property_value_printer.h"

namespace quarvel {
namespace {

using testing::CapturedRoot;
using testing::ExpectedObjects;

const std::vector<std::string> kClasses{
    "Win32_ComputerSystem", "Win32_PhysicalMemoryArray",   "Win32_PhysicalMemory",
    "Win32_Processor",      "Win32_ComputerSystemProduct", "Win32_BIOS",
    "Win32_BaseBoard"};

std::filesystem::path dumpPath(const std::string& name) {
    return std::filesystem::path(QUARVEL_SMBIOS_DUMPS) / name;
}

// Every class answers with the expected objects, in order, property by property.
void expectSameAnswers(ManagementSource& source, const ExpectedObjects& expected) {
    source.connect(localMoniker());
    for (const std::string& className : kClasses) {
        std::vector<const testing::ScriptedManagementSource::Properties*> wanted;
        for (const auto& [c, properties] : expected) {
            if (c == className && !properties.empty()) wanted.push_back(&properties);
        }
        std::size_t index = 0;
        source.query("Select * from " + className, [&](const ManagementObject& object) {
            SCOPED_TRACE(className + " object " + std::to_string(index));
            ASSERT_LT(index, wanted.size()) << "more objects than expected";
            for (const auto& [property, value] : *wanted[index]) {
                EXPECT_EQ(valueText(object.read(property)), valueText(value)) << property;
                EXPECT_EQ(object.read(property), value) << property;
            }
            ++index;
        });
        EXPECT_EQ(index, wanted.size()) << className;
    }
}

// The report and the address are the ones the expected answers give.
void expectSameSummary(const std::filesystem::path& root, const ExpectedObjects& expected) {
    LinuxManagementSource source(root, "x86_64");
    auto scripted = testing::scriptedSource(expected);
    InventorySummary got = summarizeInventory(source, "shop.test");
    InventorySummary want = summarizeInventory(scripted, "shop.test");
    EXPECT_EQ(got.report, want.report);
    EXPECT_EQ(got.lookupUrl, want.lookupUrl);
    ASSERT_EQ(got.modules.size(), want.modules.size());
    for (std::size_t i = 0; i < got.modules.size(); ++i) {
        EXPECT_EQ(got.modules[i].slot, want.modules[i].slot);
        EXPECT_EQ(got.modules[i].size, want.modules[i].size);
        EXPECT_EQ(got.modules[i].speed, want.modules[i].speed);
    }
}

class DumpMachine : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        account = testing::dmidecodeAccount(dumpPath(GetParam()));
        kernel.memTotalKilobytes = testing::plausibleMemTotalKilobytes(account);
        root.write("proc/meminfo", "MemTotal:       " + std::to_string(kernel.memTotalKilobytes) +
                                       " kB\nMemFree:         1234567 kB\n");
    }

    void check(const ExpectedObjects& expected) {
        LinuxManagementSource source(root.path(), kernel.machine);
        expectSameAnswers(source, expected);
        expectSameSummary(root.path(), expected);
    }

    std::vector<testing::DecodedStructure> account;
    testing::KernelView kernel;
    CapturedRoot root;
};

TEST_P(DumpMachine, FirmwareTableGivesWhatDmidecodeDecodes) {
    root.layOutDump(dumpPath(GetParam()));
    check(testing::expectedFromTable(account, kernel));
}

TEST_P(DumpMachine, FirmwareTableWinsOverUdevRecordAndIdentityFiles) {
    root.layOutDump(dumpPath(GetParam()));
    root.write("run/udev/data/+dmi:id",
               "E:MEMORY_DEVICE_0_SIZE=1024\nE:MEMORY_ARRAY_NUM_DEVICES=9\n");
    root.write("sys/class/dmi/id/sys_vendor", "Elsewhere Inc.\n");
    root.write("sys/class/dmi/id/board_vendor", "Elsewhere Inc.\n");
    check(testing::expectedFromTable(account, kernel));
}

TEST_P(DumpMachine, UdevRecordAloneGivesTheModulesToAnOrdinaryUser) {
    root.write("run/udev/data/+dmi:id", testing::udevRecordOf(dumpPath(GetParam())));
    root.write("proc/cpuinfo", testing::cpuinfoOf(account));
    check(testing::expectedFromUdevRecord(account, kernel));
}

TEST_P(DumpMachine, IdentityFilesAloneGiveTheNamesButNoModules) {
    for (const auto& [file, contents] : testing::identityFilesOf(account)) {
        root.write("sys/class/dmi/id/" + file, contents);
    }
    root.write("proc/cpuinfo", testing::cpuinfoOf(account));
    check(testing::expectedFromIdentityFiles(account, kernel));
}

TEST_P(DumpMachine, DamagedEntryPointFallsBackToTheUdevRecord) {
    root.layOutDump(dumpPath(GetParam()));
    std::string entry =
        testing::readFile(root.path() / "sys/firmware/dmi/tables/smbios_entry_point");
    entry[entry.size() - 1] =
        static_cast<char>(entry.back() ^ 0x5A);  // the checksum no longer holds
    root.write("sys/firmware/dmi/tables/smbios_entry_point", entry);
    root.write("run/udev/data/+dmi:id", testing::udevRecordOf(dumpPath(GetParam())));
    root.write("proc/cpuinfo", testing::cpuinfoOf(account));
    check(testing::expectedFromUdevRecord(account, kernel));
}

INSTANTIATE_TEST_SUITE_P(SharedDumps, DumpMachine,
                         ::testing::Values("Asus-UX307LA.bin", "GigaByte-X399.bin",
                                           "Lenovo-ThinkPad-T480.bin", "SuperMicro-X9DBL.bin",
                                           "VMWare.bin"),
                         [](const auto& param) {
                             std::string name = param.param.substr(0, param.param.find('.'));
                             for (char& c : name) {
                                 if (c == '-') c = '_';
                             }
                             return name;
                         });

TEST(CapturedMachine, NothingToReadGivesOnlyTheComputerSystem) {
    CapturedRoot empty;
    LinuxManagementSource source(empty.path(), "x86_64");
    ExpectedObjects expected{{"Win32_ComputerSystem",
                              {{"Manufacturer", PropertyValue::null()},
                               {"Model", PropertyValue::null()},
                               {"TotalPhysicalMemory", PropertyValue::null()},
                               {"SystemType", "x64-based PC"}}}};
    expectSameAnswers(source, expected);
    InventorySummary summary = summarizeInventory(source, "shop.test");
    EXPECT_EQ(summary.lookupUrl,
              "http://shop.test/mc/quarvel.asp?manufacturer=&mdlname=&bName=&maxmemory=0 MB"
              "&totalslots=  (Currently Memory in 0 Slots)&memoryspeeds=&memorysize="
              "&processorspeed=&site=Brackenholme");
}

TEST(CapturedMachine, ProcessorsBrandStringNamesItOverTheFirmwaresWords) {
    CapturedRoot root;
    root.layOutDump(dumpPath("SuperMicro-X9DBL.bin"));
    root.write("proc/cpuinfo",
               "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Brand String CPU\n"
               "processor\t: 1\nvendor_id\t: Other\nmodel name\t: Second\n");
    LinuxManagementSource source(root.path(), "x86_64");
    source.connect(localMoniker());
    std::vector<std::string> seen;
    source.query("Select * from Win32_Processor", [&](const ManagementObject& cpu) {
        seen.push_back(valueText(cpu.read("Name")) + "|" + valueText(cpu.read("Manufacturer")) +
                       "|" + valueText(cpu.read("CurrentClockSpeed")));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"Brand String CPU|GenuineIntel|1800",
                                              "Brand String CPU|GenuineIntel|1800"}));
}

}  // namespace
}  // namespace quarvel
