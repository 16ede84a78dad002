#include "inventory/scan.h"

#include <gtest/gtest.h>

#include "inventory/failure.h"
#include "tests/inventory/scripted_management_source.h"
#include "tests/inventory/typical_machine.h"

namespace quarvel {
namespace {

using testing::ScriptedManagementSource;
using testing::typicalMachine;

const double kMB = 1024.0 * 1024;

TEST(Scan, ConnectsByTheLocalMonikerAndRunsTheSevenQueriesInOrder) {
    ScriptedManagementSource source;
    SysInventory record;
    scanInventory(source, record);
    EXPECT_EQ(source.moniker(), "winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\cimv2");
    EXPECT_EQ(source.queries(), (std::vector<std::string>{
                                    "Select * from Win32_ComputerSystem",
                                    "Select * from Win32_PhysicalMemoryArray",
                                    "Select * from Win32_PhysicalMemory",
                                    "Select * from Win32_Processor",
                                    "Select * from Win32_Bios",
                                    "Select * from Win32_ComputerSystemProduct",
                                    "Select * from Win32_Baseboard",
                                }));
}

TEST(Scan, FillsTheRecordAndOneRowPerModule) {
    ScriptedManagementSource source = typicalMachine();
    SysInventory r;
    std::vector<MemoryModule> modules = scanInventory(source, r);

    EXPECT_EQ(r.sysManufacturer, PropertyValue("Acme"));
    EXPECT_EQ(r.sysModel, PropertyValue("X100"));
    EXPECT_EQ(r.installedGB, 1);
    EXPECT_EQ(r.sysType, PropertyValue("X86-based PC"));
    EXPECT_EQ(r.maxGB, 4);
    EXPECT_TRUE(r.memManufacturer.isNull());
    EXPECT_EQ(r.memDevices, PropertyValue(4));
    EXPECT_EQ(r.capacityList, "512 MB,512 MB,");
    EXPECT_EQ(r.memoryTypeList, "21,21,");
    EXPECT_EQ(r.speedList, "667 MHz,667 MHz,");
    EXPECT_EQ(r.locatorList, "DIMM0,DIMM2,");
    EXPECT_EQ(r.moduleCount, 2);
    EXPECT_EQ(r.cpuName, PropertyValue("Acme Processor 800"));
    EXPECT_EQ(r.cpuManufacturer, PropertyValue("GenuineAcme"));
    EXPECT_EQ(r.cpuClock, PropertyValue(800));
    EXPECT_EQ(r.cpuExtClock, PropertyValue(200));
    EXPECT_EQ(r.biosManufacturer, PropertyValue("Acme BIOS Ltd"));
    EXPECT_EQ(r.biosVersion, PropertyValue("1.02"));
    EXPECT_EQ(r.productIdNumber, PropertyValue("SN-0042"));
    EXPECT_EQ(r.productVersion, PropertyValue("Rev A"));
    EXPECT_EQ(r.boardManufacturer, PropertyValue("Acme"));
    EXPECT_EQ(r.boardProduct, PropertyValue("X100-MB"));

    ASSERT_EQ(modules.size(), 2u);
    EXPECT_EQ(modules[1].slot, "DIMM2");
    EXPECT_EQ(modules[1].size, "512 MB");
    EXPECT_EQ(modules[1].speed, "667 MHz");
}

TEST(Scan, NoObjectsLeaveTheRecordAsItStarted) {
    ScriptedManagementSource source;
    SysInventory r;
    EXPECT_TRUE(scanInventory(source, r).empty());
    EXPECT_TRUE(r.sysManufacturer.isEmpty());
    EXPECT_TRUE(r.boardProduct.isEmpty());
    EXPECT_EQ(r.installedGB, 0);
    EXPECT_EQ(r.maxGB, 0);
    EXPECT_EQ(r.capacityList + r.memoryTypeList + r.speedList + r.locatorList, "");
    EXPECT_EQ(r.moduleCount, 0);
}

TEST(Scan, TheLastObjectOfAClassWins) {
    ScriptedManagementSource source;
    source.add(
        "Win32_PhysicalMemoryArray",
        {{"MaxCapacity", 64 * 1024 * 1024}, {"Manufacturer", "First"}, {"MemoryDevices", 4}});
    source.add(
        "Win32_PhysicalMemoryArray",
        {{"MaxCapacity", 2 * 1024 * 1024}, {"Manufacturer", "Second"}, {"MemoryDevices", 2}});
    source.add("Win32_Processor", {{"Name", "CPU 1"}});
    source.add("Win32_Processor", {{"Name", "CPU 2"}});
    SysInventory r;
    scanInventory(source, r);
    EXPECT_EQ(r.maxGB, 2);
    EXPECT_EQ(r.memManufacturer, PropertyValue("Second"));
    EXPECT_EQ(r.memDevices, PropertyValue(2));
    EXPECT_EQ(r.cpuName, PropertyValue("CPU 2"));
}

TEST(Scan, ModuleRowsFromNullAndFractionalValues) {
    struct Case {
        PropertyValue capacity, speed, locator;
        MemoryModule row;
        const char *capacityList, *speedList, *locatorList;
    };
    const Case cases[] = {
        {"536870912",
         PropertyValue::null(),
         "A1",
         {"A1", "512 MB", " MHz"},
         "512 MB,",
         " MHz,",
         "A1,"},
        {PropertyValue::null(), 1333, "A2", {"A2", " MB", "1333 MHz"}, " MB,", "1333 MHz,", "A2,"},
        {"1610088448", 800, "A3", {"A3", "1535.5 MB", "800 MHz"}, "1535.5 MB,", "800 MHz,", "A3,"},
        {"8589934592",
         3200,
         PropertyValue::null(),
         {"", "8192 MB", "3200 MHz"},
         "8192 MB,",
         "3200 MHz,",
         ","},
    };
    for (const Case& c : cases) {
        ScriptedManagementSource source;
        source.add("Win32_PhysicalMemory",
                   {{"Capacity", c.capacity}, {"Speed", c.speed}, {"DeviceLocator", c.locator}});
        SysInventory r;
        auto modules = scanInventory(source, r);
        ASSERT_EQ(modules.size(), 1u);
        EXPECT_EQ(modules[0].slot, c.row.slot);
        EXPECT_EQ(modules[0].size, c.row.size);
        EXPECT_EQ(modules[0].speed, c.row.speed);
        EXPECT_EQ(r.capacityList, c.capacityList);
        EXPECT_EQ(r.speedList, c.speedList);
        EXPECT_EQ(r.locatorList, c.locatorList);
        EXPECT_EQ(r.memoryTypeList, ",");
        EXPECT_EQ(r.moduleCount, 1);
    }
}

TEST(Scan, InstalledAndMaximumMemoryInRoundedGigabytes) {
    struct Case {
        PropertyValue totalBytes, maxKilobytes;
        double installedGB, maxGB;
    };
    const Case cases[] = {
        {"2147483648", 2 * 1024 * 1024, 2, 2},
        {"536241766", 512 * 1024, 0.5, 0.5},  // 511.4 MB
        {"17072009216", 1024.0 * 1024 * 3072, 15.9, 3072},
        {PropertyValue::null(), PropertyValue::null(), 0, 0},  // a null keeps the start value
    };
    for (const Case& c : cases) {
        ScriptedManagementSource source;
        source.add("Win32_ComputerSystem", {{"TotalPhysicalMemory", c.totalBytes}});
        source.add("Win32_PhysicalMemoryArray", {{"MaxCapacity", c.maxKilobytes}});
        SysInventory r;
        scanInventory(source, r);
        EXPECT_EQ(r.installedGB, c.installedGB);
        EXPECT_EQ(r.maxGB, c.maxGB);
    }
}

TEST(Scan, AnUnknownPropertyReadsAsNull) {
    ScriptedManagementSource source;
    source.add("Win32_Processor", {{"Name", "CPU"}, {"CurrentClockSpeed", 2400}});
    source.add("Win32_PhysicalMemory", {{"Capacity", "1073741824"}, {"DeviceLocator", "B"}});
    SysInventory r;
    auto modules = scanInventory(source, r);
    EXPECT_TRUE(r.cpuExtClock.isNull());
    EXPECT_EQ(r.speedList, " MHz,");
    EXPECT_EQ(modules.at(0).speed, " MHz");
}

TEST(Scan, FailuresEndTheScanWhereTheyHappen) {
    {
        ScriptedManagementSource source = typicalMachine();
        source.failConnect("cannot connect");
        SysInventory r;
        EXPECT_THROW(scanInventory(source, r), Failure);
        EXPECT_TRUE(source.queries().empty());
    }
    {
        ScriptedManagementSource source = typicalMachine();
        source.failQuery("Win32_Processor", "Invalid class");
        SysInventory r;
        EXPECT_THROW(scanInventory(source, r), Failure);
        EXPECT_EQ(source.queries().size(), 4u);
        EXPECT_EQ(r.moduleCount, 2);
        EXPECT_TRUE(r.cpuName.isEmpty());
    }
    {
        ScriptedManagementSource source;
        source.add("Win32_ComputerSystem", {{"Manufacturer", "Acme"},
                                            {"Model", "X"},
                                            {"TotalPhysicalMemory", "lots"},
                                            {"SystemType", "x64-based PC"}});
        SysInventory r;
        try {
            scanInventory(source, r);
            ADD_FAILURE() << "no failure";
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), "Type mismatch: \"lots\" is not a number");
        }
        EXPECT_EQ(r.sysModel, PropertyValue("X"));
        EXPECT_TRUE(r.sysType.isEmpty());
    }
}

}  // namespace
}  // namespace quarvel
