#include "platform/linux/udev_memory_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/linux/property_value_printer.h"

namespace quarvel::linux_source {
namespace {

MachineFacts factsOf(const std::string& record) {
    MachineFacts facts;
    addUdevMemoryFacts(record, facts);
    return facts;
}

std::vector<std::string> locators(const MachineFacts& facts) {
    std::vector<std::string> seen;
    for (const auto& m : facts.objects(ManagementClass::PhysicalMemory)) {
        seen.push_back(valueText(m.read("DeviceLocator")));
    }
    return seen;
}

TEST(UdevMemoryRecord, BothKeySpellingsGiveTheSameModules) {
    const std::string numberFirst =
        "E:MEMORY_DEVICE_0_SIZE=8589934592\nE:MEMORY_DEVICE_0_TYPE=DDR3\n"
        "E:MEMORY_DEVICE_0_SPEED_MTS=1600\nE:MEMORY_DEVICE_0_LOCATOR=DIMM A\n";
    const std::string numberLast =
        "E:MEMORY_DEVICE_SIZE0=8589934592\nE:MEMORY_DEVICE_TYPE0=DDR3\n"
        "E:MEMORY_DEVICE_SPEED_MTS0=1600\nE:MEMORY_DEVICE_LOCATOR0=DIMM A\n";
    for (const std::string& record : {numberFirst, numberLast}) {
        MachineFacts facts = factsOf(record);
        ASSERT_EQ(facts.objects(ManagementClass::PhysicalMemory).size(), 1u) << record;
        const FactObject& m = facts.objects(ManagementClass::PhysicalMemory)[0];
        EXPECT_EQ(m.read("Capacity"), "8589934592");
        EXPECT_EQ(m.read("MemoryType"), 24);
        EXPECT_EQ(m.read("Speed"), 1600);
        EXPECT_EQ(m.read("DeviceLocator"), "DIMM A");
        EXPECT_TRUE(facts.objects(ManagementClass::PhysicalMemoryArray).empty());
    }
}

TEST(UdevMemoryRecord, OnlyInstalledVolatileModulesInNumberOrder) {
    MachineFacts facts = factsOf(
        "I:123\n"
        "E:MEMORY_DEVICE_10_SIZE=1024\nE:MEMORY_DEVICE_10_LOCATOR=ten\n"
        "E:MEMORY_DEVICE_2_SIZE=2048\nE:MEMORY_DEVICE_2_LOCATOR=two\n"
        "E:MEMORY_DEVICE_3_PRESENT=0\nE:MEMORY_DEVICE_3_LOCATOR=empty socket\n"
        "E:MEMORY_DEVICE_4_SIZE=4096\nE:MEMORY_DEVICE_4_TYPE=Flash\nE:MEMORY_DEVICE_4_LOCATOR=rom\n"
        "E:MEMORY_DEVICE_5_SIZE=lots\nE:MEMORY_DEVICE_5_LOCATOR=garbled size\n"
        "E:MEMORY_DEVICE_6_SIZE=99999999999999999999999\nE:MEMORY_DEVICE_6_LOCATOR=overflow\n"
        "E:MEMORY_DEVICE_7_SIZE=512\nE:MEMORY_DEVICE_7_TYPE=Something New\n"
        "E:MEMORY_DEVICE_7_LOCATOR=new type\n"
        "E:MEMORY_DEVICE_99999999999999999999_SIZE=1\nE:MEMORY_DEVICE_=1\nE:MEMORY_DEVICE_8=1\n"
        "E:NO_EQUALS\nS:MEMORY_DEVICE_1_SIZE=1\nE:MEMORY_DEVICE_1_LOCATOR\n");
    EXPECT_EQ(locators(facts), (std::vector<std::string>{"two", "new type", "ten"}));
    const auto& modules = facts.objects(ManagementClass::PhysicalMemory);
    EXPECT_EQ(modules[1].read("MemoryType"), 0);
    EXPECT_TRUE(modules[0].read("MemoryType").isNull()) << "no type key";
    EXPECT_TRUE(modules[0].read("Speed").isNull());
}

TEST(UdevMemoryRecord, ArrayCapacityInKilobytes) {
    struct Case {
        std::string record;
        PropertyValue capacity, devices;
    };
    const PropertyValue null = PropertyValue::null();
    const std::vector<Case> cases{
        {"E:MEMORY_ARRAY_MAX_CAPACITY=34359738368\nE:MEMORY_ARRAY_NUM_DEVICES=2\n", 33554432, 2},
        {"E:MEMORY_ARRAY_MAX_CAPACITY=4398046511104\n", 4294967296.0, null},
        {"E:MEMORY_ARRAY_MAX_CAPACITY=1536\nE:MEMORY_ARRAY_NUM_DEVICES=x\n", 1.5, null},
        {"E:MEMORY_ARRAY_LOCATION=System Board Or Motherboard\n", null, null},
        {"E:MEMORY_ARRAY_MAX_CAPACITY=1024\nE:MEMORY_ARRAY_MAX_CAPACITY=2048\n", 2, null},
    };
    for (const Case& c : cases) {
        MachineFacts facts = factsOf(c.record);
        ASSERT_EQ(facts.objects(ManagementClass::PhysicalMemoryArray).size(), 1u) << c.record;
        const FactObject& array = facts.objects(ManagementClass::PhysicalMemoryArray)[0];
        EXPECT_EQ(array.read("MaxCapacity"), c.capacity) << c.record;
        EXPECT_EQ(array.read("MemoryDevices"), c.devices) << c.record;
        EXPECT_TRUE(array.read("Manufacturer").isNull());
    }
}

TEST(UdevMemoryRecord, ValuesBecomeUtf8AndKeepTheirBytes) {
    MachineFacts facts =
        factsOf("E:MEMORY_DEVICE_0_SIZE=1024\nE:MEMORY_DEVICE_0_LOCATOR=Caf\xE9 =1\r\n");
    EXPECT_EQ(locators(facts), (std::vector<std::string>{"Caf\xC3\xA9 =1\r"}));
}

}  // namespace
}  // namespace quarvel::linux_source
